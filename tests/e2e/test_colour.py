"""Screen colour adjustment, end to end: the X server's gamma ramp after start, the ramp put back
after another client resets it, keyboard moves on the colour panel, reset, OK and exit, and the
gamma backup file's messages.

What a check can see of the display: the program's 16-bit entries reach the X server through
Wine, and Xorg's dummy driver keeps only the high byte of each entry (it reads back as
(v >> 8) * 257; xgamma.as_stored), whatever Wine does with the low byte. A ramp the program captures from the display is
that stored ramp, so expectations start from as_stored() of what the test put there. The high
bytes are then compared exactly, with no further tolerance: the server truncates rather than
rounds, so the expected byte is exact, and a looser check would hide rounding faults that do
reach the high byte (brightness -50 turns 65535 into 32767.5, which is 0x8000 when rounded to
even and 0x7FFF when cut short).
"""

import time
import unittest
from fractions import Fraction

import inifile
import xgamma
from harness import E2ETestCase, centre, find_window, find_windows, rect_tuple
from mainwindow import COLOUR, COLOUR_PANEL_BACK, SETTINGS_ICONS, MainWindow, in_colour_panel

MESSAGE_BOX = "#32770"
PROGRAM_TITLE = "Vistrel"  # the platform's title for a box that has none of its own

# Places inside the colour panel (twips).
SLIDERS = [(1395, 585, 2535, 255),  # Slider1, brightness
           (1395, 1305, 2415, 255),  # Slider2, contrast
           (4920, 570, 3495, 255), (4920, 915, 3495, 255), (4920, 1275, 3495, 255)]  # Slider3 red, green, blue
BRIGHTNESS_VALUE = (435, 585, 495, 255)  # colo element 1
CONTRAST_VALUE = (435, 1305, 495, 255)  # colo element 3
RESET = (2205, 2010, 1050, 270)  # Label8
IMAGE_OK = (4350, 1785, 735, 495)  # Image7
BLANK = (150, 2100, 300, 300)  # nothing but the panel's background

# The program looks at the display once a minute of its one-second tick (a real minute: the tick
# counts timer messages, not clock time), so a ramp reset by someone else is back within this.
HOLD_TIMEOUT = 70

NEUTRAL = [0, 100, 0, 0, 0]
COLOUR_KEYS = ["liangdu", "duibidu", "rgbr", "rgbg", "rgbb"]

LINEAR = tuple([257 * i for i in range(256)] for _ in range(3))
# Ramps no display starts with, channels apart, so an unwanted or partial write shows.
KNOWN_RAMP = ([240 * i for i in range(256)], [250 * i for i in range(256)], [230 * i for i in range(256)])
BACKUP_RAMP = ([200 * i for i in range(256)], [257 * i for i in range(256)], [150 * i for i in range(256)])


# --- the ramp arithmetic, exact, as the display should show it ---------------------------------

def gain(value, entry):
    if value < 0:
        exact = Fraction((100 + value) * entry, 100)
    elif value > 0:
        exact = 65535 - Fraction((100 - value) * (65535 - entry), 100)
    else:
        exact = Fraction(entry)
    return round(exact)  # a Fraction rounds halves to even


def brightness(ramp, value):
    return tuple([gain(value, u) for u in channel] for channel in ramp)


def contrast(ramp, percent):
    return tuple([round(Fraction(percent * u, 100)) for u in channel] for channel in ramp)


def gains(ramp, red, green, blue):
    return tuple([gain(value, u) for u in channel] for value, channel in zip((red, green, blue), ramp))


def stored(ramp):
    return tuple(xgamma.as_stored(channel) for channel in ramp)


# --- files beside the program ----------------------------------------------------------------

def backup_numbers(ramp):
    """The 768 numbers of monitor.txt, entry by entry, red, green, blue, in the 16-bit signed reading."""
    signed = lambda v: v - 65536 if v > 32767 else v
    return [signed(v) for entry in zip(*ramp) for v in entry]


def backup_file(ramp):
    numbers = backup_numbers(ramp)
    return "".join("%d,%d,%d\r\n" % tuple(numbers[i:i + 3]) for i in range(0, len(numbers), 3))


def colour_settings(**values):
    """config.ini with the colour switch on and the given colour keys (any left out are missing)."""
    return inifile.build({"dsxx": {"pdrun": "0"}, "eye": dict({"pdrun": "1"}, **values)})


