"""The rest reminder as a user meets it: the prompt at the due minute, its four choices, and the
full-screen countdown of a rest that ends by itself or with its close image.

Waiting for due minutes on the wall clock would cost up to a minute each, so where libfaketime
is installed the program runs on a clock that the test moves forward within the minute (never
more than the minute, so the program sees its tick every second, as with a real clock). The
rest countdown itself counts timer ticks, not clock time, so a one-minute rest takes a real
minute either way. Without libfaketime the tests wait for the real clock.
"""

import glob
import os
import re
import subprocess
import time
import unittest
from pathlib import Path

import inifile
from harness import PROGRAM_NAME, E2ETestCase, Program, centre, find_window, rect_tuple, twips
from mainwindow import SCREEN_SIZE, MainWindow

PROMPT_CLASS = "Vistrel.RestPrompt"
SCREEN_CLASS = "Vistrel.CountdownScreen"
PROMPT_SIZE = (twips(4890), twips(1935))
WS_CAPTION, WS_THICKFRAME = 0x00C00000, 0x00040000
WS_EX_TOOLWINDOW, WS_EX_APPWINDOW, WS_EX_LAYERED, WS_EX_NOACTIVATE = 0x80, 0x40000, 0x80000, 0x08000000

# The prompt's labels (left, top, width, height in twips of its client area).
MESSAGE = (15, 315, 4935, 555)  # Label1
DISPLAY_OFF = (30, 855, 4905, 375)  # Label4, "关闭显示器"
LOCK_AND_DISPLAY_OFF = (30, 1230, 4920, 360)  # Label5, "锁屏 + 关闭显示器"
CONTINUE_WORK = (15, 1590, 4950, 330)  # Label2, "继续工作"
MESSAGE_BACKGROUND = (192, 255, 255)
MESSAGE_TEXT = (64, 64, 64)
CONTINUE_BACKGROUND = (255, 255, 192)

# The countdown screen on this screen: panel and close image centred, tops at their design places.
PANEL_TOP, PANEL_SIZE = twips(2880), (twips(13215), twips(2055))
CLOSE_IMAGE_TOP, CLOSE_IMAGE_SIZE = twips(5280), 60
HEADING_TOP, HEADING_SIZE = twips(1560), (twips(10935), twips(855))

COUNTDOWN_TEXT = re.compile(r"^(\d+):(\d+):(\d+)$")


def find_libfaketime():
    """libfaketime's preload library, or None when it is not installed."""
    wanted = os.environ.get("VISTREL_LIBFAKETIME")
    if wanted:
        return wanted if os.path.exists(wanted) else None
    for pattern in ("/usr/lib/*/faketime/libfaketime.so.1", "/usr/lib/faketime/libfaketime.so.1",
                    "/usr/local/lib/faketime/libfaketime.so.1", "/usr/lib64/faketime/libfaketime.so.1"):
        found = sorted(glob.glob(pattern))
        if found:
            return found[0]
    return None


class SteppedClock:
    """The program's wall clock: the real one plus an offset read from a file, which only grows.

    Time zones differ from UTC by whole minutes, so the second within the minute is the same
    locally and in UTC, and that is all the test moves.
    """

    def __init__(self, library, path, start_second):
        self.library = library
        self.path = Path(path)
        self.offset = (start_second - int(time.time()) % 60) % 60 if library else 0
        self._write()

    @property
    def faked(self):
        return self.library is not None

    def env(self):
        if not self.faked:
            return {}
        # The monotonic clock stays real: Wine times its timers and waits by it.
        return {"LD_PRELOAD": self.library, "FAKETIME_TIMESTAMP_FILE": str(self.path),
                "FAKETIME_CACHE_DURATION": "1", "FAKETIME_DONT_FAKE_MONOTONIC": "1"}

    def now(self):
        return time.time() + self.offset

    def second(self):
        return int(self.now()) % 60

    def forward_to_second(self, second):
        """Moves the clock forward to that second of the current minute, if it is not past it;
        the real clock is waited for instead."""
        current = self.second()
        if current >= second:
            return
        if not self.faked:
            time.sleep(second - current)
            return
        self.offset += second - current
        self._write()
        time.sleep(1.5)  # the library reads the file again at most a second later

    def forward(self, seconds):
        """Moves the clock forward by whole minutes or more, for a program that is not ticking
        meanwhile (a modal box holds its timer back); the real clock is waited for instead."""
        if not self.faked:
            time.sleep(seconds)
            return
        self.offset += seconds
        self._write()
        time.sleep(1.5)

    def _write(self):
        self.path.write_text("+%d\n" % self.offset)


