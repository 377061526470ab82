"""The main window and the tray icon, used as a user would: start, look, click, exit, start again."""

import re
import time
import unittest

import inifile
import xgamma
from harness import (E2ETestCase, centre, close, e2e_program_path, find_window, find_windows, program_path, rect_size,
                     twips, twips_rect)
from mainwindow import (COLOUR, COLOUR_PANEL_BACK, COLOUR_PICTURE, COLOUR_PANEL_SIZE, CLIENT_SIZE, IMAGE_MINIMISE,
                        PANEL_OFFSET, REST, SCREEN_SIZE, SETTINGS_ICONS, SWITCHES, MainWindow,
                        in_colour_panel, in_top_strip)

WS_CAPTION, WS_THICKFRAME = 0x00C00000, 0x00040000
TRACKBAR = "msctls_trackbar32"
EXIT_KEYS = [("dsxx", "mei"), ("dsxx", "xiuxi"), ("dsxx", "pdrun"), ("eye", "liangdu"), ("eye", "duibidu"),
             ("eye", "rgbr"), ("eye", "rgbg"), ("eye", "rgbb")]
NEUTRAL_COLOURS = {"liangdu": "0", "duibidu": "100", "rgbr": "0", "rgbg": "0", "rgbb": "0"}

# A ramp no display starts with, so an unwanted write to the display shows.
KNOWN_RAMP = ([240 * i for i in range(256)], [250 * i for i in range(256)], [230 * i for i in range(256)])
BACKUP_RAMP = ([200 * i for i in range(256)], [257 * i for i in range(256)], [150 * i for i in range(256)])


def backup_file(red, green, blue):
    """monitor.txt: one entry per line, red, green, blue, each in its 16-bit signed reading."""
    signed = lambda v: v - 65536 if v > 32767 else v
    return "".join("%d,%d,%d\r\n" % (signed(r), signed(g), signed(b)) for r, g, b in zip(red, green, blue))


def settings(rest_on, colour_on, mei="30", xiuxi="5"):
    return inifile.build({"dsxx": {"mei": mei, "xiuxi": xiuxi, "pdrun": rest_on},
                          "eye": dict(NEUTRAL_COLOURS, pdrun=colour_on)})


class MainWindowTestCase(E2ETestCase):
    def setUp(self):
        self.require_program()  # before the session starts: a skip then costs nothing
        super().setUp()

    def start(self, config=None, monitor=None, **program):
        self.program = self.start_program(config=config, monitor=monitor, **program)
        self.main = MainWindow.wait(self)
        self.park_mouse()
        return self.main

    def exit_through_exit_image(self):
        self.main.exit(self.program)

    def assert_display_shows(self, ramp, message):
        # A sub-test, so a server without gamma skips only this check and reports the skip.
        with self.subTest(display=message):
            self.assertEqual(self.gamma(), tuple(xgamma.as_stored(channel) for channel in ramp), message)

    def put_known_ramp(self):
        if self.session.gamma_skip_reason is None:
            self.set_gamma(*KNOWN_RAMP)


