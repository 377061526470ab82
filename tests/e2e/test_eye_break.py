"""Eye breaks as a user meets them: after the set minutes of work a small window above the rest
prompt's corner asks the user to look into the distance, counts its seconds down and closes by
itself, while the keyboard stays with the window the user was typing in; a click closes it at once.

The work minutes pass on the stepped clock of the rest reminder's tests; the idle time the program
asks Windows for runs on the real clock, so the user's input just before the step is recent.
"""

import time
import unittest

import inifile
from harness import centre, find_window, pixels, rect_tuple
from mainwindow import SCREEN_SIZE
from test_rest_reminder import WS_EX_LAYERED, WS_EX_NOACTIVATE, WS_EX_TOOLWINDOW, RestReminderCase

EYE_BREAK_CLASS = "Vistrel.EyeBreak"
MESSAGE = "看看 6 米外的地方"
BACKGROUND = (192, 255, 255)
TEXT = (64, 64, 64)
# Client area, in twips: as wide as the rest prompt (4890 x 1935), 120 twips above where it opens.
EYE_BREAK_SIZE, PROMPT_SIZE, GAP = (4890, 1080), (4890, 1935), 120


def expected_rect(dpi):
    """Where the break opens on this screen, which has no taskbar: flush right, above the prompt's place."""
    width, height = SCREEN_SIZE
    bottom = height - pixels(PROMPT_SIZE[1], dpi) - pixels(GAP, dpi)
    return (width - pixels(EYE_BREAK_SIZE[0], dpi), bottom - pixels(EYE_BREAK_SIZE[1], dpi), width, bottom)


def settings():
    # The rest an hour away, so that it neither comes nor skips the break.
    return inifile.build({"dsxx": {"mei": "60", "xiuxi": "1", "pdrun": "1"}, "extra": {"eye_break_minutes": "10"}})


class EyeBreakTest(RestReminderCase):
    def eye_break(self):
        return find_window(self.windows(), cls=EYE_BREAK_CLASS, visible=True)

    def edit_text(self, edit):
        return (find_window(self.windows("notepad.exe"), hwnd=edit["hwnd"]) or {}).get("text")

    def work_ten_minutes(self):
        """The ten minutes of work pass on the program's clock; returns the break they bring."""
        self.assertIsNone(self.eye_break(), "no break before its time")
        # The work period starts at the program's first tick, a second after its window shows;
        # a jump seen before that tick would start the period after it.
        time.sleep(2.5)
        self.clock.forward(10 * 60 + 2)
        return self.wait_window(cls=EYE_BREAK_CLASS, visible=True, timeout=10)

    def assert_looks_right(self, window, dpi):
        self.assertEqual(rect_tuple(window["rect"]), expected_rect(dpi))
        self.assertEqual(window["rect"], window["client"], "no frame")
        self.assertTrue(window["topmost"])
        for bit, why in ((WS_EX_NOACTIVATE, "it never takes the focus"), (WS_EX_TOOLWINDOW, "no taskbar button"),
                         (WS_EX_LAYERED, "translucent")):
            self.assertTrue(window["exstyle"] & bit, why)
        self.assertEqual(window["alpha"], 220)
        self.assertTrue(window["text"].startswith(MESSAGE + " "), window["text"])
        # The server draws no translucency without a compositor, so the colours are exact.
        shot = self.grab()
        left, top, right, bottom = rect_tuple(window["rect"])
        area = (right - left) * (bottom - top)
        self.assertGreater(shot.count((left, top, right, bottom), BACKGROUND, 4), area // 2, "its background")
        self.assertGreater(shot.count((left, top, right, bottom), TEXT, 40), 30 * dpi // 96, "its words")

    def test_a_break_comes_after_the_minutes_of_work_leaves_the_keyboard_alone_and_closes_by_itself(self):
        self.start(settings())
        self.start_wine("notepad")
        notepad = self.wait_window(process="notepad.exe", cls="Notepad", visible=True)
        edit = find_window(self.windows("notepad.exe"), cls="Edit", parent=notepad["hwnd"])
        # The pointer stays on notepad: without a window manager the X server may hand the keys to
        # the window under it.
        self.click(*centre(edit["client"]))
        self.type_text("look ")  # the user types: not idle
        self.wait_for(lambda: self.edit_text(edit) == "look ", 10, "the keys typed in notepad")

        window = self.work_ten_minutes()
        self.save_state("eye-break-96dpi")
        self.assert_looks_right(window, 96)

        self.type_text("away")
        self.wait_for(lambda: self.edit_text(edit) == "look away", 10, "the keys typed during the break in notepad")
        seconds = int(window["text"].split()[-2])
        self.assertLessEqual(seconds, 20)
        time.sleep(2)
        later = self.eye_break()
        if later:
            self.assertLess(int(later["text"].split()[-2]), seconds, "the seconds count down")
        self.wait_no_window(cls=EYE_BREAK_CLASS, visible=True, timeout=seconds + 10)
        self.assertTrue(self.program.running())
        self.assertIsNone(self.prompt(), "no rest came with it")

    def test_at_144_dpi_it_scales_and_a_click_closes_it_at_once(self):
        self.use_dpi(144)
        self.start(settings())
        self.move(*centre((0, 0) + SCREEN_SIZE))  # the user's hand on the mouse: not idle
        self.park_mouse()

        window = self.work_ten_minutes()
        self.save_state("eye-break-144dpi")
        self.assert_looks_right(window, 144)

        self.click(*centre(window["rect"]))
        self.park_mouse()
        self.wait_no_window(cls=EYE_BREAK_CLASS, visible=True, timeout=3)
        self.assertTrue(self.program.running())


if __name__ == "__main__":
    unittest.main()
