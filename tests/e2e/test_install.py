"""The installer and the portable zip as a user meets them.

The installer runs silently (/S, as a deployment tool runs it) in the session's prefix: the
program lands in the user's %LOCALAPPDATA%\\Programs\\Vistrel with a Start-menu shortcut, an
entry among the installed apps and a Run entry. The installed copy then starts as Windows starts
it at logon, in the tray, and keeps its rest schedule; a second silent install upgrades it while
it runs, keeping the user's "开机启动" and bringing the program back, and the uninstaller takes
away everything but the settings. A portable copy elsewhere is none of the installer's business.
"""

import codecs
import os
import re
import subprocess
import unittest
import zipfile
from pathlib import Path

import inifile
from harness import (PROGRAM_NAME, REPO, Program, centre, drawn_menu_items, find_window, find_windows, program_path,
                     rect_size, rect_tuple, windows_build)
from test_rest_reminder import (CONTINUE_WORK, PROMPT_CLASS, RestReminderCase, SteppedClock, find_libfaketime,
                                settings)

CURRENT_VERSION = r"HKCU\Software\Microsoft\Windows\CurrentVersion"
UNINSTALL_KEY = CURRENT_VERSION + r"\Uninstall\Vistrel"
RUN_KEY = CURRENT_VERSION + r"\Run"
APPROVED_KEY = CURRENT_VERSION + r"\Explorer\StartupApproved\Run"
# The tray menu's items after its status line, down to "开机启动".
MENU_ITEMS = ["推迟 5 分钟", "暂停提醒", "全屏时推迟提醒", "离开算作休息", "护眼小憩", "开机启动"]
# The running program's hidden window, which the installer looks for.
TRAY_HOST_CLASS = "Vistrel.TrayHost"
# Task Manager marks a Run entry it disabled with an odd first byte.
DISABLED_MARK = "030000000000000000000000"
# The installer's language on its command line, as a silent install chooses it.
CHINESE, ENGLISH = "/LANG=2052", "/LANG=1033"
# The finish page's picture frame (its control id), the pictures it may show and a colour of them.
WIZARD_PICTURE_ID = 1200
WIZARD_ART = REPO / "packaging" / "art"
CLOCK_ORANGE = (245, 124, 0)
CJK = re.compile("[\u4e00-\u9fff]")


def project_version():
    cache = windows_build() / "CMakeCache.txt"
    match = re.search(r"^CMAKE_PROJECT_VERSION:\w+=(.+)$", cache.read_text(errors="replace"), re.M)
    return match.group(1).strip() if match else None


def package_path(kind):
    """A built package: kind "setup.exe" or "portable.zip"."""
    return windows_build() / "packaging" / ("Vistrel-%s-%s" % (project_version(), kind))


class PortableZipTest(unittest.TestCase):
    def test_holds_the_program_and_a_note_on_where_settings_go(self):
        if not package_path("portable.zip").exists():
            self.skipTest("the portable zip is not built: %s" % package_path("portable.zip"))
        with zipfile.ZipFile(package_path("portable.zip")) as archive:
            self.assertEqual(sorted(archive.namelist()), ["portable.txt", PROGRAM_NAME])
            self.assertEqual(archive.read(PROGRAM_NAME), program_path().read_bytes())
            note = archive.read("portable.txt")
        # Notepad on any Windows reads it as UTF-8 with its line ends.
        self.assertTrue(note.startswith(codecs.BOM_UTF8))
        self.assertNotIn(b"\n", note.replace(b"\r\n", b""))
        text = note.decode("utf-8-sig")
        for needed in (project_version(), "%APPDATA%\\Vistrel", "开机启动"):
            self.assertIn(needed, text)