class FirstStartTest(MainWindowTestCase):
    def test_shows_the_borderless_centred_window_with_rest_on_and_colour_off(self):
        self.put_known_ramp()
        main = self.start()
        window = main.window()
        self.save_state("started")

        self.assertEqual(window["text"], "Form1")
        self.assertEqual(rect_size(window["client"]), CLIENT_SIZE)
        self.assertEqual(window["rect"], window["client"], "no frame around the client area")
        self.assertEqual(window["style"] & (WS_CAPTION | WS_THICKFRAME), 0)
        left, top = [(screen - size) // 2 for screen, size in zip(SCREEN_SIZE, CLIENT_SIZE)]
        self.assertTrue(close((window["rect"]["left"], window["rect"]["top"]), (left, top)),
                        "centred on the screen: %s" % window["rect"])

        self.assertFalse(main.overlay()["visible"], "the settings overlay is closed")
        main.assert_feature(REST, on=True)
        main.assert_feature(COLOUR, on=False)
        self.assertEqual(len(self.tray_icons()), 1, "one icon in the notification area")
        self.assertIsNone(self.program.config(), "nothing is written at start")
        self.assert_display_shows(KNOWN_RAMP, "loading leaves the display's ramp alone")

    def test_exit_writes_the_settings_in_order_removes_the_icon_and_ends(self):
        self.put_known_ramp()
        self.start()
        self.exit_through_exit_image()

        entries = self.program.config_entries()
        self.assertEqual([(s, k) for s, k, _ in entries], EXIT_KEYS, "eye/pdrun is never written when "
                         "the colour switch was not touched")
        values = {(s, k): v for s, k, v in entries}
        self.assertEqual(values[("dsxx", "pdrun")], "1")
        for key, neutral in NEUTRAL_COLOURS.items():
            self.assertEqual(values[("eye", key)], neutral, key)
        self.assertEqual((values[("dsxx", "mei")], values[("dsxx", "xiuxi")]), ("45", "10"),
                         "a first run works 45 minutes and rests 10")
        self.wait_for(lambda: not self.tray_icons(), 10, "the tray icon to go")
        self.assertEqual(self.windows(), [], "no window is left behind")
        self.assert_display_shows(KNOWN_RAMP, "exit leaves the display's ramp alone")


class SavedSettingsTest(MainWindowTestCase):
    def test_rest_off_and_colour_on_are_restored_and_written_back(self):
        config = settings(rest_on="0", colour_on="1")
        main = self.start(config=config, monitor=backup_file(*BACKUP_RAMP))
        self.assertIsNone(find_window(self.windows(), cls="#32770"), "no message box with a backup file")
        main.assert_feature(REST, on=False)
        main.assert_feature(COLOUR, on=True)
        self.assert_display_shows(BACKUP_RAMP, "neutral stored values show the backed-up ramp")

        self.exit_through_exit_image()
        self.assertEqual(self.program.config_entries(), inifile.entries(config),
                         "the same settings are written back, in place")
        self.assert_display_shows(BACKUP_RAMP, "the colours stay after the program has ended")

    def test_colour_on_without_a_backup_file_tells_the_user_first(self):
        self.put_known_ramp()
        self.program = self.start_program(config=settings(rest_on="1", colour_on="1"))
        box = self.wait_window(cls="#32770", text="tips", visible=True)
        texts = [w["text"] for w in find_windows(self.windows(), parent=box["hwnd"])]
        self.assertIn("没有发现备份的数据", texts)
        self.save_state("message")

        ok = find_window(self.windows(), parent=box["hwnd"], cls="Button")
        self.click(*centre(ok["rect"]))
        self.wait_no_window(cls="#32770", visible=True)
        self.main = MainWindow.wait(self)
        self.park_mouse()
        self.main.assert_feature(COLOUR, on=True)
        self.main.assert_feature(REST, on=True)
        self.assert_display_shows(KNOWN_RAMP, "neutral values on the ramp captured at load")


class RobustnessTest(MainWindowTestCase):
    def test_a_press_that_began_off_a_switch_and_ends_on_it_toggles_nothing(self):
        main = self.start(config=settings(rest_on="1", colour_on="0"))
        for feature in (COLOUR, REST):
            left, top, right, bottom = main.screen_rect(SWITCHES[feature])
            x = (left + right) // 2
            self.press(x, top - 12)  # on the window's background, just above the switch
            self.move(x, (top + bottom) // 2)
            time.sleep(0.3)  # the hover polls see the cursor on the switch
            self.release()
            self.park_mouse()
        time.sleep(0.5)
        self.assertIsNone(find_window(self.windows(), cls="#32770"), "no message box of the colour switch")
        main.assert_feature(REST, on=True)
        main.assert_feature(COLOUR, on=False)
        self.exit_through_exit_image()
        values = {(s, k): v for s, k, v in self.program.config_entries()}
        self.assertEqual(values[("dsxx", "pdrun")], "1")
        self.assertNotIn(("eye", "pdrun"), values, "the colour switch was never set")

    def test_a_whole_day_of_work_minutes_is_corrected_and_prompts_nothing(self):
        self.start(config=settings(rest_on="1", colour_on="0", mei="1440"))
        deadline = time.monotonic() + 4
        while time.monotonic() < deadline:  # a due time in the current minute would prompt at the first tick
            self.assertIsNone(find_window(self.windows(), cls="Vistrel.RestPrompt", visible=True))
            time.sleep(0.5)
        self.exit_through_exit_image()
        values = {(s, k): v for s, k, v in self.program.config_entries()}
        self.assertEqual(values[("dsxx", "mei")], "45", "corrected to the first-run value")


class DensityTest(MainWindowTestCase):
    def test_at_144_dpi_the_window_and_its_pictures_scale_by_one_and_a_half(self):
        self.use_dpi(144)
        self.program = self.start_program()
        main = self.main = MainWindow.wait(self, dpi=144)
        self.park_mouse()
        self.save_state("144dpi")
        self.assertEqual(rect_size(main.window()["client"]), (963, 472), "9630 x 4725 twips, 472.5 to even")
        shot = self.grab()
        main.assert_feature(REST, on=True, shot=shot)  # the switch pictures of the 150 % strip
        main.assert_feature(COLOUR, on=False, shot=shot)
        self.assertLess(main.picture_difference(COLOUR_PICTURE, "150/tile_colour.bmp", shot), 3,
                        "the colour tile's 150 % picture")
        main.click(SETTINGS_ICONS[REST])
        self.park_mouse()
        self.wait_for(lambda: main.overlay()["visible"], 10, "the rest panel")
        self.save_state("144dpi-rest-panel")


class SingleInstanceTest(MainWindowTestCase):
    def test_a_second_copy_ends_silently_and_leaves_the_first_unchanged(self):
        main = self.start()
        main.click(in_top_strip(IMAGE_MINIMISE))
        self.wait_for(lambda: not main.visible(), message="the main window to hide")
        before = self.windows()

        second = self.start_program(app_dir=self.program.app_dir)
        self.assertIsNotNone(second.wait_exit(60), "the second copy ends by itself")
        self.assertTrue(self.program.running())
        after = self.windows()
        self.assertEqual(sorted((w["hwnd"], w["visible"]) for w in after),
                         sorted((w["hwnd"], w["visible"]) for w in before),
                         "no window appears, none is brought forward")
        self.assertEqual(len(self.tray_icons()), 1)
        self.assertIsNone(self.program.config(), "the second copy touches no settings")


class TrayTest(MainWindowTestCase):
    def traces(self):
        """The program's trace lines, as Wine 8 prints OutputDebugString with WINEDEBUG=warn+seh."""
        log = (self.program.app_dir / "wine.log").read_text(errors="replace")
        return re.findall(r'seh:OutputDebugString\w+ "Vistrel: (.*?)(?:\\n)?"$', log, re.MULTILINE)

    def test_an_icon_refused_at_logon_comes_on_retry_and_a_left_button_release_shows_the_window(self):
        # As at an early logon: the shell refuses the first add and the session is not ready for
        # the first registration. Both come on their first retry, about a second later.
        main = self.start(program=e2e_program_path(),
                          env={"VISTREL_E2E_FAIL_FIRST": "tray,session", "WINEDEBUG": "warn+seh"})
        self.wait_for(self.tray_icons, 10, "the tray icon, on retry")
        expected = ["Shell_NotifyIconW(NIM_ADD) made to fail, as at an early logon",
                    "Shell_NotifyIconW(NIM_ADD) succeeded on attempt 2",
                    "WTSRegisterSessionNotification made to fail, as at an early logon",
                    "WTSRegisterSessionNotification succeeded on attempt 2"]
        self.wait_for(lambda: all(line in self.traces() for line in expected), 10, "the retries' traces")
        self.assertNotIn("VISTREL_E2E_FAIL_FIRST".encode("utf-16-le"), program_path().read_bytes(),
                         "the shipped program has no such switch")
        shown_at = main.window()["rect"]
        main.click(in_top_strip(IMAGE_MINIMISE))
        self.wait_for(lambda: not main.visible(), message="the main window to hide")
        self.assertEqual(len(self.tray_icons()), 1, "the icon stays while the window is hidden")

        self.press(*centre(self.tray_icons()[0]["rect"]))
        self.save_state("pressed")
        self.assertFalse(main.visible(), "a held left button does not show the window")
        self.release()
        self.wait_for(main.visible, message="the main window to come back")
        self.assertEqual(main.window()["rect"], shown_at, "it comes back where it was")

        main.click(in_top_strip(IMAGE_MINIMISE))
        self.wait_for(lambda: not main.visible(), message="the main window to hide again")
        self.click_tray_icon(button=3)
        self.save_state("right click")
        self.assertFalse(main.visible(), "a right click does not show the window")


class OverlayTest(MainWindowTestCase):
    def visible_panels(self, windows):
        overlay = self.main.overlay(windows)
        return overlay, find_windows(windows, parent=overlay["hwnd"], visible=True)

    def assert_only_rest_panel(self):
        windows = self.windows()
        overlay, panels = self.visible_panels(windows)
        self.assertTrue(overlay["visible"])
        self.assertEqual(len(panels), 1, "exactly one panel shows: %s" % panels)
        panel = panels[0]
        offset = (panel["rect"]["left"] - overlay["client"]["left"], panel["rect"]["top"] - overlay["client"]["top"])
        self.assertTrue(close(offset, (twips(PANEL_OFFSET[0]), twips(PANEL_OFFSET[1]))), offset)
        # Panels may share a size: tell them apart by what they hold.
        boxes = find_windows(windows, parent=panel["hwnd"], cls="Edit", visible=True)
        self.assertEqual(len(boxes), 2, "the work and rest minute boxes")
        self.assertEqual(find_windows(windows, parent=panel["hwnd"], cls=TRACKBAR), [], "no colour slider")
        return sorted(boxes, key=lambda box: box["rect"]["left"])

    def open_rest_panel(self):
        self.main.click(SETTINGS_ICONS[REST])
        self.wait_for(lambda: self.main.overlay()["visible"], message="the settings overlay")
        return self.assert_only_rest_panel()

    def close_with_back(self):
        # The rest panel's Back sits where the colour panel's does.
        self.main.click(in_colour_panel(COLOUR_PANEL_BACK))
        self.wait_for(lambda: not self.main.overlay()["visible"], message="Back to close the overlay")

    def test_the_rest_settings_icon_opens_only_the_rest_panel(self):
        self.start()
        self.open_rest_panel()
        self.save_state("rest panel")

    def test_minutes_typed_then_left_with_back_stay_in_the_boxes_and_are_saved_at_exit(self):
        self.start(config=settings(rest_on="1", colour_on="0", mei="30", xiuxi="5"))
        work, rest = self.open_rest_panel()
        self.assertEqual((work["text"], rest["text"]), ("30", "5"))
        self.click(*centre(work["rect"]))
        self.key("End", "BackSpace", "BackSpace", "BackSpace")
        self.type_text("25")
        self.wait_for(lambda: find_window(self.windows(), hwnd=work["hwnd"])["text"] == "25", message="typed text")
        self.close_with_back()
        self.type_text("9")  # nobody can see the box any more: it takes no keys

        work, rest = self.open_rest_panel()
        self.assertEqual((work["text"], rest["text"]), ("25", "5"), "Back keeps what was typed")
        self.close_with_back()
        self.exit_through_exit_image()
        self.assertEqual(inifile.value(self.program.config(), "dsxx", "mei"), "25", "saved at exit without OK")

    def test_the_colour_panel_closed_with_back_then_the_rest_panel(self):
        main = self.start(config=settings(rest_on="1", colour_on="1"), monitor=backup_file(*BACKUP_RAMP))
        main.click(SETTINGS_ICONS[COLOUR])
        self.wait_for(lambda: main.overlay()["visible"], message="the settings overlay")
        self.save_state("colour panel")
        windows = self.windows()
        _, panels = self.visible_panels(windows)
        self.assertEqual(len(panels), 1, "exactly one panel shows: %s" % panels)
        self.assertEqual([rect_size(panels[0]["rect"])], [rect_size(twips_rect(0, 0, *COLOUR_PANEL_SIZE))])
        sliders = find_windows(windows, parent=panels[0]["hwnd"], cls=TRACKBAR, visible=True)
        self.assertEqual(len(sliders), 5, "brightness, contrast and three gains")

        self.close_with_back()
        self.open_rest_panel()


class SwitchTest(MainWindowTestCase):
    def test_turning_the_rest_reminder_off_is_shown_and_saved_when_the_session_ends(self):
        main = self.start()
        main.click(SWITCHES[REST])
        self.park_mouse()
        self.wait_for(lambda: not main.settings_icon_visible(REST), message="the rest settings icon to hide")
        main.assert_feature(REST, on=False)
        main.assert_feature(COLOUR, on=False)
        # A logoff ends the program without its exit image: it keeps what the user set all the same.
        self.session.end_windows_session()
        self.assertIsNotNone(self.program.wait_exit(30), "the program ends with the session")
        self.assertEqual([(s, k) for s, k, _ in self.program.config_entries()], EXIT_KEYS)
        self.assertEqual(inifile.value(self.program.config(), "dsxx", "pdrun"), "0")


if __name__ == "__main__":
    unittest.main()