class ColourTestCase(E2ETestCase):
    def setUp(self):
        self.require_program()  # before the session starts: a skip then costs nothing
        super().setUp()

    # --- starting and ending -----------------------------------------------------------------

    def put_ramp(self, ramp):
        if self.session.gamma_skip_reason is None:
            self.set_gamma(*ramp)

    def start(self, config, monitor=None):
        self.program = self.start_program(config=config, monitor=monitor)

    def wait_main(self):
        self.main = MainWindow.wait(self)
        self.park_mouse()
        return self.main

    def exit_through_exit_image(self):
        self.main.exit(self.program)

    # --- the display -------------------------------------------------------------------------

    def assert_display(self, ramp, message, timeout=10):
        """The X ramp shows ramp, within what the server keeps (see the module's comment)."""
        # A sub-test, so a server without gamma skips only this check and reports the skip.
        with self.subTest(display=message):
            self.require_gamma()
            expected = stored(ramp)
            # A key press reaches the display a moment later: give it that moment.
            actual = self.wait_for_value(self.gamma, expected, timeout)
            self.assertEqual(actual, expected, message)

    def wait_for_value(self, read, expected, timeout=10):
        """What read() returns once it equals expected, or at the timeout for the caller to report."""
        deadline = time.monotonic() + timeout
        value = read()
        while value != expected and time.monotonic() < deadline:
            time.sleep(self.POLL_INTERVAL)
            value = read()
        return value

    # --- message boxes -----------------------------------------------------------------------

    def wait_message_box(self, title):
        box = self.wait_window(cls=MESSAGE_BOX, text=title, visible=True)
        children = find_windows(self.windows(), parent=box["hwnd"])
        texts = [w["text"] for w in children if w["class"] == "Static" and w["text"]]
        return box, texts

    def message_box_has_icon(self, box):
        """Whether the box shows the warning sign. Its icon control is there either way, so look at
        the pixels: the sign is orange, a box without an icon is grey there."""
        icon = find_window(self.windows(), parent=box["hwnd"], cls="Static", text="")
        if icon is None:
            return False
        shot = self.grab()
        warm = [p for p in shot.pixels(rect_tuple(icon["rect"])) if p[0] > 200 and p[2] < 100]
        return len(warm) >= 20

    def dismiss(self, box):
        ok = find_window(self.windows(), parent=box["hwnd"], cls="Button")
        self.assertIsNotNone(ok, "the message box has its OK button")
        self.click(*centre(ok["rect"]))
        self.wait_no_window(cls=MESSAGE_BOX, text=box["text"], visible=True)

    # --- the colour panel --------------------------------------------------------------------

    def open_colour_panel(self):
        self.main.click(SETTINGS_ICONS[COLOUR])
        self.wait_for(lambda: self.main.overlay()["visible"], message="the settings overlay")
        self.park_mouse()

    def close_with_back(self):
        self.main.click(in_colour_panel(COLOUR_PANEL_BACK))
        self.wait_for(lambda: not self.main.overlay()["visible"], message="Back to close the overlay")

    def slider_positions(self):
        windows = self.windows()
        positions = []
        for place in SLIDERS:
            bar = self.main.child_at(in_colour_panel(place), windows)
            self.assertIsNotNone(bar, "a trackbar at %s" % (place,))
            self.assertEqual(bar["class"], "msctls_trackbar32")
            positions.append(bar["trackbar"]["pos"])
        return positions

    def assert_sliders(self, positions, message):
        self.assertEqual(self.wait_for_value(self.slider_positions, positions), positions, message)

    def keys_on_panel(self, *keys):
        """Keys as the user types them over the panel (the X server sends keys where the pointer is)."""
        self.move(*self.main.point(in_colour_panel(BLANK)))
        self.key(*keys)

    def label_pixels(self, place):
        return self.grab().region(self.main.screen_rect(in_colour_panel(place)))

    def colour_values(self):
        data = self.program.config()
        self.assertIsNotNone(data, "config.ini was written")
        return [inifile.value(data, "eye", key) for key in COLOUR_KEYS]


