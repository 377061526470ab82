"""The harness itself, proved on Wine's own notepad: the inspector, input, screenshots, fonts, gamma."""

import shutil
import tempfile
import unittest
from pathlib import Path

import xgamma
from harness import E2ETestCase, centre, descendants, find_window, find_windows, rect_tuple


class InspectorOnNotepadTest(E2ETestCase):
    def start_notepad(self, *args):
        self.start_wine("notepad", *args)
        return self.wait_window(process="notepad.exe", cls="Notepad", visible=True)

    def edit_box(self, notepad):
        return find_window(self.windows("notepad.exe"), cls="Edit", parent=notepad["hwnd"])

    def test_lists_a_window_with_its_children_places_and_styles(self):
        notepad = self.start_notepad()
        self.assertEqual(notepad["parent"], 0)
        self.assertEqual(notepad["text"], "Untitled - Notepad")
        self.assertNotEqual(notepad["style"] & 0x00C00000, 0, "a framed window has WS_CAPTION")
        self.assertFalse(notepad["topmost"])
        self.assertIsNone(notepad["alpha"])

        edit = self.edit_box(notepad)
        self.assertIsNotNone(edit, "notepad's edit box is listed as its child")
        self.assertIn(edit, descendants(self.windows("notepad.exe"), notepad))
        self.assertNotEqual(edit["style"] & 0x40000000, 0, "the edit box is a WS_CHILD")
        outer, inner = notepad["rect"], notepad["client"]
        self.assertTrue(outer["left"] <= inner["left"] < inner["right"] <= outer["right"])
        self.assertTrue(outer["top"] < inner["top"] < inner["bottom"] <= outer["bottom"])

        # The screenshot shows the real window: the edit box's inside is white.
        shot = self.grab()
        x, y = centre(edit["client"])
        self.assertEqual(shot.pixel(x, y), (255, 255, 255))
        self.assertGreater(self.screenshot("notepad").stat().st_size, 1000)

    def test_typed_text_reaches_the_window_and_is_read_back(self):
        notepad = self.start_notepad()
        self.click(*centre(self.edit_box(notepad)["client"]))
        self.type_text("hello e2e")
        self.wait_for(lambda: self.edit_box(notepad)["text"] == "hello e2e", message="typed text in notepad")

    def test_process_filter_and_chinese_titles(self):
        folder = Path(tempfile.mkdtemp(prefix="vistrel-notepad-"))
        self.addCleanup(shutil.rmtree, folder, True)
        document = folder / "测试 '引号'.txt"
        document.write_text("x")
        notepad = self.start_notepad("Z:" + str(document).replace("/", "\\"))
        self.assertTrue(notepad["text"].startswith(document.name), notepad["text"])

        everything = self.all_windows()
        self.assertTrue(find_windows(everything, process="explorer.exe"), "other processes are listed too")
        only = self.windows("NOTEPAD.EXE")  # Windows names compare without case
        self.assertTrue(only)
        self.assertEqual({w["process"].lower() for w in only}, {"notepad.exe"})
        self.assertEqual(self.windows("no-such-program.exe"), [])


class WineSetupTest(E2ETestCase):
    def test_a_cjk_font_is_visible_to_wine(self):
        fonts = {entry["font"] for entry in self.session.inspect("--fonts")}
        self.assertIn("Noto Sans CJK SC", fonts, "install fonts-noto-cjk so Chinese texts can be drawn")

    def test_the_gamma_ramp_can_be_set_and_read_back(self):
        self.require_gamma()
        dimmed = [v // 2 for v in xgamma.identity_ramp()]
        self.set_gamma(dimmed, xgamma.identity_ramp(), [65535] * 256)
        red, green, blue = self.gamma()
        self.assertEqual(red, xgamma.as_stored(dimmed))
        self.assertEqual(green, xgamma.identity_ramp())
        self.assertEqual(blue, [65535] * 256)

    def test_the_screen_is_one_1280_by_800_monitor(self):
        shot = self.grab()
        self.assertEqual((shot.width, shot.height), (1280, 800))
        monitors = self.session.inspect("--monitors")
        self.assertEqual([(rect_tuple(m["monitor"]), m["primary"]) for m in monitors], [((0, 0, 1280, 800), True)])


if __name__ == "__main__":
    unittest.main()
