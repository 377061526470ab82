"""The program run by an ordinary user, for tests of folders that user cannot write.

Root ignores file permissions, so a read-only program folder can only be shown by someone else:
a throwaway system user that this module creates (useradd) and runs Wine as (runuser), with a
home and a Wine prefix of its own in a temporary folder it owns (Wine refuses a prefix that
belongs to another user). It shares the run's X server; xhost lets it in. The prefix is made once
per run and removed with the session.

UserSession stands in for harness.Session in a test: programs, the inspector and `wine reg` run
as the user, everything else (xdotool, screenshots, gamma) as the shared session does it.
"""

import os
import pwd
import shutil
import subprocess
import tempfile
from pathlib import Path

import harness
import wineprefix

USER = "vistrel-e2e"


def skip_reason():
    """Why these tests cannot run here, or None."""
    if os.geteuid() != 0:
        return "needs root to create and become an unprivileged user"
    for tool in ("useradd", "runuser", "xhost"):
        if shutil.which(tool) is None:
            return "%s is not installed" % tool
    return None


def _ensure_user():
    """USER's uid and gid, creating the user on first use."""
    try:
        entry = pwd.getpwnam(USER)
    except KeyError:
        subprocess.run(["useradd", "--system", "--no-create-home", "--shell", "/usr/sbin/nologin", USER],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        entry = pwd.getpwnam(USER)
    return entry.pw_uid, entry.pw_gid


class UserSession:
    """Wine as USER on the shared session's X server."""

    def __init__(self, shared):
        self.shared = shared
        self._processes = []
        uid, gid = _ensure_user()
        self.home = Path(tempfile.mkdtemp(prefix="vistrel-e2e-home-"))
        os.chown(self.home, uid, gid)
        self.prefix = self.home / "prefix"
        subprocess.run(["xhost", "+SI:localuser:" + USER], env=shared.env(), check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
        try:
            wineprefix.initialise(lambda command, what: self._as_user(command, timeout=300), str(self.home))
        except BaseException:
            self.close()
            raise

    def __getattr__(self, name):
        return getattr(self.shared, name)  # xdotool, artifacts, display, gamma ...

    @property
    def user_folder(self):
        """The user's profile folder inside the prefix (C:\\users\\USER)."""
        return self.prefix / "drive_c" / "users" / USER

    @property
    def roaming(self):
        return self.user_folder / "AppData" / "Roaming"

    def env(self):
        return wineprefix.wine_env(str(self.prefix), self.shared.display, base={
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": str(self.home), "USER": USER,
            "LOGNAME": USER, "LC_ALL": "C.UTF-8"})

    def _command(self, args, env=None):
        # runuser resets the environment; pass ours (and env's variables) through env.
        variables = dict(self.env(), **(env or {}))
        return ["runuser", "-u", USER, "--", "env", "-i"] + ["%s=%s" % item for item in variables.items()] + args

    def _as_user(self, args, timeout):
        result = subprocess.run(self._command([str(a) for a in args]), stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout)
        if result.returncode != 0:
            raise RuntimeError("%s as %s failed (%d): %s" % (args[0], USER, result.returncode,
                                                           result.stdout.decode(errors="replace")[-2000:]))
        return result

    def start_wine(self, args, cwd=None, log_path=None, env=None):
        """Starts `wine args...` as the user; runuser stays its parent, so the group is killed."""
        process = harness.start_logged(self._command(["wine"] + [str(a) for a in args], env), None, cwd, log_path)
        self._processes.append(process)
        return process

    def end_processes(self):
        harness.kill_started(self._processes, os.killpg)
        self._processes = []
        for command in (["wineserver", "-k"], ["wineserver", "-w"]):
            subprocess.run(self._command(command), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)

    def inspect(self, *args, timeout=60):
        # The inspector must run in the user's Wine session; the user can read a copy of it.
        tool = self.home / "wininspect.exe"
        if not tool.exists():
            shutil.copy2(harness.inspector_path(), tool)
            os.chmod(tool, 0o755)
        result = subprocess.run(self._command(["wine", str(tool)] + list(args)), stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=timeout)
        return harness.parse_inspection(result.stdout)

    def close(self):
        try:
            self.end_processes()
        finally:
            subprocess.run(["xhost", "-SI:localuser:" + USER], env=self.shared.env(),
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
            shutil.rmtree(self.home, ignore_errors=True)


_session = None


def get_session(shared):
    """The run's one user session, made on first use and closed with the run's sessions."""
    global _session
    if _session is None:
        _session = UserSession(shared)
        harness.on_close(close_session)
    return _session


def close_session():
    global _session
    if _session is not None:
        _session, session = None, _session
        session.close()
