"""End-to-end harness: the real Windows program under Wine on a private X server.

One session per test run: one X server (Xorg with the dummy driver, so the gamma ramp is real;
Xvfb when not root) and one Wine prefix copied from a template built once per Wine version.
Tests that need several monitors (E2ETestCase.OUTPUTS) get a session of their own, with an Xorg
server whose dummy outputs show them, so every other test keeps its one 1280 x 800 screen.
Every program start gets a fresh application folder (a temporary copy of the executable, with
config.ini and monitor.txt beside it). After each test the processes the test started are
killed by PID and the prefix's wineserver is stopped, so the next test starts with an empty
desktop and an empty tray.

The tray: under plain Wine with no desktop environment the X11 driver shows notification icons
in a small "Wine System Tray" window (class __winex11_standalone_tray), one child window per icon
(__winex11_tray_icon). The inspector lists those windows with their screen rectangles, so
click_tray_icon() raises that window (there is no window manager to do it) and clicks the middle
of the icon's window with xdotool; Wine then hands the program the usual mouse notifications.
Under `explorer /desktop=shell` the icons are __wine_tray_icon windows in the taskbar and the
same helper works.

Paths come from the environment (run.py sets them):
  VISTREL_WINDOWS_BUILD  the windows preset's build tree (default build/windows)
  VISTREL_E2E_ARTIFACTS  screenshots and window dumps per test (default build/e2e-artifacts)
  VISTREL_E2E_WORK       Wine prefixes (default build/e2e-wine)
  VISTREL_E2E_XSERVER    "xvfb" to use Xvfb even as root (gamma checks are then skipped)
"""

import atexit
import json
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest
from fractions import Fraction
from pathlib import Path

import inifile
import screen
import wineprefix
import xgamma
from xserver import HEIGHT, WIDTH, XServer, uses_xorg

REPO = Path(__file__).resolve().parents[2]
PROGRAM_NAME = "vistrel.exe"
TRAY_ICON_CLASSES = ("__winex11_tray_icon", "__wine_tray_icon")
TRAY_WINDOW_TITLE = "Wine System Tray"


def _path_from_env(name, default):
    return Path(os.environ.get(name) or default).resolve()


def windows_build():
    return _path_from_env("VISTREL_WINDOWS_BUILD", REPO / "build" / "windows")


def program_path():
    return windows_build() / "src" / "win32" / PROGRAM_NAME


def e2e_program_path():
    """The tests' copy of the program: vistrel.exe's code, with a WinMain that can make the first
    start-up registrations fail (VISTREL_E2E_FAIL_FIRST)."""
    return windows_build() / "src" / "win32" / "vistrel_e2e.exe"


def inspector_path():
    return windows_build() / "tools" / "wininspect" / "wininspect.exe"


def pixels(twips_value, dpi):
    """Twips to pixels at a density: twips x dpi / 1440, to the nearest pixel, halves to even."""
    return round(Fraction(twips_value * dpi, 1440))


def twips(value):
    """Twips to pixels at 96 DPI (15 twips a pixel), as a layout places them."""
    return pixels(value, 96)


def twips_rect(left, top, width, height, dpi=96):
    """A (left, top, right, bottom) pixel rectangle from a twips layout entry."""
    x, y = pixels(left, dpi), pixels(top, dpi)
    return (x, y, x + pixels(width, dpi), y + pixels(height, dpi))


def rect_tuple(rect):
    return (rect["left"], rect["top"], rect["right"], rect["bottom"])


def rect_size(rect):
    left, top, right, bottom = rect_tuple(rect) if isinstance(rect, dict) else rect
    return right - left, bottom - top


def centre(rect):
    left, top, right, bottom = rect_tuple(rect) if isinstance(rect, dict) else rect
    return (left + right) // 2, (top + bottom) // 2


def close(a, b, tolerance=1):
    """True when two numbers or rectangles agree within tolerance pixels (rounding of twips)."""
    a = rect_tuple(a) if isinstance(a, dict) else a
    b = rect_tuple(b) if isinstance(b, dict) else b
    if isinstance(a, (int, float)):
        return abs(a - b) <= tolerance
    return len(a) == len(b) and all(abs(x - y) <= tolerance for x, y in zip(a, b))


