"""Wine prefixes for tests: one template per Wine version, built once, and a fresh copy per run.

`wineboot -i` takes about ten seconds; copying the finished template takes about one.
"""

import os
import shutil
import subprocess
import tempfile

# Tests must never wait on installer prompts or menu entries for the desktop.
DLL_OVERRIDES = "mscoree,mshtml=;winemenubuilder.exe=d"

# Windows links its dialog font to a Chinese face, so system-drawn texts (message boxes, captions)
# show Chinese; Wine links to SimSun, which a Linux machine lacks: stand the installed CJK face in.
# A crashing program must end rather than leave a debugger dialog on the screen;
# winedbg then prints the backtrace into the program's own log.
REGISTRY_SETTINGS = """REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\DllOverrides]
"winemenubuilder.exe"=""

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"SimSun"="Noto Sans CJK SC"
"""


class WinePrefixError(RuntimeError):
    pass


def wine_version():
    try:
        out = subprocess.run(["wine", "--version"], capture_output=True, text=True, timeout=60)
    except FileNotFoundError:
        raise WinePrefixError("wine is not installed")
    return out.stdout.strip() or "unknown"


def wine_env(prefix, display=None, base=None):
    env = dict(base if base is not None else os.environ)
    env.update(WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES=DLL_OVERRIDES, WINEARCH="win64")
    if display:
        env["DISPLAY"] = display
    return env


def _pid_alive(pid):
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    except PermissionError:
        return True
    return True


def initialise(run, scratch):
    """Makes a new prefix ready for tests: wineboot, the test settings, and a settled wineserver.
    run(command, what) runs a command in the prefix; scratch is a folder Wine may read."""
    run(["wineboot", "-i"], "wineboot -i")
    reg = os.path.join(scratch, "tests.reg")
    with open(reg, "w") as f:
        f.write(REGISTRY_SETTINGS)
    os.chmod(reg, 0o644)  # the prefix's user may be someone else
    try:
        run(["wine", "regedit", "/S", "Z:" + reg.replace("/", "\\")], "regedit")
    finally:
        os.remove(reg)
    run(["wineserver", "-w"], "wineserver -w")


class WinePrefix:
    """A throwaway prefix under work_dir; remove() stops its wineserver and deletes it. A name
    tells apart the prefixes of one test run."""

    def __init__(self, work_dir, display=None, name=None):
        self.work_dir = os.path.abspath(work_dir)
        self.display = display
        self.name = name
        self.path = None

    def env(self, **extra):
        env = wine_env(self.path, self.display)
        env.update(extra)
        return env

    def create(self):
        os.makedirs(self.work_dir, exist_ok=True)
        self._remove_stale_runs()
        template = self._template()
        self.path = os.path.join(self.work_dir, "run-%d" % os.getpid() + ("-" + self.name if self.name else ""))
        shutil.rmtree(self.path, ignore_errors=True)
        subprocess.run(["cp", "-a", template, self.path], check=True)
        return self

    def _template(self):
        version = wine_version().replace(" ", "_").replace("/", "_")
        template = os.path.join(self.work_dir, "template-2-" + version)  # bump when the settings change
        if os.path.isdir(os.path.join(template, "drive_c")):
            return template
        # Built aside and renamed into place, so a parallel run never sees half a template.
        staging = tempfile.mkdtemp(prefix="staging-", dir=self.work_dir)
        try:
            env = wine_env(staging, self.display)
            initialise(lambda command, what: self._run(command, env, what), staging)
            try:
                os.rename(staging, template)
            except OSError:
                pass  # another run finished first; use its template
        finally:
            shutil.rmtree(staging, ignore_errors=True)
        return template

    @staticmethod
    def _run(command, env, what):
        result = subprocess.run(command, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, timeout=300)
        if result.returncode != 0:
            raise WinePrefixError("%s failed (%d): %s" % (what, result.returncode,
                                                         result.stdout.decode(errors="replace")[-2000:]))

    def _remove_stale_runs(self):
        for name in os.listdir(self.work_dir):
            pid = name[4:].split("-", 1)[0]
            if name.startswith("run-") and pid.isdigit() and not _pid_alive(int(pid)):
                shutil.rmtree(os.path.join(self.work_dir, name), ignore_errors=True)

    def kill_session(self):
        """Ends every process of this prefix (and only of this prefix) and waits for the server."""
        if not self.path:
            return
        env = self.env()
        subprocess.run(["wineserver", "-k"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=60)
        subprocess.run(["wineserver", "-w"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=60)

    def remove(self):
        if not self.path:
            return
        try:
            self.kill_session()
        finally:
            shutil.rmtree(self.path, ignore_errors=True)
            self.path = None
