"""What a screen reader finds in the main window and its rest panel, through Microsoft Active
Accessibility as the inspector reads it from another process."""

import re
import unittest

import inifile
from harness import E2ETestCase, descendants
from mainwindow import REST, SETTINGS_ICONS, MainWindow

CLIENT, STATIC_TEXT, TEXT, PUSH_BUTTON, CHECK_BUTTON = 10, 41, 42, 43, 44  # ROLE_SYSTEM_*

# By control id (0: the window itself): (name, role). The rest panel is open; the colour feature is
# off, so its settings icon is hidden and left out.
MAIN_WINDOW_ID = 0
EXPECTED = {
    "zh": {
        MAIN_WINDOW_ID: ("Vistrel V1.4", CLIENT),
        101: ("关于", PUSH_BUTTON),
        102: ("最小化", PUSH_BUTTON),
        103: ("退出", PUSH_BUTTON),
        105: ("设置", PUSH_BUTTON),
        106: ("屏幕亮度", CHECK_BUTTON),
        107: ("休息提醒", CHECK_BUTTON),
        109: ("下次时间", STATIC_TEXT),
        201: ("每工作", TEXT),
        202: ("分钟，去休息", TEXT),
        401: ("Back", PUSH_BUTTON),
        402: ("OK", PUSH_BUTTON),
    },
    "en": {
        MAIN_WINDOW_ID: ("Vistrel V1.4", CLIENT),
        101: ("About", PUSH_BUTTON),
        102: ("Minimise", PUSH_BUTTON),
        103: ("Exit", PUSH_BUTTON),
        105: ("Settings", PUSH_BUTTON),
        106: ("Colour", CHECK_BUTTON),
        107: ("Breaks", CHECK_BUTTON),
        109: ("Next rest", STATIC_TEXT),
        201: ("Work", TEXT),
        202: ("min, then rest", TEXT),
        401: ("Back", PUSH_BUTTON),
        402: ("OK", PUSH_BUTTON),
    },
}
DEFAULT_ACTIONS = {"zh": {"switch": "切换", "button": "按下"}, "en": {"switch": "Toggle", "button": "Press"}}
STATE_CHECKED = 0x10


class AccessibilityTest(E2ETestCase):
    def read_main_window(self, language):
        self.start_program(config=inifile.build({"extra": {"language": language}}))
        main = MainWindow.wait(self)
        self.park_mouse()
        main.click(SETTINGS_ICONS[REST])
        self.wait_for(lambda: main.overlay()["visible"], message="the settings overlay")
        windows = self.windows()
        window = main.window(windows)
        controls = {MAIN_WINDOW_ID: window}
        controls.update((w["id"], w) for w in descendants(windows, window) if w["visible"] and w["id"])
        for control_id, control in controls.items():
            self.assertIsNotNone(control.get("accessible"), "control %d has an accessible object" % control_id)
        return {control_id: control["accessible"] for control_id, control in controls.items()}

    def check(self, language):
        found = self.read_main_window(language)
        expected = EXPECTED[language]
        self.assertEqual({i: a["role"] for i, a in found.items() if i in expected},
                         {i: role for i, (_, role) in expected.items()})
        self.assertEqual({i: found[i]["name"] for i in expected}, {i: name for i, (name, _) in expected.items()})
        # The defaults: the colour switch off, the rest switch on; the next rest's time as the value.
        self.assertEqual([bool(found[i]["state"] & STATE_CHECKED) for i in (106, 107)], [False, True])
        self.assertRegex(found[109]["value"], r"^\d{1,2}:\d{2}$")
        actions = DEFAULT_ACTIONS[language]
        self.assertEqual([found[i]["defaultAction"] for i in (101, 105, 106)],
                         [actions["button"], actions["button"], actions["switch"]])
        return found

    def test_in_chinese_every_control_has_its_name_role_and_state(self):
        self.check("zh")

    def test_in_english_every_control_has_a_role_and_the_settled_names(self):
        self.check("en")


if __name__ == "__main__":
    unittest.main()
