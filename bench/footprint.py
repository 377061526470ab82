#!/usr/bin/env python3
"""Footprint and idle cost of vistrel.exe beside a minimal Win32 tray program, under Wine.

    python3 bench/footprint.py [--program build/windows/src/win32/vistrel.exe] [--seconds 60] [--runs 1]
                               [--config config.ini]

One private X server (Xorg with the dummy driver) and one throwaway Wine prefix serve four runs:
the minimal program (bench/idle/MinimalTray.cpp, built here with mingw-w64) shown and hidden, and
vistrel.exe shown and hidden (minimised to the tray through its minimise image, as a user would).
Each run gets a fresh Wine session and application folder, the pointer parked in the bottom-right
corner, and then an idle window in which nothing touches the program. Printed per run:

  start-up       from `wine prog.exe` until the window is mapped (hidden runs: until the tray icon
                 is), with the wineserver and its services already running
  RSS, PSS       of the program's process (/proc/PID/smaps_rollup), after the idle window, and
                 the same split by kind of mapping (bench/smaps.py: program image, Wine/system
                 libraries, fonts, other files, heap/anonymous, stacks)
  threads        /proc/PID/status
  wake-ups/s     voluntary + involuntary context switches of all its threads over the idle window
  CPU ms/min     utime + stime over the idle window, per minute (resolution: one clock tick)
  wineserver and Xorg: the same two idle figures, since every message Wine delivers and every
                 repaint costs them too

With --runs N each figure is the median of N runs. --case picks some of the four runs; --smaps DIR
keeps each run's /proc/PID/smaps there; --config gives vistrel's runs that config.ini instead of the
default one (the rest reminder on, 45 working minutes), for example a night colour schedule at full
night or in the middle of a change. It measures; it never judges the figures.
"""

import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "e2e"))

import smaps  # noqa: E402
import wineprefix  # noqa: E402
from harness import centre, twips_rect  # noqa: E402
from mainwindow import IMAGE_MINIMISE, in_top_strip  # noqa: E402
from xserver import HEIGHT, WIDTH, XServer, XServerError  # noqa: E402

MINIMAL_SOURCE = REPO / "bench" / "idle" / "MinimalTray.cpp"
MINIMAL_CAPTION = "MinimalTray"
VISTREL_CAPTION = "Form1"
# Rest on with a long working time, so no rest prompt opens during a run; no [eye] section.
VISTREL_CONFIG = b"[dsxx]\r\nmei=45\r\nxiuxi=10\r\npdrun=1\r\n"
# With no desktop environment on the display, Wine's X11 driver puts notification icons into this
# one window and maps it only while it holds an icon; each run starts a fresh session, so its
# appearance is the program's icon.
TRAY_WINDOW = "Wine System Tray"
PARK = (WIDTH - 1, HEIGHT - 1)
START_TIMEOUT = 60.0
POLL = 0.02
CLK_TCK = os.sysconf("SC_CLK_TCK")


CASES = ("minimal shown", "minimal hidden", "vistrel shown", "vistrel hidden")


class BenchError(RuntimeError):
    pass


def build_minimal(out_dir):
    compiler = shutil.which("x86_64-w64-mingw32-g++-posix") or shutil.which("x86_64-w64-mingw32-g++")
    if not compiler:
        raise BenchError("mingw-w64 is not installed (g++-mingw-w64-x86-64-posix)")
    exe = Path(out_dir) / "MinimalTray.exe"
    subprocess.run([compiler, "-std=c++20", "-O2", "-s", "-static", "-mwindows", "-municode", "-o", str(exe),
                    str(MINIMAL_SOURCE), "-lshell32", "-luser32", "-lgdi32"], check=True)
    return exe


# --- /proc readings -------------------------------------------------------------------------------

def read_cmdline(pid):
    try:
        return Path("/proc/%d/cmdline" % pid).read_bytes().split(b"\0")
    except OSError:
        return []


def read_environ(pid):
    try:
        return Path("/proc/%d/environ" % pid).read_bytes().split(b"\0")
    except OSError:
        return []


def in_prefix(pid, prefix):
    return ("WINEPREFIX=" + prefix).encode() in read_environ(pid)


def windows_process(pid, exe_name, prefix):
    """The Linux process that is the Windows program: wine keeps the PID it was started with, but
    should a loader ever hand over to another process, find that one by its command line."""
    def is_program(p):
        args = [a for a in read_cmdline(p) if a]
        return bool(args) and args[0].decode(errors="replace").replace("\\", "/").lower().endswith(
            "/" + exe_name.lower())
    if is_program(pid):
        return pid
    for entry in os.listdir("/proc"):
        if entry.isdigit() and is_program(int(entry)) and in_prefix(int(entry), prefix):
            return int(entry)
    return None