def matches(window, cls=None, text=None, visible=None, parent=None, pid=None, process=None, hwnd=None):
    return ((hwnd is None or window["hwnd"] == hwnd) and (cls is None or window["class"] == cls) and (text is None or window["text"] == text)
            and (visible is None or window["visible"] == visible)
            and (parent is None or window["parent"] == parent) and (pid is None or window["pid"] == pid)
            and (process is None or window["process"].lower() == process.lower()))


def find_windows(windows, **criteria):
    return [w for w in windows if matches(w, **criteria)]


def find_window(windows, **criteria):
    found = find_windows(windows, **criteria)
    return found[0] if found else None


def descendants(windows, ancestor):
    """Windows below ancestor (a window dict or handle), at any depth."""
    root = ancestor["hwnd"] if isinstance(ancestor, dict) else ancestor
    by_parent = {}
    for w in windows:
        by_parent.setdefault(w["parent"], []).append(w)
    result, pending = [], [root]
    while pending:
        for child in by_parent.get(pending.pop(), []):
            result.append(child)
            pending.append(child["hwnd"])
    return result


def start_logged(command, env, cwd=None, log_path=None):
    """Starts command in a session of its own, its output appended to log_path (or dropped)."""
    log = open(log_path, "ab") if log_path else subprocess.DEVNULL
    try:
        return subprocess.Popen(command, cwd=cwd, env=env, stdin=subprocess.DEVNULL, stdout=log,
                                stderr=subprocess.STDOUT, start_new_session=True)
    finally:
        if log_path:
            log.close()


