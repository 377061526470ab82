"""The Options window, used as a user would: opened from the tray menu's "选项…", edited, applied,
refused and cancelled."""

import inifile
from harness import E2ETestCase, centre, find_window, find_windows, rect_size

SHEET = {"cls": "#32770", "text": "Vistrel 选项"}
ENGLISH_SHEET = {"cls": "#32770", "text": "Vistrel options"}
OK, APPLY = 1, 0x3021  # the property sheet's own buttons
MODE_SUN, FADE, LATITUDE, LONGITUDE = 1103, 1113, 1121, 1122
START_WITH_WINDOWS, LANGUAGE = 1001, 1012
NOTICE_SECONDS, EYE_BREAK_MINUTES, WORK_FROM, SATURDAY = 1201, 1222, 1232, 1246
KELVIN_TEXT = 1132
STORED = inifile.build({"night": {"mode": "times", "night_k": "3600", "start": "21:00", "end": "07:00",
                                  "fade": "30"}})


class OptionsCase(E2ETestCase):
    sheet = SHEET  # the Options window as it is called in the language in force

    def setUp(self):
        self.require_program()
        super().setUp()

    def open_options(self, config=None, env=None):
        """Starts the program and opens its Options window, on the night colour page."""
        self.program = self.start_program(config=config, env=env)
        self.click_tray_icon(button=3)
        self.wait_window(cls="#32768", visible=True)  # the tray menu
        # From the bottom: "Exit", "About", "Display", then "选项…".
        self.key("Up", "Up", "Up", "Up", "Return")
        sheet = self.wait_window(visible=True, **self.sheet)
        self.park_mouse()
        return sheet

    def control(self, control_id):
        """A control of the sheet (its buttons) or of the page on show, by its id."""
        windows = self.windows()
        sheet = find_window(windows, **self.sheet)
        dialogs = [sheet] + find_windows(windows, cls="#32770", parent=sheet["hwnd"], visible=True)
        return next(w for d in dialogs for w in find_windows(windows, parent=d["hwnd"]) if w["id"] == control_id)

    def click_control(self, control_id):
        self.click(*centre(self.control(control_id)["rect"]))

    def retype(self, control_id, text):
        self.click_control(control_id)
        self.key("End", *["BackSpace"] * 12)
        self.type_text(text)

    def balloons(self):
        return find_windows(self.windows(), cls="tooltips_class32", visible=True)

    def pages(self):
        """The titles on the sheet's tabs, and those of the pages it has made so far."""
        windows = self.windows()
        sheet = find_window(windows, **self.sheet)
        tabs = find_window(windows, cls="SysTabControl32", parent=sheet["hwnd"])
        return tabs["tabs"], sorted(w["text"] for w in find_windows(windows, cls="#32770", parent=sheet["hwnd"]))

    def turn_to(self, key, page):
        """Turns the sheet to another page with the keyboard (ctrl+Tab or ctrl+shift+Tab)."""
        self.key(key)
        self.wait_for(lambda: find_window(self.windows(), cls="#32770", text=page, visible=True),
                      message="the page " + page)



class OptionsWindowTest(OptionsCase):
    def test_a_change_okd_persists_and_an_invalid_one_is_refused_with_a_balloon_and_nothing_written(self):
        self.open_options(config=STORED)
        self.assertFalse(self.control(APPLY)["enabled"], "Apply is greyed until something changes")
        self.assertFalse(self.control(LATITUDE)["enabled"], "the place is for sunset to sunrise")
        self.save_state("opened")

        # By the keyboard: the mnemonics of "日落到日出(&U)" and "纬度(&L)".
        self.click_control(KELVIN_TEXT)  # a label: the window has the keyboard and nothing changes
        self.key("alt+u")
        self.wait_for(lambda: self.control(LATITUDE)["enabled"], message="the place to be enabled")
        self.assertTrue(self.control(APPLY)["enabled"])
        self.key("alt+l")
        self.type_text("95")
        self.retype(LONGITUDE, "13.4")
        self.click_control(APPLY)
        balloon = self.wait_for(self.balloons, message="a balloon on the latitude")[0]
        self.save_state("refused")
        self.assertEqual(balloon["text"], "纬度应在 -90 到 90 之间")
        field = self.control(LATITUDE)["rect"]
        self.assertLess(abs(centre(balloon["rect"])[0] - centre(field)[0]), rect_size(balloon["rect"])[0] // 2 + 2,
                        "the balloon points at the field")
        self.assertEqual(self.program.config(), STORED, "nothing invalid is written")
        self.assertIsNotNone(find_window(self.windows(), visible=True, **SHEET), "the window stays open")

        self.retype(LATITUDE, "52.52")
        self.wait_for(lambda: not self.balloons(), message="the balloon to go once the field changes")
        self.click_control(OK)
        self.wait_no_window(visible=True, **SHEET)
        values = {(s, k): v for s, k, v in self.program.config_entries()}
        self.assertEqual((values[("night", "mode")], values[("night", "latitude")], values[("night", "longitude")]),
                         ("sun", "52.5200", "13.4000"))
        self.assertEqual(values[("night", "start")], "21:00", "the rest as it was")

    def test_the_rest_page_writes_only_what_changed_and_refuses_an_invalid_value(self):
        self.open_options()
        self.click_control(KELVIN_TEXT)  # a label: the sheet has the keyboard and nothing changes
        self.turn_to("ctrl+shift+Tab", "休息")
        self.assertFalse(self.control(EYE_BREAK_MINUTES)["enabled"], "eye breaks are off")
        self.assertFalse(self.control(WORK_FROM)["enabled"], "every hour counts")
        self.save_state("rest")

        # By the keyboard: the mnemonics of "提前通知(&N)", the eye break's and working hours' check
        # boxes and "全屏时推迟(&H)"; then Saturday off with the mouse and Sunday by Tab and Space.
        self.key("alt+n", "End", "BackSpace", "BackSpace")
        self.type_text("5")
        self.key("alt+e", "alt+w", "alt+h")
        self.click_control(SATURDAY)
        self.key("Tab", "space")
        self.wait_for(lambda: self.control(EYE_BREAK_MINUTES)["enabled"] and self.control(WORK_FROM)["enabled"],
                      message="the eye break and the hours to be enabled")
        self.click_control(APPLY)
        balloon = self.wait_for(self.balloons, message="a balloon on the notice")[0]
        self.save_state("rest-refused")
        self.assertEqual(balloon["text"], "提前通知应为 0（不通知）或 10 到 300 秒")
        self.assertIsNone(self.program.config(), "nothing is written while a value is refused")

        self.retype(NOTICE_SECONDS, "0")
        self.wait_for(lambda: not self.balloons(), message="the balloon to go once the field changes")
        self.key("Up")  # from off straight to the shortest notice
        self.wait_for(lambda: self.control(NOTICE_SECONDS)["text"] == "10", message="the notice to step to 10")
        self.click_control(OK)
        self.wait_no_window(visible=True, **SHEET)
        self.assertEqual(dict(((s, k), v) for s, k, v in self.program.config_entries()),
                         {("extra", "notice_seconds"): "10", ("extra", "eye_break_minutes"): "20",
                          ("extra", "eye_break_seconds"): "20", ("extra", "work_hours"): "09:00-18:00",
                          ("extra", "work_days"): "12345", ("extra", "hold_when_busy"): "0"},
                         "only the keys the user changed")



