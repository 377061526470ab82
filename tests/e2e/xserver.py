"""A private X server for tests: Xorg with the dummy video driver, or Xvfb as a fallback.

Xorg's dummy driver supports gamma ramps (XF86VidMode), so tests can read back what the
program wrote to the display; Xvfb has no gamma ramp. Xorg takes an absolute -config path
only from root, so other users get Xvfb and a message saying gamma checks are skipped.

The dummy driver also has outputs DUMMY0..DUMMY15 that RandR can light: a server started with
several output sizes shows that many monitors side by side (Wine reads them through RandR).

Run as a script it wraps a command: python3 xserver.py [--log-dir DIR] -- COMMAND...
"""

import argparse
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

WIDTH, HEIGHT = 1280, 800

XORG_CONF = """\
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
    Option "DontVTSwitch" "true"
    Option "DontZap" "true"
EndSection
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 64000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
    Modeline "{w}x{h}" 83.46 {w} 1344 1480 1680 {h} 801 804 828
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "{w}x{h}"
        Virtual {w} {h}
    EndSubSection
EndSection
""".format(w=WIDTH, h=HEIGHT)


class XServerError(RuntimeError):
    pass


def uses_xorg(prefer_xorg=True):
    """Whether a server started with this preference is Xorg (root only) rather than Xvfb."""
    return prefer_xorg and os.geteuid() == 0