def kill_started(processes, kill):
    """Ends the processes we started that still run, with kill(pid, signal), and reaps them."""
    for process in processes:
        if process.poll() is None:
            try:
                kill(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            try:
                process.wait(20)
            except subprocess.TimeoutExpired:
                pass


def parse_inspection(output):
    """The inspector's JSON lines (bytes) as dicts."""
    windows = []
    for line in output.decode("utf-8", errors="replace").splitlines():
        line = line.strip()
        if line.startswith("{"):
            try:
                windows.append(json.loads(line))
            except ValueError:
                pass  # a line cut short by a dying process tells us nothing
    return windows


def drawn_menu_items(log_path):
    """(text, checked) of each menu item a program drew, in the order drawn, from its Wine log
    (the program runs with WINEDEBUG=+menu)."""
    log = Path(log_path).read_text(errors="replace")
    items = re.findall(r'draw_menu_item \{ ID=\S+,(.*?)Text=L"((?:[^"\\]|\\.)*)"', log)
    return [(re.sub(r"\\([0-9a-f]{4})", lambda m: chr(int(m.group(1), 16)), text), "State=check" in flags)
            for flags, text in items]


class Session:
    """The X server and Wine prefix shared by all tests of one run (or by all of them that want
    the same monitors: outputs, as XServer takes them)."""

    def __init__(self, artifacts, work_dir, outputs=None):
        self.artifacts = Path(artifacts)
        self.work_dir = Path(work_dir)
        self.outputs = outputs
        self.xserver = None
        self.prefix = None
        self._processes = []

    @property
    def screen_size(self):
        """The whole X screen: all monitors side by side."""
        if not self.outputs:
            return WIDTH, HEIGHT
        return sum(w for w, _ in self.outputs), max(h for _, h in self.outputs)

    @property
    def name(self):
        return "x".join("%dx%d" % size for size in self.outputs) if self.outputs else None

    def start(self):
        log_dir = self.artifacts / ("_session-" + self.name if self.name else "_session")
        log_dir.mkdir(parents=True, exist_ok=True)
        try:
            self.xserver = XServer(log_dir=str(log_dir), prefer_xorg=prefer_xorg(), outputs=self.outputs).start()
            self.prefix = wineprefix.WinePrefix(self.work_dir, self.xserver.display, self.name).create()
        except BaseException:
            self.close()
            raise
        return self

    @property
    def display(self):
        return self.xserver.display

    @property
    def gamma_skip_reason(self):
        return self.xserver.gamma_skip_reason

    def env(self):
        env = self.prefix.env()
        # Command lines and file names go through the Unix locale: make it UTF-8.
        if "UTF-8" not in (env.get("LC_ALL") or env.get("LANG") or "").upper().replace("UTF8", "UTF-8"):
            env["LC_ALL"] = "C.UTF-8"
        return env

    def start_wine(self, args, cwd=None, log_path=None, env=None):
        """Starts `wine args...` (env: variables to add); the Linux PID is the Windows process
        itself, so it is what we kill."""
        process = start_logged(["wine"] + [str(a) for a in args], dict(self.env(), **(env or {})), cwd, log_path)
        self._processes.append(process)
        return process

    def end_processes(self):
        """Kills what this session started (by PID), then everything left in its own prefix."""
        kill_started(self._processes, os.kill)
        self._processes = []
        if self.prefix:
            self.prefix.kill_session()

    def inspect(self, *args, timeout=60):
        """The inspector's listing as dicts (see tools/wininspect)."""
        tool = inspector_path()
        if not tool.exists():
            raise RuntimeError("the window inspector is not built: %s" % tool)
        result = subprocess.run(["wine", str(tool)] + list(args), env=self.env(), stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=timeout)
        return parse_inspection(result.stdout)

    def wine_reg(self, *args):
        """`wine reg ...` in this session's prefix."""
        subprocess.run(["wine", "reg"] + [str(a) for a in args], env=self.env(), check=True,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)

    def reg_values(self, key):
        """The values of a registry key as {name: text or int (REG_DWORD)}, or None when the key
        is missing (`wine reg query`)."""
        result = subprocess.run(["wine", "reg", "query", key], env=self.env(), stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=120)
        if result.returncode != 0:
            return None
        values = {}
        for line in result.stdout.decode("utf-8", errors="replace").splitlines():
            match = re.match(r"^ {4}(.+?) {4}(REG_\w+)(?: {4}(.*))?$", line.rstrip("\r"))
            if match:
                name, kind, text = match.group(1), match.group(2), match.group(3) or ""
                values[name] = int(text, 16) if kind == "REG_DWORD" else text
        return values

    def end_windows_session(self):
        """Ends the Wine session as a logoff ends Windows': every program is asked
        (WM_QUERYENDSESSION), told (WM_ENDSESSION) and ended."""
        subprocess.run(["wineboot", "--end-session", "--shutdown"], env=self.env(), stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env(), check=True,
                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=60)

    def close(self):
        try:
            self.end_processes()
        finally:
            if self.prefix:
                self.prefix.remove()
                self.prefix = None
            if self.xserver:
                self.xserver.stop()
                self.xserver = None


_sessions = {}  # by their outputs; None for the one plain screen


def prefer_xorg():
    return os.environ.get("VISTREL_E2E_XSERVER", "xorg").lower() != "xvfb"


def _exit_on_signal(signum, _frame):
    raise SystemExit(128 + signum)


def get_session(outputs=None):
    """The run's session for these monitors, started on first use and closed when the
    interpreter exits."""
    key = tuple(outputs) if outputs else None
    if key not in _sessions:
        artifacts = _path_from_env("VISTREL_E2E_ARTIFACTS", REPO / "build" / "e2e-artifacts")
        work = _path_from_env("VISTREL_E2E_WORK", REPO / "build" / "e2e-wine")
        if not _sessions:
            atexit.register(close_session)
            # A terminated run still stops its X servers and wineservers.
            if signal.getsignal(signal.SIGTERM) == signal.SIG_DFL:
                signal.signal(signal.SIGTERM, _exit_on_signal)
        _sessions[key] = Session(artifacts, work, key).start()
    return _sessions[key]


_closers = []  # what else the run started on a session, closed before the sessions


def on_close(closer):
    _closers.append(closer)


def close_session():
    """Closes every session of the run."""
    while _closers:
        _closers.pop()()
    while _sessions:
        _sessions.popitem()[1].close()


class Program:
    """One started copy of the program in its own application folder."""

    def __init__(self, app_dir, process):
        self.app_dir = Path(app_dir)
        self.process = process

    @property
    def config_path(self):
        return self.app_dir / "config.ini"

    def config(self):
        """config.ini as bytes, or None when the program has not written one."""
        try:
            return self.config_path.read_bytes()
        except FileNotFoundError:
            return None

    def config_entries(self):
        data = self.config()
        return inifile.entries(data) if data is not None else []

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=20):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None