class OptionsAt144DpiTest(OptionsCase):
    OUTPUTS = ((1920, 1080),)  # a screen Windows scales to 150 %

    def test_every_page_scales_and_cancel_closes_without_writing(self):
        self.use_dpi(144)
        sheet = self.open_options()
        self.click_control(KELVIN_TEXT)  # a label: the sheet has the keyboard and nothing changes
        self.turn_to("ctrl+Tab", "常规")
        self.save_state("general-144dpi")
        self.click_control(START_WITH_WINDOWS)
        self.wait_for(lambda: self.control(APPLY)["enabled"], message="Apply once a box is changed")
        self.turn_to("ctrl+Tab", "休息")
        self.save_state("rest-144dpi")
        self.turn_to("ctrl+Tab", "夜间护眼")
        self.save_state("night-144dpi")
        width, height = rect_size(sheet["rect"])
        self.assertGreater(width, 600, "laid out at 144 DPI: %dx%d" % (width, height))

        self.key("Escape")  # Cancel
        self.wait_no_window(visible=True, **SHEET)
        self.assertIsNone(self.program.config(), "Cancel writes nothing")
        self.assertTrue(self.program.running())

    def test_every_page_in_english(self):
        self.use_dpi(144)
        self.sheet = ENGLISH_SHEET
        self.open_options(config=inifile.build({"extra": {"language": "en"}}))
        self.assertEqual(self.pages(), (["General", "Rest", "Night colour"], ["Night colour"]),
                         "the window opens in the language stored")
        self.click_control(KELVIN_TEXT)
        self.save_state("night-144dpi-en")
        for page in ("General", "Rest"):
            self.turn_to("ctrl+Tab", page)
            self.save_state(page.lower() + "-144dpi-en")


class OptionsLanguageTest(OptionsCase):
    def test_english_chosen_on_the_general_page_is_saved_and_spoken_at_once_everywhere(self):
        self.open_options(env={"WINEDEBUG": "+menu"})  # the menu's items, as drawn, in the log
        self.click_control(KELVIN_TEXT)  # a label: the sheet has the keyboard and nothing changes
        self.turn_to("ctrl+Tab", "常规")
        self.assertEqual(self.control(LANGUAGE)["text"], "中文", "no key: Chinese")
        self.click_control(LANGUAGE)  # the list drops down
        self.key("End", "Return")
        self.wait_for(lambda: self.control(APPLY)["enabled"], message="Apply once English is chosen")
        self.click_control(APPLY)

        self.sheet = ENGLISH_SHEET
        self.wait_window(visible=True, **self.sheet)
        self.assertEqual(self.program.config_entries(), [("extra", "language", "en")])
        self.assertEqual(self.pages(), (["General", "Rest", "Night colour"], ["General", "Night colour"]))
        self.assertEqual(self.control(START_WITH_WINDOWS)["text"], "&Start with Windows")
        self.assertEqual(self.control(LANGUAGE)["text"], "English")
        self.assertFalse(self.control(APPLY)["enabled"], "nothing left to apply")
        self.save_state("general-en")
        # Apply, greyed once it has run, took the focus with it: give it to the list (dropped and closed).
        self.click_control(LANGUAGE)
        self.click_control(LANGUAGE)
        self.turn_to("ctrl+Tab", "Rest")
        self.save_state("rest-en")
        self.turn_to("ctrl+Tab", "Night colour")
        self.assertEqual(self.control(KELVIN_TEXT)["text"], "3600 K")
        self.save_state("night-en")

        menu = [text for text, _ in self.tray_menu()]
        self.assertNotIn("选项…", menu, "the tray menu speaks English too: %s" % menu)
        # So does the main window behind: its switches are named by the English captions.
        switches = [w["accessible"]["name"] for w in self.windows()
                    if w["class"] == "VistrelSafeSwitch" and w.get("accessible")]
        self.assertEqual(sorted(switches), ["Breaks", "Colour"])