class StoredValuesTest(ColourTestCase):
    def test_stored_brightness_held_against_a_reset_then_keys_move_sliders_and_exit_keeps_the_colours(self):
        self.put_ramp(KNOWN_RAMP)
        self.start(colour_settings(liangdu="-50", duibidu="100", rgbr="0", rgbg="0", rgbb="0"), backup_file(LINEAR))
        self.wait_main()
        self.assertIsNone(find_window(self.windows(), cls=MESSAGE_BOX), "no message with a usable backup file")
        row = brightness(LINEAR, -50)
        self.assertEqual([row[0][i] for i in (0, 1, 128, 255)], [0, 128, 16448, 32768])
        self.assert_display(row, "brightness -50 of the backed-up linear ramp")

        # Another client puts its own ramp on the display, as Windows does on display events.
        self.put_ramp(KNOWN_RAMP)
        self.assert_display(row, "the adjustment is back after a reset", timeout=HOLD_TIMEOUT)
        self.assertIsNone(find_window(self.windows(), cls=MESSAGE_BOX), "a ramp that took raises no message")

        self.open_colour_panel()
        self.assert_sliders([-50, 100, 0, 0, 0], "the sliders show the stored values")
        self.save_state("panel")
        at_minus_50 = self.label_pixels(BRIGHTNESS_VALUE)

        # Tab order: brightness, contrast, red, green, blue. Arrows step by 1, page keys by 5.
        self.keys_on_panel("Tab", "Right")
        self.assert_sliders([-49, 100, 0, 0, 0], "Right moves brightness by 1")
        self.assert_display(brightness(LINEAR, -49), "the display follows the brightness slider")
        self.assertNotEqual(self.label_pixels(BRIGHTNESS_VALUE), at_minus_50, "the value label follows")
        self.keys_on_panel("Left")
        self.assert_sliders([-50, 100, 0, 0, 0], "Left moves it back")
        self.assertEqual(self.label_pixels(BRIGHTNESS_VALUE), at_minus_50, "the label shows -50 again")
        self.keys_on_panel("Next")
        self.assert_sliders([-45, 100, 0, 0, 0], "PageDown moves by 5")
        self.assert_display(brightness(LINEAR, -45), "brightness -45")

        at_100 = self.label_pixels(CONTRAST_VALUE)
        self.keys_on_panel("Tab", "Left")
        self.assert_sliders([-45, 99, 0, 0, 0], "Left on contrast")
        self.assert_display(contrast(LINEAR, 99), "the contrast adjustment replaces the brightness one")
        self.assertNotEqual(self.label_pixels(CONTRAST_VALUE), at_100, "the contrast label follows")

        self.keys_on_panel("Tab", "Tab", "Tab", "Prior")
        self.assert_sliders([-45, 99, 0, 0, -5], "PageUp on the blue gain")
        adjusted = gains(LINEAR, 0, 0, -5)
        self.assert_display(adjusted, "the three gains alone")
        self.save_state("moved")

        # Back hides the sliders; keys must not go on moving them unseen.
        self.close_with_back()
        self.keys_on_panel("Prior", "Left")
        self.assert_sliders([-45, 99, 0, 0, -5], "hidden sliders take no keys")
        self.assert_display(adjusted, "nor does the display change")

        self.exit_through_exit_image()
        self.assertEqual(self.colour_values(), ["-45", "99", "0", "0", "-5"], "exit writes the five values")
        self.assertEqual(inifile.value(self.program.config(), "eye", "pdrun"), "1")
        self.assert_display(adjusted, "the adjusted colours stay after the process has ended")


class MissingBackupFileTest(ColourTestCase):
    def test_warns_first_then_applies_the_stored_values_to_the_captured_ramp_and_reset_goes_back_to_it(self):
        self.put_ramp(KNOWN_RAMP)
        captured = stored(KNOWN_RAMP)
        self.start(colour_settings(liangdu="-20", duibidu="80", rgbr="0", rgbg="0", rgbb="-10"))
        box, texts = self.wait_message_box("tips")
        self.assertEqual(texts, ["没有发现备份的数据"])
        self.assertTrue(self.message_box_has_icon(box), "a warning icon")
        self.save_state("message")
        self.assert_display(captured, "nothing is written while the message waits")

        self.dismiss(box)
        self.wait_main()
        # The last stored value that differs from neutral decides: the gains, on the captured ramp.
        self.assert_display(gains(captured, 0, 0, -10), "the stored gains on the ramp captured at load")
        self.open_colour_panel()
        self.assert_sliders([-20, 80, 0, 0, -10], "all five sliders show their stored values")

        self.main.click(in_colour_panel(RESET))
        box, texts = self.wait_message_box("提示")
        self.assertEqual(texts, ["完成"])
        self.assertTrue(self.message_box_has_icon(box), "a warning icon when there was no file")
        self.dismiss(box)
        self.assert_sliders(NEUTRAL, "reset puts the sliders at neutral")
        self.assert_display(captured, "reset shows the ramp captured at load again")


