"""Around the rest as a user meets it: the notice a minute before, postponing from the tray menu,
no rest outside the working hours, and a rest held while a meeting holds the microphone.

The program runs on the stepped clock of test_rest_reminder. When the program gave a notice is
read from its trace (WINEDEBUG=warn+seh), as the tray menu's lines are read from Wine's menu
trace; Wine writes a trace line in the ANSI code page, so its Chinese arrives as question marks,
and the full text is read from the balloon Wine draws for it (a tooltip window of explorer.exe,
shown two seconds after the notice). Wine sends no notification when the balloon is clicked, so
that path is left to the unit tests of the tray menu.
"""

import re
import time
import unittest

import inifile
from harness import find_window
from test_rest_reminder import PROMPT_CLASS, RestReminderCase, find_libfaketime

NEXT_TIME = (5490, 2760, 1920, 600)  # Label5, "下次时间"'s time on the main page
WEEKDAYS = ("周一", "周二", "周三", "周四", "周五", "周六", "周日")
POSTPONE_LINE = "\n可在托盘菜单中推迟"
CONSENT_STORE = r"HKCU\Software\Microsoft\Windows\CurrentVersion\CapabilityAccessManager\ConsentStore"
BALLOON_CLASS = "tooltips_class32"


def config(work="1", rest="1", **extra):
    sections = {"dsxx": {"mei": work, "xiuxi": rest, "pdrun": "1"}}
    if extra:
        sections["extra"] = extra
    return inifile.build(sections)


def minute_text(minute):
    """"hh:mm" of a minute counted from the epoch, in local time."""
    return time.strftime("%H:%M", time.localtime(minute * 60))


def as_traced(text):
    """The text as Wine's trace keeps it: what the ANSI code page lacks becomes "?"."""
    return re.sub(r"[^\x00-\x7f]", "?", text)


class RestFlowTest(RestReminderCase):
    def notices(self):
        """The notices the program gave, in order, as its trace tells them."""
        log = (self.program.app_dir / "wine.log").read_text(errors="replace")
        lines = re.findall(r'seh:OutputDebugStringA "Vistrel: notice: (.*?)(?:\\n)?"$', log, re.MULTILINE)
        return [line.replace("\\n", "\n") for line in lines]

    def balloon(self):
        """Wine draws the notice as a balloon tooltip beside its tray window."""
        return find_window(self.all_windows(), cls=BALLOON_CLASS, visible=True)

    def wait_for_balloon(self):
        """The text of the notice's balloon, once it shows."""
        return self.wait_for(self.balloon, 10, "the notice's balloon")["text"]

    def program_minute_at_start(self):
        """The minute the program will start in: the stepped clock begins at second 5 of the
        current minute, or of the next once that second has gone (the real clock without libfaketime)."""
        now = time.time()
        if find_libfaketime():
            now += (5 - int(now) % 60) % 60
        return int(now) // 60

    def next_time_area(self):
        return self.grab().region(self.main.screen_rect(NEXT_TIME))

    def test_the_notice_comes_a_minute_before_and_the_tray_menu_postpones_the_rest_five_minutes(self):
        self.start(config(work="2"), wine_debug="warn+seh,+menu")
        start_minute = int(self.clock.now()) // 60
        self.clock.forward_to_second(57)
        self.assertEqual(self.notices(), [], "no notice two minutes ahead")
        self.wait_for(self.notices, 10, "the notice")
        self.assertEqual(int(self.clock.now()) // 60, start_minute + 1, "a minute before the rest")
        text = self.wait_for_balloon()
        self.assertEqual(text, "1 分钟后休息 1 分钟" + POSTPONE_LINE)
        self.assertEqual(self.notices(), [as_traced(text)])
        self.save_state("notice")
        # Gone by itself after ten seconds; it stands beside the tray, which may cover the main page.
        self.wait_for(lambda: self.balloon() is None, 30, "the balloon to go")

        before = self.next_time_area()
        self.click_tray_icon(button=3)
        self.wait_for(self.tray_menu_lines, 10, "the tray menu")
        self.assertEqual(self.tray_menu_lines()[:2], ["下次休息 %s" % minute_text(start_minute + 2), "推迟 5 分钟"])
        self.save_state("menu")
        self.key("Down", "Down", "Return")  # past the first line to "推迟 5 分钟"
        postponed_minute = int(self.clock.now()) // 60
        self.park_mouse()
        self.wait_for(lambda: self.next_time_area() != before, 10, "下次时间 to change")

        # The rest's old minute passes quietly; the next notice and the prompt come five minutes on.
        self.pass_minutes_without_prompt(4, "no prompt before the postponed time")
        prompt = self.wait_for_due_prompt()
        self.assertEqual(int(self.clock.now()) // 60, postponed_minute + 5)
        self.assertEqual(prompt["text"], "你有 1 分钟休息时间")
        self.assertEqual(len(self.notices()), 2, "one notice for the postponed rest")

    def test_the_notice_at_144_dpi(self):
        self.use_dpi(144)
        self.start(config(), wine_debug="warn+seh")
        # The rest is due within the minute: the notice comes at once, in seconds.
        self.assertRegex(self.wait_for_balloon(), r"^\d+ 秒后休息 1 分钟\n")
        self.save_state("notice-144dpi")

    def test_outside_the_working_hours_no_rest_comes_and_their_start_begins_a_work_period(self):
        start_minute = self.program_minute_at_start()
        begins = start_minute + 2  # the rest falls due at start + 1, an hour ahead of the hours
        hours = "%s-%s" % (minute_text(begins), minute_text(begins + 60))
        self.start(config(work_hours=hours), wine_debug="warn+seh,+menu")
        self.assertEqual(int(self.clock.now()) // 60, start_minute)

        self.click_tray_icon(button=3)
        self.wait_for(self.tray_menu_lines, 10, "the tray menu")
        weekday = WEEKDAYS[time.localtime(begins * 60).tm_wday]
        self.assertEqual(self.tray_menu_lines()[0], "非工作时间，%s %s 开始提醒" % (weekday, minute_text(begins)))
        self.save_state("menu")
        self.key("Escape")

        self.pass_minutes_without_prompt(1, "no prompt in the due minute outside the working hours")
        self.assertEqual(self.notices(), [], "and no notice for it")
        self.wait_for_due_prompt()
        self.assertEqual(int(self.clock.now()) // 60, begins + 1, "a work minute after the hours began")

    def test_a_meeting_in_the_capability_store_holds_a_due_rest_until_it_ends(self):
        # A desktop program holding the microphone, as Windows records it while the call runs.
        app = CONSENT_STORE + r"\microphone\NonPackaged\C:#Program Files#Meeting#meeting.exe"
        self.session.wine_reg("add", app, "/v", "LastUsedTimeStart", "/t", "REG_QWORD", "/d",
                              "133500000000000000", "/f")
        self.session.wine_reg("add", app, "/v", "LastUsedTimeStop", "/t", "REG_QWORD", "/d", "0", "/f")
        self.addCleanup(self.session.wine_reg, "delete", CONSENT_STORE, "/f")
        self.start(config())
        self.pass_minutes_without_prompt(2, "no prompt while the microphone is in use")

        self.session.wine_reg("delete", app, "/f")  # the call ends
        self.wait_window(cls=PROMPT_CLASS, visible=True, timeout=15)


if __name__ == "__main__":
    unittest.main()