def find_wineserver(prefix):
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        args = read_cmdline(int(entry))
        if args and os.path.basename(args[0]).startswith(b"wineserver") and in_prefix(int(entry), prefix):
            return int(entry)
    return None


def memory_kib(pid):
    fields = {}
    for line in Path("/proc/%d/smaps_rollup" % pid).read_text().splitlines():
        name, _, rest = line.partition(":")
        if name in ("Rss", "Pss"):
            fields[name] = int(rest.split()[0])
    return fields["Rss"], fields["Pss"]


def thread_count(pid):
    for line in Path("/proc/%d/status" % pid).read_text().splitlines():
        if line.startswith("Threads:"):
            return int(line.split()[1])
    raise BenchError("no thread count for process %d" % pid)


def context_switches(pid):
    """Switches so far per thread; a thread may end between listing and reading."""
    result = {}
    for tid in os.listdir("/proc/%d/task" % pid):
        try:
            text = Path("/proc/%d/task/%s/status" % (pid, tid)).read_text()
        except OSError:
            continue
        result[tid] = sum(int(line.split()[1]) for line in text.splitlines()
                          if line.startswith(("voluntary_ctxt_switches:", "nonvoluntary_ctxt_switches:")))
    return result


def cpu_ticks(pid):
    # The command name may hold blanks and parentheses: fields are counted after the last ")".
    fields = Path("/proc/%d/stat" % pid).read_text().rpartition(")")[2].split()
    return int(fields[11]) + int(fields[12])  # utime, stime


class IdleSample:
    """Context switches and CPU time of one process at one moment."""

    def __init__(self, pid):
        self.pid = pid
        self.when = time.monotonic()
        self.switches = context_switches(pid)
        self.ticks = cpu_ticks(pid)

    def rates_since(self, start):
        seconds = self.when - start.when
        # Threads that ended during the window take their switches with them; new ones count whole.
        switches = sum(count - start.switches.get(tid, 0) for tid, count in self.switches.items())
        cpu_ms = (self.ticks - start.ticks) * 1000.0 / CLK_TCK
        return switches / seconds, cpu_ms * 60.0 / seconds


# --- the session ----------------------------------------------------------------------------------