class ResetAndOkTest(ColourTestCase):
    def test_reset_says_done_and_shows_the_file_ramp_then_ok_stores_all_five_values(self):
        self.put_ramp(KNOWN_RAMP)
        # Only brightness is stored; the others are missing and read as neutral.
        self.start(colour_settings(liangdu="-30"), backup_file(BACKUP_RAMP))
        self.wait_main()
        self.assert_display(brightness(BACKUP_RAMP, -30), "brightness -30 of the backed-up ramp")
        self.open_colour_panel()
        self.assert_sliders([-30, 100, 0, 0, 0], "missing values stand at neutral")

        self.main.click(in_colour_panel(RESET))
        box, texts = self.wait_message_box(PROGRAM_TITLE)
        self.assertEqual(texts, ["完成"])
        self.assertFalse(self.message_box_has_icon(box), "no icon after the file was read")
        self.dismiss(box)
        self.assert_sliders(NEUTRAL, "reset puts the sliders at neutral")
        self.assert_display(BACKUP_RAMP, "reset shows the file's ramp")

        self.keys_on_panel("Tab", "Tab", "Tab", "Tab", "Tab", "Prior")
        self.assert_sliders([0, 100, 0, 0, -5], "only the blue gain moved")
        adjusted = gains(BACKUP_RAMP, 0, 0, -5)
        self.assert_display(adjusted, "blue -5 on the file's ramp")

        self.main.click(in_colour_panel(IMAGE_OK))
        self.wait_for(lambda: not self.main.overlay()["visible"], message="OK to close the overlay")
        self.assertEqual(self.colour_values(), ["0", "100", "0", "0", "-5"],
                         "OK writes all five values, the unchanged ones included")
        self.assertIsNone(inifile.value(self.program.config(), "dsxx", "mei"), "OK writes nothing else")
        self.assert_display(adjusted, "OK leaves the display as it is")

        self.exit_through_exit_image()
        self.assertEqual(self.colour_values(), ["0", "100", "0", "0", "-5"])
        self.assert_display(adjusted, "the colours stay after the process has ended")


class RefusedRampTest(ColourTestCase):
    GAMMA_RANGE = ("Windows 限制了显示器 \\\\.\\DISPLAY1 的伽马范围，屏幕颜色的调整没有生效。\n\n"
                   "如需放宽限制，请以管理员身份运行注册表编辑器，打开注册表项\n"
                   "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ICM\n"
                   "在其中新建 DWORD 值 GdiICMGammaRange，数值数据设为 256，然后重新启动计算机。")

    def test_a_ramp_the_display_refuses_is_explained_once_per_run(self):
        # Wine, like Windows, turns down a ramp that runs backwards: the backup file holds one, so
        # the switch-on at load writes it, and then the stored brightness of it.
        self.require_gamma()
        self.put_ramp(KNOWN_RAMP)
        backwards = tuple([65535 - 257 * i for i in range(256)] for _ in range(3))
        self.start(colour_settings(liangdu="-20"), backup_file(backwards))
        box, texts = self.wait_message_box(PROGRAM_TITLE)
        self.assertEqual(texts, [self.GAMMA_RANGE])
        self.assertTrue(self.message_box_has_icon(box), "a warning icon")
        self.save_state("refused")
        self.dismiss(box)

        self.wait_main()
        self.assertIsNone(find_window(self.windows(), cls=MESSAGE_BOX), "the second refusal raises no message")
        self.assert_display(KNOWN_RAMP, "the display keeps the ramp it had")


class UnusableBackupFileTest(ColourTestCase):
    def assert_rejected_whole(self, monitor):
        self.put_ramp(KNOWN_RAMP)
        captured = stored(KNOWN_RAMP)
        self.start(colour_settings(liangdu="-20", duibidu="100", rgbr="0", rgbg="0", rgbb="0"), monitor)
        box, texts = self.wait_message_box("tips")
        self.assertEqual(texts, ["备份的数据无法使用"])
        self.assertTrue(self.message_box_has_icon(box), "a warning icon")
        self.assert_display(captured, "no part of the file reaches the display")

        self.dismiss(box)
        self.wait_main()
        self.assert_display(brightness(captured, -20), "the stored value on the ramp captured at load")
        self.exit_through_exit_image()
        self.assertEqual((self.program.app_dir / "monitor.txt").read_bytes(), monitor.encode(),
                         "the backup file is only read")

    def test_a_file_with_too_few_numbers(self):
        numbers = backup_numbers(BACKUP_RAMP)[:700]
        self.assert_rejected_whole(",".join(str(n) for n in numbers))

    def test_a_file_with_a_word_among_the_numbers(self):
        lines = backup_file(BACKUP_RAMP).splitlines(keepends=True)
        lines[200] = "51400,abc,30000\r\n"
        self.assert_rejected_whole("".join(lines))


if __name__ == "__main__":
    unittest.main()
