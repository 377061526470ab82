"""Settings when the program's folder cannot be written, as an ordinary user sees it: they go to
%APPDATA%\\Vistrel and survive a restart; with that folder read-only too, the user is told once
and the program runs on."""

import os
import shutil
import unittest

import inifile
import test_colour as colour
import unprivileged
from harness import PROGRAM_NAME, centre, find_window, find_windows
from mainwindow import REST, SETTINGS_ICONS

NOT_SAVED = "设置无法保存"


def settings():
    return inifile.build({"dsxx": {"mei": "30", "xiuxi": "5", "pdrun": "1"},
                          "eye": {"pdrun": "1", "liangdu": "-50", "duibidu": "100", "rgbr": "0", "rgbg": "0",
                                  "rgbb": "0"}})


class ReadOnlyFolderTest(colour.ColourTestCase):
    def setUp(self):
        reason = unprivileged.skip_reason()
        if reason:
            self.skipTest(reason)
        super().setUp()
        self.session = unprivileged.get_session(self.session)
        shutil.rmtree(self.session.roaming / "Vistrel", ignore_errors=True)
        self.addCleanup(os.chmod, self.session.roaming, 0o755)

    def read_only_app_dir(self):
        """The program, its settings and its backup file in a folder of root's the user may only read."""
        app_dir = self.make_app_dir(settings(), colour.backup_file(colour.LINEAR))
        for name in os.listdir(app_dir):
            os.chmod(app_dir / name, 0o444 if name != PROGRAM_NAME else 0o555)
        os.chmod(app_dir, 0o555)
        self.addCleanup(os.chmod, app_dir, 0o755)
        return app_dir

    @staticmethod
    def program_folder(app_dir):
        """What the folder holds, less the log the harness itself writes there."""
        return {name: (app_dir / name).read_bytes() for name in os.listdir(app_dir) if name != "wine.log"}

    def run_program(self, app_dir):
        self.program = self.start_program(app_dir=app_dir)
        return self.wait_main()

    def user_config(self):
        path = self.session.roaming / "Vistrel" / "config.ini"
        return path.read_bytes() if path.exists() else None

    def rest_minute_boxes(self):
        self.main.click(SETTINGS_ICONS[REST])
        self.wait_for(lambda: self.main.overlay()["visible"], message="the settings overlay")
        return sorted(find_windows(self.windows(), cls="Edit", visible=True), key=lambda box: box["rect"]["left"])

    def test_settings_go_to_the_users_folder_start_from_the_programs_and_survive_a_restart(self):
        app_dir = self.read_only_app_dir()
        before = self.program_folder(app_dir)
        self.run_program(app_dir)
        self.assertIsNone(find_window(self.windows(), cls=colour.MESSAGE_BOX), "no warning: the user's folder saves")
        self.open_colour_panel()
        self.assert_sliders([-50, 100, 0, 0, 0], "the settings beside the program are the starting values")
        self.keys_on_panel("Tab", "Next")
        self.assert_sliders([-45, 100, 0, 0, 0], "PageDown on brightness")
        self.close_with_back()
        work, _ = self.rest_minute_boxes()
        self.click(*centre(work["rect"]))
        self.key("End", "BackSpace", "BackSpace")
        self.type_text("25")
        self.wait_for(lambda: find_window(self.windows(), hwnd=work["hwnd"])["text"] == "25", message="typed text")
        self.close_with_back()
        self.exit_through_exit_image()

        saved = self.user_config()
        self.assertIsNotNone(saved, "config.ini in %APPDATA%\\Vistrel")
        self.assertEqual([inifile.value(saved, "dsxx", "mei"), inifile.value(saved, "eye", "liangdu")], ["25", "-45"])
        self.assertEqual(self.program_folder(app_dir), before,
                         "nothing written beside the program")

        self.run_program(app_dir)
        self.open_colour_panel()
        self.assert_sliders([-45, 100, 0, 0, 0], "the saved colours after a restart")
        self.close_with_back()
        self.assertEqual(self.rest_minute_boxes()[0]["text"], "25", "the saved minutes after a restart")
        self.save_state("restarted")
        self.close_with_back()
        self.exit_through_exit_image()

    def test_with_both_folders_read_only_the_user_is_told_once_and_the_program_runs_on(self):
        os.chmod(self.session.roaming, 0o555)
        app_dir = self.read_only_app_dir()
        self.run_program(app_dir)
        box, texts = self.wait_message_box("Vistrel")
        self.save_state("warning")
        self.assertTrue(texts and texts[0].startswith(NOT_SAVED), texts)
        self.assertIn("Vistrel", texts[0], "names the per-user folder it tried")
        self.dismiss(box)

        # Changes go on working; the exit sequence's failed writes raise no second box.
        work, _ = self.rest_minute_boxes()
        self.click(*centre(work["rect"]))
        self.type_text("9")
        self.close_with_back()
        self.exit_through_exit_image()
        self.assertFalse((self.session.roaming / "Vistrel").exists())
        self.assertEqual(inifile.value((app_dir / "config.ini").read_bytes(), "dsxx", "mei"), "30")


if __name__ == "__main__":
    unittest.main()