class InstallTest(RestReminderCase):
    def setUp(self):
        super().setUp()
        if not package_path("setup.exe").exists():
            self.skipTest("the installer is not built: %s" % package_path("setup.exe"))
        users = [p for p in (Path(self.session.prefix.path) / "drive_c" / "users").iterdir() if p.name != "Public"]
        self.assertEqual(len(users), 1, users)
        profile, user = users[0], users[0].name
        self.install_dir = profile / "AppData" / "Local" / "Programs" / "Vistrel"
        self.windows_dir = "C:\\users\\%s\\AppData\\Local\\Programs\\Vistrel" % user
        self.windows_exe = self.windows_dir + "\\" + PROGRAM_NAME
        self.shortcut = profile / "AppData" / "Roaming" / "Microsoft" / "Windows" / "Start Menu" / "Programs" / "Vistrel.lnk"
        self.roaming_settings = profile / "AppData" / "Roaming" / "Vistrel"
        # The prefix serves the whole run: leave it as found, whatever happens here.
        self.addCleanup(self._remove_installation)

    def _remove_installation(self):
        self.session.end_processes()
        for args in (("delete", UNINSTALL_KEY, "/f"), ("delete", RUN_KEY, "/v", "Vistrel", "/f"),
                     ("delete", APPROVED_KEY, "/v", "Vistrel", "/f")):
            try:
                self.session.wine_reg(*args)
            except subprocess.CalledProcessError:
                pass  # not there
        for path in (self.install_dir, self.roaming_settings):
            if path.exists():
                for child in path.iterdir():
                    child.unlink()
                path.rmdir()
        if self.shortcut.exists():
            self.shortcut.unlink()

    # --- helpers -------------------------------------------------------------------------------

    def program_log(self):
        return self.artifacts / "program.log"

    def run_wine(self, *args):
        """Runs `wine args...` to its end and returns its exit code."""
        with open(self.artifacts / "installer.log", "ab") as log:
            return subprocess.run(["wine"] + [str(a) for a in args], env=self.session.env(), stdin=subprocess.DEVNULL,
                                  stdout=log, stderr=subprocess.STDOUT, timeout=180).returncode

    def run_value(self):
        return (self.session.reg_values(RUN_KEY) or {}).get("Vistrel")

    def approved_values(self):
        return self.session.reg_values(APPROVED_KEY) or {}

    def start_installed(self):
        """Starts the installed copy as its Run entry does, on the stepped clock, tracing its menus."""
        env = self.session.env()
        env.update(self.clock.env(), WINEDEBUG="+menu")
        with open(self.program_log(), "ab") as log:
            process = subprocess.Popen(["wine", self.windows_exe, "--tray"], cwd=self.install_dir, env=env,
                                       stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                                       start_new_session=True)
        self.addCleanup(self._end, process)
        self.program = Program(self.install_dir, process)
        self.wait_for(self.tray_icons, message="the installed program's tray icon")

    def prefix_processes(self):
        """{pid: arguments} of the processes of this prefix; a Windows process's first argument is
        its executable's Windows path."""
        wanted = ("WINEPREFIX=%s" % self.session.prefix.path).encode()
        found = {}
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                environment = Path("/proc", pid, "environ").read_bytes().split(b"\0")
                command = Path("/proc", pid, "cmdline").read_bytes()
            except OSError:
                continue  # gone, or not ours to read
            if wanted in environment:
                found[int(pid)] = [a.decode(errors="replace") for a in command.split(b"\0") if a]
        return found

    def uninstaller_copies(self):
        """Processes running the uninstaller's temporary copy: uninstall.exe copies itself to
        %TEMP%\\~nsu*.tmp, starts that copy and returns at once."""
        return [pid for pid, args in self.prefix_processes().items() if "\\~nsu" in " ".join(args)]

    def installed_copies(self):
        """The arguments of each running copy of the installed program."""
        return [args[1:] for args in self.prefix_processes().values()
                if args and args[0].lower() == self.windows_exe.lower()]

    def run_uninstaller(self):
        self.assertEqual(self.run_wine(self.windows_dir + "\\uninstall.exe", "/S"), 0)
        self.wait_for(lambda: not self.uninstaller_copies(), 60, "the uninstaller's copy to end")

    def tray_menu_items(self):
        """(text, checked) of each menu item the program drew, in the order drawn (the program
        runs with WINEDEBUG=+menu)."""
        return drawn_menu_items(self.program_log())

    def toggle_autostart(self, screenshot=None):
        """Opens the tray menu and chooses "开机启动" with the keyboard; returns the items down to
        it as the menu showed them."""
        shown = len(MENU_ITEMS) + 1  # the first line, then the items down to "开机启动"
        drawn = len(self.tray_menu_items())
        self.click_tray_icon(button=3)
        self.wait_for(lambda: len(self.tray_menu_items()) >= drawn + shown, 10, "the tray menu")
        if screenshot:
            self.screenshot(screenshot)
        items = self.tray_menu_items()[drawn:drawn + shown]
        self.key(*(["Down"] * shown), "Return")
        return items

    def installed_settings(self):
        path = self.install_dir / "config.ini"
        return path.read_bytes() if path.exists() else b""

    def start_installed_plainly(self):
        """Starts the installed copy in the tray on the real clock, tracing its menus."""
        process = self.session.start_wine([self.windows_exe, "--tray"], cwd=self.install_dir,
                                          log_path=self.program_log(), env={"WINEDEBUG": "+menu"})
        self.program = Program(self.install_dir, process)
        self.wait_for(self.tray_icons, message="the installed program's tray icon")

    def temp_folder(self):
        """The user's %TEMP% (AppData\\Local\\Temp, or Temp in older Wine)."""
        profile = self.install_dir.parents[3]
        return next(p for p in (profile / "AppData" / "Local" / "Temp", profile / "Temp") if p.is_dir())

    def wizard_picture(self):
        """The finish page's picture frame, once it shows, in whichever process shows it."""
        def frame():
            return next((w for w in self.all_windows() if w["id"] == WIZARD_PICTURE_ID and w["visible"]), None)
        return self.wait_for(frame, 60, "a finish page")

    def check_wizard_picture(self, scale_folder, screenshot):
        """The finish page shows Vistrel's picture, and the installer took the one drawn for the
        screen's density (from its own temporary folder, as the page loads it)."""
        picture = self.wizard_picture()
        self.screenshot(screenshot)
        width, height = rect_size(picture["rect"])
        orange = self.grab().count(rect_tuple(picture["rect"]), CLOCK_ORANGE, tolerance=12)
        self.assertGreater(orange, width * height // 100, "the icon's clock in the picture")
        drawn = {p.read_bytes(): str(p.relative_to(WIZARD_ART)) for p in WIZARD_ART.glob("**/wizard.bmp")}
        loaded = [drawn.get(p.read_bytes(), p.name) for p in self.temp_folder().glob("*/modern-wizard.bmp")]
        self.assertEqual(loaded, [str(Path(scale_folder) / "wizard.bmp")])

    # --- the tests -----------------------------------------------------------------------------

    def test_finish_pages_show_vistrels_picture_drawn_for_the_screens_density(self):
        setup = package_path("setup.exe")
        key = r"HKCU\Control Panel\Desktop"
        self.addCleanup(self.session.wine_reg, "delete", key, "/v", "LogPixels", "/f")
        for dpi, scale_folder in ((96, "."), (144, "150")):
            self.session.wine_reg("add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", dpi, "/f")
            installer = self.session.start_wine([setup, CHINESE], log_path=self.artifacts / "installer.log")
            # The components page, then the folder's (its path field): the finish page follows the
            # installation.
            self.next_page(setup.name, "SysTreeView32", "Edit")
            self.wizard_keys(setup.name, "alt+i")  # "安装(&I)"
            self.check_wizard_picture(scale_folder, "finish-page-%d-dpi" % dpi)
            # "Run Vistrel" off (it has the focus), then "Finish".
            self.key("space", "Return")
            self.assertIsNotNone(installer.wait(30), "the installer ended")
        # The uninstaller's finish page, at 144 DPI still, in the language the program was set to.
        (self.install_dir / "config.ini").write_bytes(b"[extra]\r\nlanguage=zh\r\n")
        self.session.start_wine([self.windows_dir + "\\uninstall.exe"], log_path=self.artifacts / "installer.log")
        path = self.wait_for(lambda: find_window(self.all_windows(), cls="Edit", visible=True), 60, "the uninstaller")
        self.move(*centre(path["rect"]))
        self.key("Return")
        self.check_wizard_picture("150", "uninstall-finish-page-144-dpi")
        texts = [w["text"] for w in self.all_windows() if w["visible"] and w["class"] == "Static"]
        self.assertTrue([t for t in texts if CJK.search(t)], texts)
        self.key("Return")
        self.wait_for(lambda: not self.uninstaller_copies(), 30, "the uninstaller to end")

    def wizard_keys(self, process, *keys):
        """Keys for the wizard of `process`, with the pointer over it: with no window manager the
        keyboard goes to the window under the pointer."""
        wizard = self.wait_for(lambda: find_window(self.windows(process), cls="#32770", visible=True), 30,
                               "the wizard")
        self.move(*centre(wizard["rect"]))
        self.key(*keys)

    def next_page(self, process, on_page, on_next_page):
        """"下一步(&N)" on the page with a window of class `on_page`, until the next page's shows: a
        key that comes while the wizard still builds its page goes nowhere, so it is given again."""
        self.wait_window(process=process, cls=on_page, visible=True)
        for _ in range(3):
            self.wizard_keys(process, "alt+n")
            try:
                return self.wait_window(10, process=process, cls=on_next_page, visible=True)
            except AssertionError:
                if not find_window(self.windows(process), cls=on_page, visible=True):
                    raise
        self.fail("the wizard did not leave its page")

    def test_the_installers_language_is_the_programs_until_the_user_chooses(self):
        setup = package_path("setup.exe")
        language = lambda: inifile.value(self.installed_settings(), "extra", "language")  # noqa: E731

        # An English first install starts the program in English.
        self.assertEqual(self.run_wine(setup, "/S", ENGLISH), 0)
        self.assertEqual(language(), "en")
        self.start_installed_plainly()
        self.click_tray_icon(button=3)
        self.wait_for(self.tray_menu_items, 10, "the tray menu")
        self.screenshot("tray-menu-english")
        self.key("Escape")
        chinese = [text for text, _ in self.tray_menu_items() if CJK.search(text)]
        self.assertEqual(chinese, [], "the tray menu in English")
        self.session.end_processes()

        # The user chose Chinese in the program since: an English upgrade keeps it.
        (self.install_dir / "config.ini").write_bytes(settings() + b"[extra]\r\nlanguage=zh\r\n")
        self.assertEqual(self.run_wine(setup, "/S", ENGLISH), 0)
        self.assertEqual(language(), "zh")

        # A Chinese install writes nothing, and an English upgrade of it leaves the program as it was.
        self.run_uninstaller()
        (self.install_dir / "config.ini").unlink()
        self.assertEqual(self.run_wine(setup, "/S", CHINESE), 0)
        self.assertFalse((self.install_dir / "config.ini").exists(), "no settings written")
        self.assertEqual(self.run_wine(setup, "/S", ENGLISH), 0)
        self.assertFalse((self.install_dir / "config.ini").exists(), "no settings written")

    def test_silent_install_runs_in_the_tray_upgrades_in_place_and_uninstalls_keeping_the_settings(self):
        # The server keeps the real clock; only the program runs on the stepped one.
        subprocess.run(["wineserver", "-p"], env=self.session.env(), stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
        setup = package_path("setup.exe")
        run_command = '"%s" --tray' % self.windows_exe
        uninstaller = '"%s\\uninstall.exe"' % self.windows_dir

        # A silent install: the files, the shortcut, the apps entry and "start with Windows".
        self.assertEqual(self.run_wine(setup, "/S", CHINESE), 0)
        self.assertEqual((self.install_dir / PROGRAM_NAME).read_bytes(), program_path().read_bytes())
        self.assertEqual(sorted(p.name for p in self.install_dir.iterdir()), ["uninstall.exe", PROGRAM_NAME])
        self.assertTrue(self.shortcut.is_file(), "the Start-menu shortcut")
        entry = self.session.reg_values(UNINSTALL_KEY)
        size = entry.pop("EstimatedSize", None)
        self.assertEqual(entry, {"DisplayName": "Vistrel", "DisplayVersion": project_version(), "Publisher": "Vistrel",
                                 "DisplayIcon": self.windows_exe + ",0", "UninstallString": uninstaller,
                                 "QuietUninstallString": uninstaller + " /S", "InstallLocation": self.windows_dir,
                                 "NoModify": 1, "NoRepair": 1})
        program_kb = program_path().stat().st_size // 1024
        self.assertTrue(program_kb < size < program_kb + 1024, "the program and the uninstaller in KB: %r" % size)
        self.assertEqual(self.run_value(), run_command)

        # Started as the Run entry starts it: the tray icon, no window, and the rest on time.
        (self.install_dir / "config.ini").write_bytes(settings())
        self.clock = SteppedClock(find_libfaketime(), self.artifacts / "clock.rc", start_second=5)
        self.start_installed()
        self.assertEqual(find_windows(self.windows(), visible=True), [], "no window of the program shows")
        prompt = self.wait_for_due_prompt()
        self.assertEqual(prompt["text"], "你有 1 分钟休息时间")
        self.click_label(prompt, CONTINUE_WORK)
        self.wait_no_window(cls=PROMPT_CLASS, visible=True, timeout=10)

        # "开机启动" in the tray menu turns the installer's Run entry off and writes it back alike.
        items = self.toggle_autostart(screenshot="tray-menu")
        self.assertEqual([text for text, _ in items[1:]], MENU_ITEMS)
        self.assertTrue(items[-1][1], "checked: the installer's entry is the program's own")
        self.wait_for(lambda: self.run_value() is None, 10, "the Run entry removed")
        self.assertEqual(self.toggle_autostart()[-1], ("开机启动", False))
        self.wait_for(lambda: self.run_value() == run_command, 10, "the Run entry written again")

        # A second silent install while the program runs, its entry disabled in Task Manager: it
        # ends the program the way its "Exit" does, replaces it, keeps its settings and the user's
        # choice, and starts it again as Windows would. The entry, still this program's though
        # spelt in other case, is off, so it is left exactly as it was.
        disabled_command = '"%s" --tray' % self.windows_exe.upper()
        self.session.wine_reg("add", RUN_KEY, "/v", "Vistrel", "/d", disabled_command, "/f")
        self.session.wine_reg("add", APPROVED_KEY, "/v", "Vistrel", "/t", "REG_BINARY", "/d", DISABLED_MARK, "/f")
        self.assertEqual(self.run_wine(setup, "/S", CHINESE), 0)
        self.assertIsNotNone(self.program.wait_exit(10), "the running copy was closed")
        self.assertEqual(inifile.value(self.program.config(), "dsxx", "mei"), "1", "the settings kept")
        self.assertGreater(len(self.program.config_entries()), len(inifile.entries(settings())),
                           "and completed by the program's own exit")
        self.assertEqual(sorted(p.name for p in self.install_dir.iterdir()),
                         ["config.ini", "history.csv", "uninstall.exe", PROGRAM_NAME])
        self.assertEqual(self.run_value(), disabled_command)
        self.assertEqual(self.approved_values().get("Vistrel"), DISABLED_MARK, "still disabled")
        self.wait_for(lambda: self.installed_copies() == [["--tray"]], 10, "the program started again in the tray")
        self.wait_for(self.tray_icons, 20, "its tray icon")

        # The silent uninstall ends the running copy and leaves only the settings and the history.
        self.roaming_settings.mkdir(parents=True, exist_ok=True)
        (self.roaming_settings / "config.ini").write_bytes(settings(work="45"))
        self.run_uninstaller()
        self.wait_for(lambda: not self.installed_copies(), 10, "the running copy to close")
        self.assertEqual(sorted(p.name for p in self.install_dir.iterdir()), ["config.ini", "history.csv"])
        self.assertEqual(inifile.value(self.program.config(), "dsxx", "mei"), "1")
        self.assertFalse(self.shortcut.exists(), "the shortcut removed")
        self.assertIsNone(self.run_value())
        self.assertNotIn("Vistrel", self.approved_values())
        self.assertIsNone(self.session.reg_values(UNINSTALL_KEY))
        self.assertEqual((self.roaming_settings / "config.ini").read_bytes(), settings(work="45"))

        # A portable copy running elsewhere is not the installation's: installing, upgrading and
        # uninstalling leave it running, an upgrade still replaces the installed program, and the
        # copy's own Run entry stays.
        portable = self.start_program(settings())
        self.wait_window(cls=TRAY_HOST_CLASS)
        self.assertEqual(self.run_wine(setup, "/S", CHINESE), 0)
        portable_command = '"Z:%s" --tray' % str(portable.app_dir / PROGRAM_NAME).replace("/", "\\")
        self.session.wine_reg("add", RUN_KEY, "/v", "Vistrel", "/d", portable_command, "/f")
        (self.install_dir / PROGRAM_NAME).write_bytes(b"an earlier version")
        self.assertEqual(self.run_wine(setup, "/S", CHINESE), 0)
        self.assertEqual((self.install_dir / PROGRAM_NAME).read_bytes(), program_path().read_bytes())
        self.assertEqual(self.run_value(), portable_command, "the portable copy's entry kept")
        self.run_uninstaller()
        self.assertEqual(sorted(p.name for p in self.install_dir.iterdir()), ["config.ini", "history.csv"])
        self.assertEqual(self.run_value(), portable_command, "the portable copy's entry kept")
        self.assertTrue(portable.running(), "the portable copy left running")


if __name__ == "__main__":
    unittest.main()