def settings(work="1", rest="1"):
    return inifile.build({"dsxx": {"mei": work, "xiuxi": rest, "pdrun": "1"}})


class RestReminderCase(E2ETestCase):
    """Starts the program on a stepped clock and finds and works the reminder's windows."""

    # Long enough for a due minute on the real clock.
    MINUTE_TIMEOUT = 80

    def setUp(self):
        self.require_program()  # before the session starts: a skip then costs nothing
        super().setUp()

    # --- starting ----------------------------------------------------------------------------

    def start(self, config, wait_for_main_window=True, wine_debug=None):
        app_dir = self.make_app_dir(config)
        # Start with the minute young, so the program has loaded before it turns.
        self.clock = SteppedClock(find_libfaketime(), app_dir / "clock.rc", start_second=5)
        env = self.session.env()
        # The server of this prefix keeps the real clock: start it first, for the whole test.
        subprocess.run(["wineserver", "-p"], env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)
        env.update(self.clock.env())
        if wine_debug:
            env["WINEDEBUG"] = wine_debug
        with open(app_dir / "wine.log", "ab") as log:
            process = subprocess.Popen(["wine", str(app_dir / PROGRAM_NAME)], cwd=app_dir, env=env,
                                       stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                                       start_new_session=True)
        self.addCleanup(self._end, process)
        self.program = Program(app_dir, process)
        if wait_for_main_window:
            self.main = MainWindow.wait(self)
            self.park_mouse()
        return self.program

    @staticmethod
    def _end(process):
        if process.poll() is None:
            process.kill()
            try:
                process.wait(20)
            except subprocess.TimeoutExpired:
                pass

    # --- the reminder's windows --------------------------------------------------------------

    def prompt(self, windows=None):
        return find_window(windows if windows is not None else self.windows(), cls=PROMPT_CLASS, visible=True)

    def countdown_screen(self, windows=None):
        return find_window(windows if windows is not None else self.windows(), cls=SCREEN_CLASS, visible=True)

    def wait_for_due_prompt(self):
        """Lets the next minute come (soon, on a faked clock) and returns the prompt it opens."""
        deadline = time.monotonic() + self.MINUTE_TIMEOUT
        while time.monotonic() < deadline:
            prompt = self.prompt()
            if prompt:
                return prompt
            # The first seconds of a minute are left to the program, to see the minute it may be
            # due in; then on towards the end of that minute. Ten seconds are left there: a program
            # slowed by a busy machine that sees no tick in the whole due minute counts it as time
            # away, and the prompt then comes a work period later.
            if self.clock.second() >= 15:
                self.clock.forward_to_second(50)
            time.sleep(0.5)
        self.save_state("no-prompt")
        self.fail("the rest prompt did not open within a minute")

    def assert_no_prompt_for(self, seconds, message):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.assertIsNone(self.prompt(), message)
            time.sleep(0.5)

    def pass_minutes_without_prompt(self, count, message):
        """Lets `count` minutes begin on the stepped clock, and sees no prompt in any of them."""
        for _ in range(count):
            self.clock.forward_to_second(57)
            time.sleep(4)  # into the next minute, on the real clock
            self.assertIsNone(self.prompt(), message)

    def tray_menu_lines(self):
        """The texts of the menu items the program drew, as Wine's menu trace tells them (the
        program runs with WINEDEBUG=+menu), in the order drawn."""
        log = (self.program.app_dir / "wine.log").read_text(errors="replace")
        texts = re.findall(r'draw_menu_item \{ ID=\S+,.*?Text=L"((?:[^"\\]|\\.)*)"', log)
        return [re.sub(r"\\([0-9a-f]{4})", lambda m: chr(int(m.group(1), 16)), t) for t in texts]

    def click_label(self, prompt, label):
        left, top, width, height = label
        x = prompt["client"]["left"] + twips(left) + twips(width) // 2
        y = prompt["client"]["top"] + twips(top) + twips(height) // 2
        self.click(x, y)
        self.park_mouse()

    def remaining_seconds(self, screen):
        match = COUNTDOWN_TEXT.match(screen["text"])
        self.assertIsNotNone(match, "the countdown screen carries the remaining time: %r" % screen["text"])
        hours, minutes, seconds = (int(g) for g in match.groups())
        return hours * 3600 + minutes * 60 + seconds

    def counting_screen(self):
        """The countdown screen once it shows a remaining time: "Start" lasts until the first tick."""
        screen = self.countdown_screen()
        return screen if screen and screen["text"] != "Start" else None

    def take_rest(self):
        prompt = self.wait_for_due_prompt()
        # A rest taken as its minute begins ends as the next one begins, when the next rest time
        # could land either side of the minute: start it well inside the minute instead.
        self.clock.forward_to_second(20)
        self.click_label(prompt, MESSAGE)
        screen = self.wait_window(cls=SCREEN_CLASS, visible=True, timeout=15)
        self.wait_no_window(cls=PROMPT_CLASS, visible=True, timeout=10)
        return screen

    def assert_countdown_style(self, screen):
        """Borderless, translucent and not topmost."""
        self.assertEqual(screen["style"] & (WS_CAPTION | WS_THICKFRAME), 0)
        self.assertFalse(screen["topmost"])
        self.assertTrue(screen["exstyle"] & WS_EX_LAYERED)
        self.assertEqual(screen["alpha"], 200)

    def assert_countdown_drawn(self, shot, left=0, width=SCREEN_SIZE[0]):
        """White figures in the black panel, the heading above and the close image below, all
        centred on the monitor that starts at left and is width wide."""
        middle = left + width // 2
        panel_left = left + (width - PANEL_SIZE[0]) // 2
        panel = (panel_left, PANEL_TOP, panel_left + PANEL_SIZE[0], PANEL_TOP + PANEL_SIZE[1])
        white = shot.count(panel, (255, 255, 255), 40)
        self.assertGreater(white, 500, "the remaining time is drawn")
        left_half = shot.count((panel[0], panel[1], middle, panel[3]), (255, 255, 255), 40)
        self.assertLess(abs(2 * left_half - white), white // 3, "and centred")
        heading_left = left + (width - HEADING_SIZE[0]) // 2
        heading = (heading_left, HEADING_TOP, heading_left + HEADING_SIZE[0], HEADING_TOP + HEADING_SIZE[1])
        self.assertGreater(shot.count(heading, (255, 255, 255), 40), 20, "the heading is drawn")
        close = (middle - CLOSE_IMAGE_SIZE // 2, CLOSE_IMAGE_TOP)
        self.assertGreater(shot.count(close + (close[0] + CLOSE_IMAGE_SIZE, close[1] + CLOSE_IMAGE_SIZE),
                                      (255, 255, 255), 40), 500, "the round close image")


class RestReminderTest(RestReminderCase):
    def test_prompt_opens_in_the_due_minute_bottom_right_translucent_and_topmost(self):
        self.start(settings())
        self.assertIsNone(self.prompt(), "no prompt before the due minute")
        prompt = self.wait_for_due_prompt()
        self.save_state("prompt")

        self.assertEqual(prompt["text"], "你有 1 分钟休息时间")
        width, height = PROMPT_SIZE
        screen_width, screen_height = SCREEN_SIZE
        # No taskbar here: the work area is the whole screen.
        self.assertEqual(rect_tuple(prompt["rect"]),
                         (screen_width - width, screen_height - height, screen_width, screen_height))
        self.assertEqual(prompt["rect"], prompt["client"], "no frame")
        self.assertEqual(prompt["style"] & (WS_CAPTION | WS_THICKFRAME), 0)
        self.assertTrue(prompt["topmost"])
        self.assertTrue(prompt["exstyle"] & WS_EX_LAYERED)
        self.assertEqual(prompt["alpha"], 220)
        self.assertEqual(prompt["exstyle"] & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW), WS_EX_APPWINDOW,
                         "Alt+Tab lists it: the keyboard's way to its choices")
        self.assertTrue(prompt["exstyle"] & WS_EX_NOACTIVATE, "it leaves the focus where it was")

        # The message is painted in its colours (the server draws no translucency without a
        # compositor, so the colours are exact).
        shot = self.grab()
        left, top = prompt["client"]["left"], prompt["client"]["top"]
        label = (left + twips(MESSAGE[0]), top + twips(MESSAGE[1]),
                 left + twips(MESSAGE[0] + MESSAGE[2]) - 3, top + twips(MESSAGE[1] + MESSAGE[3]))
        area = (label[2] - label[0]) * (label[3] - label[1])
        self.assertGreater(shot.count(label, MESSAGE_BACKGROUND, 4), area // 2, "the message's background")
        self.assertGreater(shot.count(label, MESSAGE_TEXT, 40), 30, "the message's text")
        button = (left + twips(CONTINUE_WORK[0]), top + twips(CONTINUE_WORK[1]),
                  left + width - 2, top + twips(CONTINUE_WORK[1] + CONTINUE_WORK[3]) - 1)
        self.assertGreater(shot.count(button, CONTINUE_BACKGROUND, 4), 0, "继续工作 on its yellow")

    def test_a_start_up_message_held_open_past_the_due_minute_still_brings_the_rest(self):
        # The colour switch is on and there is no backup file: the load stops at a message box.
        config = inifile.build({"dsxx": {"mei": "1", "xiuxi": "1", "pdrun": "1"}, "eye": {"pdrun": "1"}})
        self.start(config, wait_for_main_window=False)
        box = self.wait_window(cls="#32770", text="tips", visible=True)
        due_minute = int(self.clock.now()) // 60 + 1
        self.clock.forward(120)  # the whole due minute passes while the box is open
        self.assertGreater(int(self.clock.now()) // 60, due_minute)
        ok = find_window(self.windows(), parent=box["hwnd"], cls="Button")
        self.click(*centre(ok["rect"]))
        self.park_mouse()
        prompt = self.wait_window(cls=PROMPT_CLASS, visible=True, timeout=15)
        self.assertEqual(prompt["text"], "你有 1 分钟休息时间")

    def test_a_stored_pause_holds_the_prompts_until_resumed_from_the_tray_menu(self):
        until = time.localtime(time.time() + 11 * 60)  # ten minutes ahead of the program's clock, or more
        config = inifile.build({"dsxx": {"mei": "1", "xiuxi": "1", "pdrun": "1"},
                                "extra": {"paused_until": time.strftime("%Y-%m-%d %H:%M", until)}})
        self.start(config, wine_debug="+menu")
        self.pass_minutes_without_prompt(2, "no prompt while paused")

        self.click_tray_icon(button=3)
        self.wait_for(self.tray_menu_lines, 10, "the tray menu")
        self.save_state("menu")
        self.assertEqual(self.tray_menu_lines()[0], "提醒已暂停至 %s" % time.strftime("%H:%M", until))
        # The status line, "推迟 5 分钟", then "暂停提醒": its submenu ends with "继续提醒".
        self.key("Down", "Down", "Down", "Right", "Up", "Return")
        resumed_minute = int(self.clock.now()) // 60
        self.wait_for(lambda: dict(((s, k), v) for s, k, v in self.program.config_entries()).get(
            ("extra", "paused_until")) == "", 10, "the pause's end written at once")
        prompt = self.wait_for_due_prompt()
        self.assertEqual(int(self.clock.now()) // 60, resumed_minute + 1, "a work minute after resuming")
        self.assertEqual(prompt["text"], "你有 1 分钟休息时间")

    def test_time_away_counts_as_the_rest_when_asked_to(self):
        config = inifile.build({"dsxx": {"mei": "2", "xiuxi": "1", "pdrun": "1"},
                                "extra": {"away_counts_as_rest": "1"}})
        self.start(config)
        due_minute = int(self.clock.now()) // 60 + 2
        time.sleep(62)  # no input for the rest minute (the idle time runs on the real clock)
        self.clock.forward_to_second(57)
        self.pass_minutes_without_prompt(1, "no prompt in the due minute: the time away was the rest")
        self.assertEqual(int(self.clock.now()) // 60, due_minute)

        self.move(*centre(self.main.window()["rect"]))  # back: the next rest comes a work period later
        self.park_mouse()
        back_minute = int(self.clock.now()) // 60
        self.wait_for_due_prompt()
        self.assertEqual(int(self.clock.now()) // 60, back_minute + 2)

    def test_continue_work_closes_the_prompt_and_the_next_rest_comes_a_work_period_later(self):
        self.start(settings())
        prompt = self.wait_for_due_prompt()
        due_minute = int(self.clock.now()) // 60
        self.click_label(prompt, CONTINUE_WORK)
        self.wait_no_window(cls=PROMPT_CLASS, visible=True, timeout=10)
        self.assertIsNone(self.countdown_screen(), "no rest was started")

        if int(self.clock.now()) // 60 == due_minute:
            self.assert_no_prompt_for(3, "the prompt does not come back within the same minute")
        prompt = self.wait_for_due_prompt()
        self.assertEqual(int(self.clock.now()) // 60, due_minute + 1, "one work minute later")

    def test_taking_the_rest_counts_down_full_screen_and_ends_by_itself(self):
        self.start(settings())
        screen = self.take_rest()
        self.save_state("countdown")

        self.assertEqual(rect_tuple(screen["rect"]), (0, 0) + SCREEN_SIZE)
        self.assert_countdown_style(screen)

        first = self.remaining_seconds(self.wait_for(self.counting_screen, 5, "the first remaining time"))
        self.assertLess(first, 60)
        time.sleep(3)
        now = self.remaining_seconds(self.countdown_screen())
        self.assertLess(now, first, "the remaining time counts down")

        self.assert_countdown_drawn(self.grab())

        # The rest counts one tick a second: a one-minute rest ends about a minute after it began.
        # The rest ended between the last look that still saw the screen and the first that did
        # not; a minute may turn in between, so the next rest's minute is known within that span.
        seen_open = [self.clock.now()]

        def screen_closed():
            looked_at = self.clock.now()
            closed = self.countdown_screen() is None
            if not closed:
                seen_open[0] = looked_at
            return closed

        self.wait_for(screen_closed, now + 20, "the countdown screen to close")
        ended = (int(seen_open[0]) // 60, int(self.clock.now()) // 60)
        self.assertTrue(self.program.running())
        self.assertIsNone(self.prompt())
        self.wait_for_due_prompt()
        self.assertIn(int(self.clock.now()) // 60 - 1, range(ended[0], ended[1] + 1),
                      "the next rest is scheduled from the end")

    def test_the_close_image_ends_the_rest_early(self):
        self.start(settings(rest="5"))
        self.take_rest()
        screen = self.wait_for(self.counting_screen, 5, "the first remaining time")
        self.assertTrue(screen["text"].startswith("0:4:"), "a five-minute countdown: %s" % screen["text"])
        self.click((SCREEN_SIZE[0]) // 2, CLOSE_IMAGE_TOP + CLOSE_IMAGE_SIZE // 2)
        self.park_mouse()
        self.wait_no_window(cls=SCREEN_CLASS, visible=True, timeout=10)
        self.assertTrue(self.program.running())
        closed_minute = int(self.clock.now()) // 60
        # The next rest comes a work minute after the close, while the countdown goes on unseen.
        prompt = self.wait_for_due_prompt()
        self.assertEqual(int(self.clock.now()) // 60, closed_minute + 1)
        self.assertEqual(prompt["text"], "你有 5 分钟休息时间")

    def test_display_off_choices_close_the_prompt_and_schedule_the_next_rest(self):
        self.start(settings())
        for label, name in ((DISPLAY_OFF, "关闭显示器"), (LOCK_AND_DISPLAY_OFF, "锁屏 + 关闭显示器")):
            with self.subTest(choice=name):
                prompt = self.wait_for_due_prompt()
                chosen_minute = int(self.clock.now()) // 60
                self.click_label(prompt, label)
                self.wait_no_window(cls=PROMPT_CLASS, visible=True, timeout=10)
                self.assertIsNone(self.countdown_screen())
                # The display goes off about two seconds later; the program carries on.
                time.sleep(3)
                self.assertTrue(self.program.running())
                if int(self.clock.now()) // 60 == chosen_minute:
                    self.assertIsNone(self.prompt(), "not again in the same minute")


if __name__ == "__main__":
    unittest.main()
