"""Every window worked from the keyboard alone: Tab through the main window's controls, Space on
the switches, Enter on a settings icon and Esc out of its panel, and the rest prompt's choices and
the countdown screen's close image once the prompt has been activated.

No window manager runs here, so there is no Alt+Tab: the inspector brings the prompt to the
foreground the way the task switcher does (SetForegroundWindow). The X server sends keys to the
window under the pointer, so the pointer rests on the window being typed at.
"""

import unittest

import inifile
from harness import centre, find_window, twips
from mainwindow import COLOUR, REST, SETTINGS_ICONS, SWITCHES
from test_main_window import BACKUP_RAMP, MainWindowTestCase, backup_file, settings
from test_options import SHEET
from test_rest_reminder import MESSAGE, PROMPT_CLASS, SCREEN_CLASS, RestReminderCase
from test_rest_reminder import settings as rest_settings


def focused(windows):
    return next((w for w in windows if w.get("focused")), None)


class MainWindowKeyboardTest(MainWindowTestCase):
    def keys(self, *keys):
        self.move(*self.main.point((4000, 500, 10, 10)))  # a blank spot of the window
        self.key(*keys)

    def assert_focus_on(self, entry, message):
        def on_it():
            child = self.main.child_at(entry)
            return child is not None and child.get("focused")
        self.wait_for(on_it, 5, message)

    def test_tab_reaches_both_switches_and_space_toggles_them_as_a_click_does(self):
        main = self.start(config=settings(rest_on="1", colour_on="0"), monitor=backup_file(*BACKUP_RAMP))
        self.move(*main.point((4000, 500, 10, 10)))
        untouched = self.grab().region(main.screen_rect(SWITCHES[COLOUR]))

        # The strip's three images first, then the colour switch (its settings icon is hidden).
        self.keys("Tab", "Tab", "Tab", "Tab")
        self.assert_focus_on(SWITCHES[COLOUR], "the fourth Tab reaches the colour switch")
        self.save_state("colour switch focused")
        self.assertNotEqual(self.grab().region(main.screen_rect(SWITCHES[COLOUR])), untouched,
                            "the keyboard's focus shows on the switch")
        self.keys("space")
        self.wait_for(lambda: main.settings_icon_visible(COLOUR), 10, "the colour settings icon to show")

        self.keys("Tab")
        self.assert_focus_on(SETTINGS_ICONS[COLOUR], "the colour tile's settings icon follows its switch")
        self.keys("Tab")
        self.assert_focus_on(SWITCHES[REST], "then the rest switch")
        self.keys("space")
        self.wait_for(lambda: not main.settings_icon_visible(REST), 10, "the rest settings icon to hide")
        self.keys("Tab")  # on round to the strip, so no focus cue lies over the switch pictures
        main.assert_feature(COLOUR, on=True)
        main.assert_feature(REST, on=False)

        self.exit_through_exit_image()
        config = self.program.config()
        self.assertEqual(inifile.value(config, "eye", "pdrun"), "1")
        self.assertEqual(inifile.value(config, "dsxx", "pdrun"), "0")

    def test_enter_on_a_settings_icon_opens_its_panel_and_esc_closes_it(self):
        main = self.start(config=settings(rest_on="1", colour_on="0"))
        # Strip images, colour switch, rest switch, rest settings icon.
        self.keys(*["Tab"] * 6)
        self.assert_focus_on(SETTINGS_ICONS[REST], "Tab reaches the rest settings icon")
        self.keys("Return")
        self.wait_for(lambda: main.overlay()["visible"], 10, "the settings overlay")
        windows = self.windows()
        box = focused(windows)
        self.assertIsNotNone(box, "the focus went into the panel")
        self.assertEqual(box["class"], "Edit", "the work minutes box comes first")
        self.save_state("rest panel from the keyboard")

        # Tab runs through the panel: the rest minutes box, OK and Back; the covered tiles are skipped.
        self.keys("Tab", "Tab", "Tab")
        back = focused(self.windows())
        self.assertIsNotNone(back)
        self.assertEqual(back["class"], "VistrelImageButton")
        self.assertGreater(back["rect"]["top"], box["rect"]["top"], "Back lies below the boxes")

        self.keys("Escape")
        self.wait_for(lambda: not main.overlay()["visible"], 10, "Esc to close the overlay")
        self.assert_focus_on(SETTINGS_ICONS[REST], "the focus comes back to the icon that opened the panel")
        self.assertTrue(self.program.running(), "Esc closes the overlay, not the program")

    def test_the_focus_comes_back_to_its_control_when_the_window_is_activated_again(self):
        main = self.start(config=settings(rest_on="0", colour_on="0"))
        self.keys("Tab", "Tab", "Tab", "Tab")
        self.assert_focus_on(SWITCHES[COLOUR], "the fourth Tab reaches the colour switch")
        # Another window takes the activation: the Options window, from the tray menu.
        self.click_tray_icon(button=3)
        self.wait_window(cls="#32768", visible=True)
        self.key("Up", "Up", "Up", "Up", "Return")
        self.wait_window(visible=True, **SHEET)
        self.wait_for(lambda: not main.window().get("active"), 10, "the main window to lose the activation")

        self.session.inspect("--activate", str(main.hwnd))
        self.wait_for(lambda: main.window().get("active"), 10, "the main window to be active again")
        self.assert_focus_on(SWITCHES[COLOUR], "the focus is back on the switch the keyboard left")


class PromptKeyboardTest(RestReminderCase):
    def activate(self, window):
        """The task switcher's way to a window that never takes the activation by itself."""
        self.move(*centre(window["client"]))
        self.session.inspect("--activate", str(window["hwnd"]))
        self.wait_for(lambda: (find_window(self.windows(), hwnd=window["hwnd"]) or {}).get("active"), 10,
                      "the window to become active")

    def test_an_activated_prompt_is_chosen_from_the_keyboard_and_the_countdown_closed_with_it(self):
        self.start(rest_settings(rest="5"))
        prompt = self.wait_for_due_prompt()
        self.clock.forward_to_second(20)
        self.activate(prompt)
        self.key("Escape", "Return", "space")
        self.assertIsNotNone(self.prompt(), "Esc means nothing there, and nothing has the focus before a Tab")

        label = (prompt["client"]["left"] + twips(MESSAGE[0]), prompt["client"]["top"] + twips(MESSAGE[1]),
                 prompt["client"]["left"] + twips(MESSAGE[0] + MESSAGE[2]) - 3,
                 prompt["client"]["top"] + twips(MESSAGE[1] + MESSAGE[3]))
        unfocused = self.grab().region(label)
        self.key("Tab")
        self.wait_for(lambda: self.grab().region(label) != unfocused, 5, "the focus cue on the message")
        self.save_state("prompt message focused")
        self.key("Return")  # the message's choice: take the rest
        screen = self.wait_window(cls=SCREEN_CLASS, visible=True, timeout=15)
        self.wait_no_window(cls=PROMPT_CLASS, visible=True, timeout=10)

        self.activate(screen)
        self.key("Tab")
        image = next(w for w in self.windows() if w["parent"] == screen["hwnd"])
        self.wait_for(lambda: (find_window(self.windows(), hwnd=image["hwnd"]) or {}).get("focused"), 5,
                      "Tab reaches the close image")
        self.save_state("countdown close image focused")
        self.key("space")
        self.wait_no_window(cls=SCREEN_CLASS, visible=True, timeout=10)
        self.assertTrue(self.program.running())


if __name__ == "__main__":
    unittest.main()