class Bench:
    def __init__(self, work_dir, seconds, settle, smaps_dir=None):
        self.work_dir = work_dir
        self.smaps_dir = smaps_dir
        self.seconds = seconds
        self.settle = settle
        self.xserver = None
        self.prefix = None
        self.process = None
        self.program_pid = None

    def start(self):
        self.xserver = XServer().start()
        if self.xserver.kind != "Xorg":
            print("footprint: not on Xorg; figures differ from the ones Xorg would give", file=sys.stderr)
        self.prefix = wineprefix.WinePrefix(self.work_dir, self.xserver.display).create()
        return self

    def env(self):
        return self.prefix.env()

    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env(), stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=60)
        if check and result.returncode != 0:
            raise BenchError("xdotool %s failed" % " ".join(str(a) for a in args))
        return result.stdout.decode(errors="replace")

    def mapped(self, caption):
        """X windows with exactly this name that are mapped (no window manager: mapped is seen)."""
        return self.xdotool("search", "--onlyvisible", "--name", "^%s$" % caption, check=False).split()

    def wait(self, predicate, what, timeout=START_TIMEOUT):
        deadline = time.monotonic() + timeout
        while not predicate():
            if self.process is not None and self.process.poll() is not None:
                raise BenchError("the program ended (%s) while waiting for %s" % (self.process.returncode, what))
            if time.monotonic() > deadline:
                raise BenchError("timed out waiting for %s" % what)
            time.sleep(POLL)
        return time.monotonic()

    def fresh_session(self):
        """An empty desktop and tray, with the wineserver and its services already up, so start-up
        is the program's own and not Wine booting."""
        self.prefix.kill_session()
        quiet = dict(env=self.env(), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                     stderr=subprocess.DEVNULL, timeout=120)
        subprocess.run(["wineserver", "-p"], check=True, **quiet)  # stays between programs until -k
        subprocess.run(["wine", "cmd", "/c", "exit"], check=True, **quiet)
        if self.mapped(TRAY_WINDOW):
            raise BenchError("the tray is not empty before the run")

    def run(self, name, exe, args, caption, hide, config=None):
        self.fresh_session()
        app_dir = Path(tempfile.mkdtemp(prefix="footprint-app-"))
        try:
            shutil.copy2(exe, app_dir / exe.name)
            if config is not None:
                (app_dir / "config.ini").write_bytes(config)
            self.xdotool("mousemove", *PARK)  # X starts the pointer mid-screen, right over the window
            with open(app_dir / "wine.log", "wb") as log:
                started = time.monotonic()
                self.process = subprocess.Popen(["wine", str(app_dir / exe.name)] + args, cwd=app_dir,
                                                env=self.env(), stdin=subprocess.DEVNULL, stdout=log,
                                                stderr=subprocess.STDOUT, start_new_session=True)
            try:
                return self._measure(name, app_dir / exe.name, args, caption, hide, started)
            except BenchError as error:
                tail = (app_dir / "wine.log").read_bytes()[-1500:].decode(errors="replace")
                raise BenchError("%s %s: %s\n%s" % (exe.name, " ".join(args), error, tail)) from None
            finally:
                self._end_program()
        finally:
            shutil.rmtree(app_dir, ignore_errors=True)

    def _measure(self, name, exe, args, caption, hide, started):
        shown = not hide and "--hidden" not in args
        ready = (lambda: self.mapped(caption)) if shown else (lambda: self.mapped(TRAY_WINDOW))
        startup = self.wait(ready, "the window" if shown else "the tray icon") - started
        pid = self.program_pid = windows_process(self.process.pid, exe.name, self.prefix.path)
        if pid is None:
            raise BenchError("no process runs %s" % exe.name)
        if hide:
            self.wait(lambda: self.mapped(caption), "the window before minimising")
            geometry = dict(line.split("=", 1) for line in
                            self.xdotool("getwindowgeometry", "--shell", self.mapped(caption)[0]).split())
            left, top = int(geometry["X"]), int(geometry["Y"])
            x, y = centre(twips_rect(*in_top_strip(IMAGE_MINIMISE)))
            self.xdotool("mousemove", left + x, top + y, "sleep", 0.15, "click", 1)
            self.wait(lambda: not self.mapped(caption), "the window to hide")
            self.xdotool("mousemove", *PARK)
        time.sleep(self.settle)
        if not shown and self.mapped(caption):
            raise BenchError("the window is visible in a hidden run")
        if not self.mapped(TRAY_WINDOW):
            raise BenchError("no tray icon")

        # XServer keeps its process to itself; reading its PID here beats guessing among other servers.
        servers = {"wineserver": find_wineserver(self.prefix.path), "Xorg": self.xserver._process.pid}
        starts = {name: IdleSample(p) for name, p in [("program", pid)] + list(servers.items()) if p}
        time.sleep(self.seconds)
        ends = {name: IdleSample(sample.pid) for name, sample in starts.items()}
        if self.process.poll() is not None:
            raise BenchError("the program ended during the idle window")

        rss, pss = memory_kib(pid)
        if self.smaps_dir:
            Path(self.smaps_dir).mkdir(parents=True, exist_ok=True)
            shutil.copyfile("/proc/%d/smaps" % pid, Path(self.smaps_dir) / (name.replace(" ", "-") + ".smaps"))
        result = {"start-up (s)": startup, "RSS (MiB)": rss / 1024.0, "PSS (MiB)": pss / 1024.0}
        for group, (group_rss, group_pss) in smaps.process_breakdown(pid, exe).items():
            result[BREAKDOWN_RSS + group] = group_rss / 1024.0
            result[BREAKDOWN_PSS + group] = group_pss / 1024.0
        result["threads"] = thread_count(pid)
        for name in ("program", "wineserver", "Xorg"):
            prefix = "" if name == "program" else name + " "
            wakeups, cpu = ends[name].rates_since(starts[name]) if name in starts else (float("nan"),) * 2
            result[prefix + "wake-ups/s"] = wakeups
            result[prefix + "CPU ms/idle min"] = cpu
        return result

    def _end_program(self):
        if self.program_pid not in (None, getattr(self.process, "pid", None)):
            try:
                os.kill(self.program_pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        if self.process is not None and self.process.poll() is None:
            os.kill(self.process.pid, signal.SIGKILL)
            self.process.wait(30)
        self.process = self.program_pid = None

    def close(self):
        try:
            self._end_program()
        finally:
            if self.prefix:
                self.prefix.remove()  # wineserver -k for this prefix only, then the folder
                self.prefix = None
            if self.xserver:
                self.xserver.stop()
                self.xserver = None


# --- output ---------------------------------------------------------------------------------------

BREAKDOWN_RSS = "RSS of "
BREAKDOWN_PSS = "PSS of "


def print_table(columns, results):
    rows = list(next(iter(results.values()))[0].keys())
    label_width = max(len(r) for r in rows) + 2
    width = max(max(len(c) for c in columns) + 2, 10)

    def cell(row, column):
        value = statistics.median(run[row] for run in results[column])
        return "%d" % value if row == "threads" else "%.2f" % value if row.startswith("start-up") else "%.1f" % value

    print("".ljust(label_width) + "".join(c.rjust(width) for c in columns))
    for row in rows:
        if row.startswith(BREAKDOWN_PSS):
            continue  # printed beside its RSS
        if row.startswith(BREAKDOWN_RSS):
            # RSS / PSS of one kind of mapping, indented under the totals' rows.
            group = row[len(BREAKDOWN_RSS):]
            if group == smaps.GROUPS[0]:
                print("RSS / PSS by mapping (MiB):")
            cells = [(cell(row, c) + " / " + cell(BREAKDOWN_PSS + group, c)).rjust(width) for c in columns]
            print(("  " + group).ljust(label_width) + "".join(cells))
        else:
            print(row.ljust(label_width) + "".join(cell(row, c).rjust(width) for c in columns))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", default=str(REPO / "build" / "windows" / "src" / "win32" / "vistrel.exe"),
                        help="the vistrel.exe to measure")
    parser.add_argument("--seconds", type=float, default=60.0, help="length of each idle window")
    parser.add_argument("--settle", type=float, default=5.0,
                        help="seconds between the program being ready and the idle window")
    parser.add_argument("--runs", type=int, default=1, help="runs of each program; figures are medians")
    parser.add_argument("--case", action="append", choices=CASES,
                        help="run only this case (may be given more than once); all four by default")
    parser.add_argument("--smaps", metavar="DIR", help="keep each run's /proc/PID/smaps in DIR")
    parser.add_argument("--config", metavar="FILE", help="config.ini for vistrel's runs instead of the default")
    parser.add_argument("--work-dir", default=str(REPO / "build" / "e2e-wine"),
                        help="where the Wine prefix template and the throwaway prefix live")
    args = parser.parse_args(argv)
    if args.runs < 1 or args.seconds <= 0 or args.settle < 0:
        parser.error("--runs needs at least 1, --seconds more than 0, --settle no less than 0")

    if args.config and not Path(args.config).is_file():
        parser.error("--config: no file %s" % args.config)
    config = Path(args.config).read_bytes() if args.config else VISTREL_CONFIG
    program = Path(args.program).resolve()
    if not program.is_file():
        print("footprint: %s is not built (cmake --preset windows && cmake --build --preset windows)" % program,
              file=sys.stderr)
        return 1
    # A terminated run still stops its X server and wineserver.
    signal.signal(signal.SIGTERM, lambda signum, _frame: sys.exit(128 + signum))

    build_dir = Path(tempfile.mkdtemp(prefix="footprint-build-"))
    bench = Bench(args.work_dir, args.seconds, args.settle, args.smaps)
    try:
        minimal = build_minimal(build_dir)
        bench.start()
        cases = {
            "minimal shown": (minimal, [], MINIMAL_CAPTION, False, None),
            "minimal hidden": (minimal, ["--hidden"], MINIMAL_CAPTION, False, None),
            "vistrel shown": (program, [], VISTREL_CAPTION, False, config),
            "vistrel hidden": (program, [], VISTREL_CAPTION, True, config),
        }
        cases = {name: case for name, case in cases.items() if not args.case or name in args.case}
        results = {name: [] for name in cases}
        for run in range(args.runs):
            for name, case in cases.items():
                print("footprint: run %d/%d, %s ..." % (run + 1, args.runs, name), file=sys.stderr, flush=True)
                results[name].append(bench.run(name, *case))
        print("%s, %s on %s, idle window %g s after %g s settling, %d run(s) each, median" % (
            wineprefix.wine_version(), bench.xserver.kind, bench.xserver.display, args.seconds, args.settle,
            args.runs))
        print("vistrel: %s" % program)
        print_table(list(cases), results)
    except (BenchError, XServerError, wineprefix.WinePrefixError, subprocess.CalledProcessError) as error:
        print("footprint: %s" % error, file=sys.stderr)
        return 1
    finally:
        bench.close()
        shutil.rmtree(build_dir, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
