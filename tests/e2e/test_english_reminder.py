"""The rest reminder, tray menu, eye break, rest panel and statistics window with `[extra]` `language=en`:
the menu's items and the prompt's message read in English, and the windows are saved as
screenshots at 96 and 144 DPI to be checked by eye (English in the Latin face, nothing clipped)."""

import time

import inifile
from harness import centre
from mainwindow import REST, SCREEN_SIZE, SETTINGS_ICONS, MainWindow
from test_eye_break import EYE_BREAK_CLASS
from test_rest_reminder import MESSAGE, SCREEN_CLASS, RestReminderCase
from test_statistics import planted_history

STATISTICS = {"cls": "Vistrel.StatisticsWindow", "text": "Vistrel rest statistics"}


def settings(rest="1"):
    return inifile.build({"dsxx": {"mei": "1", "xiuxi": rest, "pdrun": "1"}, "extra": {"language": "en"}})


class EnglishReminderTest(RestReminderCase):
    history = None  # planted beside the program when set

    def make_app_dir(self, config=None, monitor=None, program=None):
        app_dir = super().make_app_dir(config, monitor, program)
        if self.history:
            (app_dir / "history.csv").write_bytes(self.history)
        return app_dir

    def open_statistics(self):
        self.click_tray_icon(button=3)
        self.wait_window(cls="#32768", visible=True)
        # From the bottom: "Exit", "About", "Display", "Options…", then "Rest statistics".
        self.key("Up", "Up", "Up", "Up", "Up", "Return")
        window = self.wait_window(visible=True, **STATISTICS)
        self.park_mouse()
        time.sleep(1)  # painted once shown
        return window

    def test_the_tray_menu_and_the_rest_prompt_speak_english(self):
        self.start(settings(), wine_debug="+menu")
        self.click_tray_icon(button=3)
        self.wait_for(self.tray_menu_lines, 10, "the tray menu")
        self.save_state("menu-en")
        lines = self.tray_menu_lines()
        self.assertRegex(lines[0], r"^Next rest at \d\d:\d\d$")
        for item in ("Postpone 5 minutes", "Pause reminders", "Eye breaks", "Start with Windows", "Night colour",
                     "Rest statistics", "Options…", "Display", "About", "Exit"):
            self.assertIn(item, lines)
        self.key("Escape")

        prompt = self.wait_for_due_prompt()
        self.assertEqual(prompt["text"], "You have 1 minute of rest")

    def look_at_the_rest(self, dpi):
        """Screenshots of the statistics window, the prompt and the countdown screen at a density."""
        self.use_dpi(dpi)
        self.history = planted_history(days_back=4)
        self.start(settings(rest="100"))  # the longest message that fits the designed face is shorter
        self.open_statistics()
        self.save_state("statistics-en-%ddpi" % dpi)
        self.key("Escape")

        prompt = self.wait_for_due_prompt()
        time.sleep(1)
        self.save_state("prompt-en-%ddpi" % dpi)
        self.clock.forward_to_second(20)
        self.click_label(prompt, MESSAGE)
        self.wait_window(cls=SCREEN_CLASS, visible=True, timeout=15)
        time.sleep(1.5)
        self.save_state("countdown-en-%ddpi" % dpi)

    def look_at_the_eye_break(self, dpi):
        """Screenshots of the eye break and then the rest panel at a density."""
        self.use_dpi(dpi)
        # The rest an hour away, so that it neither comes nor skips the break.
        self.start(inifile.build({"dsxx": {"mei": "60", "xiuxi": "1", "pdrun": "1"},
                                  "extra": {"language": "en", "eye_break_minutes": "10"}}))
        self.move(*centre((0, 0) + SCREEN_SIZE))  # the user's hand on the mouse, over the window: not idle
        self.park_mouse()
        time.sleep(2.5)
        self.clock.forward(10 * 60 + 2)
        window = self.wait_window(cls=EYE_BREAK_CLASS, visible=True, timeout=15)
        time.sleep(1)
        self.save_state("eye-break-en-%ddpi" % dpi)
        self.assertTrue(window["text"].startswith("Look 6 metres away "), window["text"])

        main = MainWindow.wait(self, dpi=dpi)
        main.click(SETTINGS_ICONS[REST])
        self.park_mouse()
        self.wait_for(lambda: main.overlay()["visible"], 10, "the rest panel")
        time.sleep(1)
        self.save_state("rest-panel-en-%ddpi" % dpi)

    def test_the_windows_at_96_dpi(self):
        self.look_at_the_rest(96)

    def test_the_windows_at_144_dpi(self):
        self.look_at_the_rest(144)

    def test_the_eye_break_at_96_dpi(self):
        self.look_at_the_eye_break(96)

    def test_the_eye_break_at_144_dpi(self):
        self.look_at_the_eye_break(144)