class E2ETestCase(unittest.TestCase):
    """Base class: starts programs, looks at windows, acts with the mouse, keeps artifacts."""

    maxDiff = None
    POLL_INTERVAL = 0.25
    TIMEOUT = 30
    # The monitors the test needs, as XServer takes them; None for the one plain screen.
    OUTPUTS = None

    def setUp(self):
        if self.OUTPUTS and not uses_xorg(prefer_xorg()):
            self.skipTest("several monitors need Xorg's dummy driver (run as root, without VISTREL_E2E_XSERVER=xvfb)")
        self.session = get_session(self.OUTPUTS)
        name = self.id().split(".", 1)[-1] if "." in self.id() else self.id()
        self.artifacts = self.session.artifacts / name
        shutil.rmtree(self.artifacts, ignore_errors=True)
        self.artifacts.mkdir(parents=True)
        self._app_dirs = []
        self._snapshots = 0
        # Cleanups run after tearDown, so the final screenshot still shows the program.
        self.addCleanup(self._clean_up)
        if self.session.gamma_skip_reason is None:
            self.set_gamma(*([xgamma.identity_ramp()] * 3))

    def tearDown(self):
        self.save_state("final")

    def _clean_up(self):
        try:
            self.session.end_processes()
        finally:
            for app_dir in self._app_dirs:
                kept = self.artifacts / ("app-" + app_dir.name)
                kept.mkdir(exist_ok=True)
                for name in ("config.ini", "monitor.txt", "wine.log"):
                    if (app_dir / name).exists():
                        shutil.copy2(app_dir / name, kept / name)
                shutil.rmtree(app_dir, ignore_errors=True)

    # --- starting things ---------------------------------------------------------------------

    def require_program(self):
        if not program_path().exists():
            self.skipTest("the program is not built yet: %s (cmake --preset windows && "
                          "cmake --build --preset windows)" % program_path())

    def start_wine(self, *args, cwd=None):
        return self.session.start_wine(args, cwd=cwd, log_path=self.artifacts / "wine.log")

    def make_app_dir(self, config=None, monitor=None, program=None):
        """A fresh application folder with a copy of the program (or of `program`, under the
        program's name) and the given files (bytes or str)."""
        app_dir = Path(tempfile.mkdtemp(prefix="vistrel-app-"))
        self._app_dirs.append(app_dir)
        shutil.copy2(program or program_path(), app_dir / PROGRAM_NAME)
        for name, content in (("config.ini", config), ("monitor.txt", monitor)):
            if content is not None:
                (app_dir / name).write_bytes(content.encode(inifile.ENCODING) if isinstance(content, str)
                                             else content)
        return app_dir

    def use_dpi(self, dpi):
        """Programs started from now on see a screen of this density, until the test ends."""
        key = r"HKCU\Control Panel\Desktop"
        self.session.wine_reg("add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", dpi, "/f")
        self.addCleanup(self.session.wine_reg, "delete", key, "/v", "LogPixels", "/f")

    def start_program(self, config=None, monitor=None, app_dir=None, program=None, env=None):
        """Starts the program; config and monitor are the files to put beside it (None: no file),
        program another build of it, env variables to add to its environment."""
        self.require_program()
        app_dir = Path(app_dir) if app_dir else self.make_app_dir(config, monitor, program)
        process = self.session.start_wine([app_dir / PROGRAM_NAME], cwd=app_dir, log_path=app_dir / "wine.log",
                                          env=env)
        return Program(app_dir, process)

    # --- looking -----------------------------------------------------------------------------

    def all_windows(self):
        return self.session.inspect()

    def windows(self, process=PROGRAM_NAME):
        return self.session.inspect("--process", process)

    def tray_icons(self):
        return [w for w in self.session.inspect("--tray") if w["class"] in TRAY_ICON_CLASSES and w["visible"]]

    def wait_for(self, predicate, timeout=None, message="condition", interval=None):
        """Polls predicate until it returns something truthy and returns that; fails on timeout."""
        deadline = time.monotonic() + (timeout or self.TIMEOUT)
        while True:
            value = predicate()
            if value:
                return value
            if time.monotonic() >= deadline:
                self.save_state("timeout")
                self.fail("timed out waiting for %s" % message)
            time.sleep(interval or self.POLL_INTERVAL)

    def wait_window(self, timeout=None, process=PROGRAM_NAME, **criteria):
        described = ", ".join("%s=%r" % item for item in sorted(criteria.items()))
        return self.wait_for(lambda: find_window(self.windows(process), **criteria), timeout,
                             "a window with %s" % described)

    def wait_no_window(self, timeout=None, process=PROGRAM_NAME, **criteria):
        described = ", ".join("%s=%r" % item for item in sorted(criteria.items()))
        self.wait_for(lambda: not find_windows(self.windows(process), **criteria), timeout,
                      "no window with %s" % described)

    # --- acting ------------------------------------------------------------------------------

    def move(self, x, y):
        self.session.xdotool("mousemove", int(x), int(y))

    def click(self, x, y, button=1, settle=0.15):
        """Moves there, lets the program see the hover, then presses and releases."""
        self.session.xdotool("mousemove", int(x), int(y), "sleep", settle, "click", button)

    def press(self, x, y, button=1):
        self.session.xdotool("mousemove", int(x), int(y), "sleep", 0.15, "mousedown", button)

    def release(self, button=1):
        self.session.xdotool("mouseup", button)

    def key(self, *keys):
        self.session.xdotool("key", *keys)

    def type_text(self, text):
        self.session.xdotool("type", "--delay", 30, text)

    def park_mouse(self):
        """Moves the pointer to the bottom-right corner, away from anything that reacts to hover."""
        width, height = self.session.screen_size
        self.move(width - 1, height - 1)

    def click_tray_icon(self, button=1, index=0):
        icons = self.wait_for(self.tray_icons, message="a tray icon")
        try:
            # No window manager stacks windows here: bring the tray above the program's windows.
            self.session.xdotool("search", "--name", TRAY_WINDOW_TITLE, "windowraise")
        except subprocess.CalledProcessError:
            pass  # a taskbar tray has no such window
        x, y = centre(icons[index]["rect"])
        self.click(x, y, button)

    def tray_menu(self):
        """Opens the tray menu, keeps a picture of it and closes it; returns its items as drawn (text,
        checked), from the program's log (it runs with WINEDEBUG=+menu)."""
        log = self.program.app_dir / "wine.log"
        drawn = len(drawn_menu_items(log))
        self.click_tray_icon(button=3)

        def whole_menu():  # up to "Exit", its last item
            texts = [text for text, _ in drawn_menu_items(log)[drawn:]]
            return drawn_menu_items(log)[drawn:drawn + texts.index("Exit") + 1] if "Exit" in texts else None
        menu = self.wait_for(whole_menu, 10, "the tray menu")
        self.screenshot("tray menu")
        self.key("Escape")
        return menu

    # --- the display -------------------------------------------------------------------------

    def grab(self):
        return screen.grab(self.session.display)

    def screenshot(self, name):
        path = self.artifacts / (name + ".png")
        screen.save(self.session.display, str(path))
        return path

    def dump(self, name):
        path = self.artifacts / (name + ".jsonl")
        try:
            windows = self.all_windows()
        except Exception as error:  # a dump must never hide the real failure
            path.write_text("inspector failed: %s\n" % error)
            return path
        path.write_text("".join(json.dumps(w, ensure_ascii=False) + "\n" for w in windows))
        return path

    def save_state(self, name=None):
        """A screenshot and a window dump, numbered in the order they were taken."""
        self._snapshots += 1
        label = "%02d-%s" % (self._snapshots, name or "state")
        try:
            self.screenshot(label)
        except Exception:
            pass
        self.dump(label)

    def require_gamma(self):
        if self.session.gamma_skip_reason:
            self.skipTest(self.session.gamma_skip_reason)

    def gamma(self):
        self.require_gamma()
        with xgamma.XGamma(self.session.display) as g:
            return g.get()

    def set_gamma(self, red, green, blue):
        self.require_gamma()
        with xgamma.XGamma(self.session.display) as g:
            g.set(red, green, blue)