class XServer:
    """Starts on a display number the server picks itself (-displayfd), so parallel runs never
    collide; stop() ends only the server process this object started."""

    START_TIMEOUT = 30.0

    def __init__(self, log_dir=None, prefer_xorg=True, outputs=None):
        """outputs: (width, height) of each monitor, left to right, the primary first; None for
        the one WIDTH x HEIGHT screen. Monitors need Xorg."""
        self.log_dir = log_dir
        self.prefer_xorg = prefer_xorg
        self.outputs = list(outputs) if outputs else None
        self._modes = set()  # (output, mode) pairs added
        self._lit = 1
        self.display = None
        self.kind = None
        self.gamma_skip_reason = None
        self._process = None
        self._workdir = None

    @property
    def gamma_supported(self):
        return self.gamma_skip_reason is None

    def start(self):
        self._workdir = tempfile.mkdtemp(prefix="vistrel-x-")
        is_root = os.geteuid() == 0
        if uses_xorg(self.prefer_xorg):
            # As root the real driver must work; falling back silently would hide lost coverage.
            self._start_xorg()
            if self.outputs:
                try:
                    self.light_outputs(self.outputs)
                except BaseException:
                    self.stop()
                    raise
        elif self.outputs:
            self.stop()
            raise XServerError("several monitors need Xorg's dummy driver, which only root can start")
        else:
            reason = ("not running as root, so Xorg cannot take a generated config"
                      if not is_root else "Xorg not requested")
            print("xserver: using Xvfb (%s); gamma ramp checks are skipped" % reason, file=sys.stderr)
            self._start_xvfb()
            self.gamma_skip_reason = "Xvfb has no gamma ramp (%s)" % reason
        return self

    def _log_path(self, name):
        directory = self.log_dir or self._workdir
        os.makedirs(directory, exist_ok=True)
        return os.path.join(directory, name)

    def _start_xorg(self):
        if not shutil.which("Xorg"):
            raise XServerError("Xorg is not installed (xserver-xorg-core, xserver-xorg-video-dummy)")
        config = os.path.join(self._workdir, "xorg.conf")
        with open(config, "w") as f:
            f.write(XORG_CONF)
        config_dir = os.path.join(self._workdir, "xorg.conf.d")  # empty: no system snippets
        os.makedirs(config_dir)
        log = self._log_path("Xorg.log")
        self._launch(["Xorg", "-config", config, "-configdir", config_dir, "-logfile", log,
                      "-noreset", "-nolisten", "tcp", "-novtswitch", "-sharevts"], "Xorg", log)
        self.kind = "Xorg"

    def light_outputs(self, outputs):
        """Shows DUMMY0, DUMMY1, ... at these (width, height) sizes side by side, DUMMY0 (the
        primary) leftmost, on a framebuffer that just holds them; outputs lit before and left out
        now go dark. Xorg only. Modes are made up: the dummy driver shows any timing."""
        if self.kind != "Xorg":
            raise XServerError("monitors need Xorg's dummy driver")
        command = ["--fb", "%dx%d" % (sum(w for w, _ in outputs), max(h for _, h in outputs))]
        x = 0
        for index, (width, height) in enumerate(outputs):
            output, mode = "DUMMY%d" % index, "vistrel-%dx%d" % (width, height)
            if (output, mode) not in self._modes:
                # Blanking and a 60 Hz refresh rate; the numbers only have to be plausible.
                htotal, vtotal = width + 160, height + 30
                if not any(m == mode for _, m in self._modes):
                    self._xrandr("--newmode", mode, "%.2f" % (htotal * vtotal * 60 / 1e6), width, width + 48,
                                 width + 80, htotal, height, height + 3, height + 6, vtotal)
                self._xrandr("--addmode", output, mode)
                self._modes.add((output, mode))
            command += ["--output", output, "--mode", mode, "--pos", "%dx0" % x]
            x += width
        for index in range(len(outputs), self._lit):
            command += ["--output", "DUMMY%d" % index, "--off"]
        self._xrandr(*command)
        self._lit = len(outputs)
        # Only a full query probes the outputs: without one, clients that read the current state
        # (Wine does) still see an output that was given modes as disconnected.
        self._xrandr("--query")

    def _xrandr(self, *args):
        result = subprocess.run(["xrandr", "-display", self.display] + [str(a) for a in args],
                                stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=60)
        if result.returncode != 0:
            raise XServerError("xrandr %s failed: %s" % (" ".join(str(a) for a in args), result.stderr.strip()))

    def _start_xvfb(self):
        if not shutil.which("Xvfb"):
            raise XServerError("Xvfb is not installed (xvfb)")
        self._launch(["Xvfb", "-screen", "0", "%dx%dx24" % (WIDTH, HEIGHT), "-noreset",
                      "-nolisten", "tcp"], "Xvfb", self._log_path("Xvfb.log"))
        self.kind = "Xvfb"

    def _launch(self, command, name, log_path):
        read_end, write_end = os.pipe()
        with open(self._log_path(name + ".out"), "wb") as out:
            self._process = subprocess.Popen(command + ["-displayfd", str(write_end)],
                                             stdin=subprocess.DEVNULL, stdout=out,
                                             stderr=subprocess.STDOUT, pass_fds=(write_end,),
                                             start_new_session=True)
        os.close(write_end)
        try:
            number = self._read_display_number(read_end, name)
        finally:
            os.close(read_end)
        self.display = ":%s" % number
        self._wait_until_answering(name, log_path)

    def _read_display_number(self, fd, name):
        deadline = time.monotonic() + self.START_TIMEOUT
        text = b""
        while not text.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            if remaining <= 0 or self._process.poll() is not None:
                self.stop()
                raise XServerError("%s did not start (see %s)" % (name, self._log_path(name + ".out")))
            ready, _, _ = select.select([fd], [], [], min(remaining, 0.5))
            if ready:
                chunk = os.read(fd, 64)
                if not chunk:
                    continue
                text += chunk
        return int(text.strip())

    def _wait_until_answering(self, name, log_path):
        deadline = time.monotonic() + self.START_TIMEOUT
        while time.monotonic() < deadline:
            if self._process.poll() is not None:
                break
            probe = subprocess.run(["xdpyinfo", "-display", self.display], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
            if probe.returncode == 0:
                return
            time.sleep(0.1)
        self.stop()
        raise XServerError("%s on %s did not answer (see %s)" % (name, self.display, log_path))

    def stop(self):
        if self._process and self._process.poll() is None:
            self._process.terminate()
            try:
                self._process.wait(10)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()
        self._process = None
        if self._workdir:
            shutil.rmtree(self._workdir, ignore_errors=True)
            self._workdir = None

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.stop()


def main(argv):
    parser = argparse.ArgumentParser(description="Run a command with DISPLAY set to a private X server.")
    parser.add_argument("--log-dir", help="where the server's log goes")
    parser.add_argument("--xvfb", action="store_true", help="use Xvfb even when Xorg would do")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args(argv)
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    if not command:
        parser.error("no command given")
    with XServer(log_dir=args.log_dir, prefer_xorg=not args.xvfb) as server:
        env = dict(os.environ, DISPLAY=server.display)
        print("xserver: %s on %s" % (server.kind, server.display), file=sys.stderr)
        return subprocess.call(command, env=env)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
