"""The program in English (`[extra]` `language=en`): a message box, a tooltip, and captions that fit
their fixed places at 96, 144 and 192 DPI (screenshots kept for the eye)."""

import inifile
from harness import centre, find_window, find_windows
from mainwindow import CAPTIONS, COLOUR, IMAGE_ABOUT, REST, SETTINGS_ICONS, MainWindow, in_top_strip
from test_main_window import NEUTRAL_COLOURS, MainWindowTestCase


def english(colour_on="0", rest_on="1"):
    return inifile.build({"dsxx": {"mei": "30", "xiuxi": "5", "pdrun": rest_on},
                          "eye": dict(NEUTRAL_COLOURS, pdrun=colour_on), "extra": {"language": "en"}})


class EnglishTest(MainWindowTestCase):
    def test_the_backup_box_and_the_tooltips_speak_english(self):
        self.program = self.start_program(config=english(colour_on="1"))
        box = self.wait_window(cls="#32770", text="tips", visible=True)
        texts = [w["text"] for w in find_windows(self.windows(), parent=box["hwnd"])]
        self.assertIn("No backup data was found", texts)
        self.save_state("message")
        self.click(*centre(find_window(self.windows(), parent=box["hwnd"], cls="Button")["rect"]))
        self.wait_no_window(cls="#32770", visible=True)

        main = self.main = MainWindow.wait(self)
        self.move(*main.point(in_top_strip(IMAGE_ABOUT)))
        tip = self.wait_for(lambda: find_windows(self.windows(), cls="tooltips_class32", visible=True),
                            message="the about image's tooltip")[0]
        self.assertEqual(tip["text"], "About")
        self.save_state("tooltip")
        main.click(SETTINGS_ICONS[COLOUR])
        self.park_mouse()
        self.wait_for(lambda: main.overlay()["visible"], 10, "the colour panel")
        self.save_state("colour-panel")  # for the eye: its headings and labels in English

    # Both features off: no settings icon is drawn where an overlong caption would run.
    def test_captions_end_before_the_settings_icons_at_96_dpi(self):
        self.assert_captions_fit(96)

    def test_captions_end_before_the_settings_icons_at_144_dpi(self):
        self.assert_captions_fit(144)

    def test_captions_end_before_the_settings_icons_at_192_dpi(self):
        self.assert_captions_fit(192)

    def assert_captions_fit(self, dpi):
        if dpi != 96:
            self.use_dpi(dpi)
        self.program = self.start_program(config=english(rest_on="0"))
        main = MainWindow.wait(self, dpi=dpi)
        self.park_mouse()
        self.save_state("%ddpi" % dpi)
        shot = self.grab()
        for feature in (COLOUR, REST):
            _, top, right, bottom = main.screen_rect(CAPTIONS[feature])
            icon_left = main.screen_rect(SETTINGS_ICONS[feature])[0]
            ink = [p for p in shot.pixels((icon_left, top, right, bottom)) if min(p) < 150]
            self.assertEqual(ink, [], "caption %d runs into its settings icon's place" % feature)
        main.exit(self.program)
