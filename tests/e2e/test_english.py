"""The program in English (`[extra]` `language=en`): the main window's texts and tooltips, a message
box, and captions that fit their fixed places at 96, 144 and 192 DPI (screenshots kept for the eye)."""

import inifile
from harness import centre, find_window, find_windows
from mainwindow import CAPTIONS, COLOUR, IMAGE_ABOUT, REST, MainWindow, in_top_strip
from test_main_window import NEUTRAL_COLOURS, MainWindowTestCase


def english(colour_on="0"):
    return inifile.build({"dsxx": {"mei": "30", "xiuxi": "5", "pdrun": "1"},
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
        self.park_mouse()
        self.assert_captions_fit(main, "96dpi")

    def test_captions_fit_at_144_and_192_dpi(self):
        for dpi in (144, 192):
            with self.subTest(dpi=dpi):
                self.use_dpi(dpi)
                program = self.start_program(config=english())
                main = MainWindow.wait(self, dpi=dpi)
                self.park_mouse()
                self.assert_captions_fit(main, "%ddpi" % dpi)
                main.exit(program)

    def assert_captions_fit(self, main, name):
        """A clipped caption leaves ink in the last columns of its box; a caption that fits does not."""
        self.save_state(name)
        shot = self.grab()
        for feature in (COLOUR, REST):
            left, top, right, bottom = main.screen_rect(CAPTIONS[feature])
            ink = [p for p in shot.pixels((right - 3, top, right, bottom)) if min(p) < 150]  # black or green
            self.assertEqual(ink, [], "caption %d at %s" % (feature, name))
