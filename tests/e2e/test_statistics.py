"""The statistics window "休息统计", opened from the tray menu over a planted history: its chart at
96 and 144 DPI (screenshots, checked by eye), the tooltip over a day, one copy brought forward,
the sentence for no history, and 导出… writing the history byte for byte."""

import datetime
import time
from pathlib import Path

import inifile
from harness import E2ETestCase, centre, find_window, find_windows

TITLE = "Vistrel 休息统计"
WINDOW = {"cls": "Vistrel.StatisticsWindow", "text": TITLE}
WEEKDAYS = "一二三四五六日"
# The plot's place in the client area at 96 DPI (statistics_layout::kPlot and kExportButton, in pixels).
PLOT_LEFT, PLOT_TOP, PLOT_WIDTH, PLOT_HEIGHT = 56, 124, 608, 268
EXPORT_LEFT, EXPORT_TOP = 612, 440


def offset_text(moment):
    minutes = int(moment.utcoffset().total_seconds()) // 60
    sign = "-" if minutes < 0 else "+"
    return "%s%02d:%02d" % (sign, abs(minutes) // 60, abs(minutes) % 60)


def history_line(moment, event, value=""):
    return "%s,%s,%s,%s\n" % (moment.strftime("%Y-%m-%d %H:%M:%S"), event, value, offset_text(moment))


def working_day(start, rests, skipped):
    """A day from `start`: one prompt an hour, `rests` of them taken (one of those cut short) and
    `skipped` kept working, then the exit."""
    hour = datetime.timedelta(hours=1)
    lines = [history_line(start, "start")]
    at = start
    for i in range(rests + skipped):
        at += hour
        lines.append(history_line(at, "prompt"))
        if i >= rests:
            lines.append(history_line(at, "continue"))
        elif i == 0:
            lines += [history_line(at, "rest", 5), history_line(at + datetime.timedelta(seconds=90), "rest-cut", 90)]
        else:
            lines += [history_line(at, "rest", 5), history_line(at + datetime.timedelta(minutes=5), "rest-done")]
    lines.append(history_line(at + hour, "exit"))
    return lines


def planted_history(days_back):
    """A header, working days ending `days_back` days ago, and today's run still open: the run
    started two hours ago, one rest taken and one skipped since."""
    now = datetime.datetime.now().astimezone().replace(microsecond=0)
    lines = ["time,event,value,utc_offset\n"]
    for back, (rests, skipped) in zip(range(days_back, 0, -1), [(3, 1), (5, 0), (2, 4), (6, 2), (4, 1)] * 3):
        day = (now - datetime.timedelta(days=back)).replace(hour=8, minute=0, second=0)
        lines += working_day(day, rests, skipped)
    minute = datetime.timedelta(minutes=1)
    lines += [history_line(now - 120 * minute, "start"), history_line(now - 70 * minute, "prompt"),
              history_line(now - 70 * minute, "rest", 5), history_line(now - 65 * minute, "rest-done"),
              history_line(now - 20 * minute, "prompt"), history_line(now - 20 * minute, "continue")]
    return "".join(lines).encode()


class StatisticsCase(E2ETestCase):
    def setUp(self):
        self.require_program()
        super().setUp()

    def open_statistics(self):
        """Chooses "休息统计" in the tray menu with the keyboard; returns the window once shown."""
        self.click_tray_icon(button=3)
        self.wait_window(cls="#32768", visible=True)  # the tray menu
        # From the bottom: "Exit", "About", "Display", "选项…", then "休息统计".
        self.key("Up", "Up", "Up", "Up", "Up", "Return")
        window = self.wait_window(visible=True, **WINDOW)
        self.park_mouse()
        return window

    def child(self, window, cls, **criteria):
        return find_window(self.windows(), cls=cls, parent=window["hwnd"], **criteria)

    def wait_drawn(self):
        time.sleep(1)  # the window paints once shown: give the X server a moment before the picture


class StatisticsWindowTest(StatisticsCase):
    def test_opens_from_the_tray_shows_a_day_when_hovered_comes_forward_again_and_exports_the_history(self):
        history = planted_history(days_back=4)
        app_dir = self.make_app_dir()
        (app_dir / "history.csv").write_bytes(history + b"2026-13-45 25:00:00,torn")
        history += b"2026-13-45 25:00:00,torn"
        self.program = self.start_program(app_dir=app_dir)
        window = self.open_statistics()
        self.wait_drawn()
        self.save_state("96dpi")

        # Over today's bar: its numbers in a tooltip.
        button = self.child(window, "Button", text="导出…")
        self.assertTrue(button["enabled"])
        left, top = button["rect"]["left"] - EXPORT_LEFT, button["rect"]["top"] - EXPORT_TOP
        self.move(left + PLOT_LEFT + PLOT_WIDTH * 27 // 28, top + PLOT_TOP + PLOT_HEIGHT - 10)
        today = datetime.date.today()
        tip = self.wait_for(lambda: [w for w in find_windows(self.windows(), cls="tooltips_class32", visible=True)
                                     if w["text"].startswith(today.strftime("%m/%d"))], message="today's tooltip")[0]
        self.save_state("tooltip")
        self.assertEqual(tip["text"].splitlines()[:3],
                         [today.strftime("%m/%d 周") + WEEKDAYS[today.weekday()], "休息 1 次", "跳过 1 次"])

        # Asked for again: the same window, forward, and still one.
        self.park_mouse()
        again = self.open_statistics()
        self.assertEqual(again["hwnd"], window["hwnd"])
        self.assertEqual(len(find_windows(self.windows(), **WINDOW)), 1)

        # 导出…: the save dialog suggests today's name; the copy is the history byte for byte.
        self.click(*centre(self.child(window, "Button", text="导出…")["rect"]))
        suggested = "vistrel-history-%s.csv" % today.isoformat()
        name_box = self.wait_for(lambda: find_window(self.windows(), cls="Edit", text=suggested, visible=True),
                                 message="the save dialog's file name")
        target = app_dir / "export.csv"
        self.click(*centre(name_box["rect"]))
        self.key("End", "shift+Home")
        self.type_text("Z:" + str(target).replace("/", "\\"))
        self.save_state("save dialog")
        self.key("Return")
        self.wait_for(target.exists, message="the exported file")
        # The program has recorded its own start since: the history is the file as it stands.
        recorded = (app_dir / "history.csv").read_bytes()
        self.assertTrue(recorded.startswith(history), "the planted lines kept")
        self.wait_for(lambda: target.read_bytes() == recorded, 5, "the export to be the history byte for byte")
        self.assertTrue(self.program.running())


class StatisticsAt144DpiTest(StatisticsCase):
    def test_no_history_says_so_then_a_rolled_history_is_drawn_when_opened_again(self):
        self.use_dpi(144)
        # Recording off, so that the program's own start leaves no history either.
        self.program = self.start_program(config=inifile.build({"extra": {"record_history": "0"}}))
        window = self.open_statistics()
        self.wait_drawn()
        self.save_state("no history 144dpi")
        self.assertFalse(self.child(window, "Button", text="导出…")["enabled"], "nothing to export")
        rect = window["rect"]
        self.assertGreater(rect["right"] - rect["left"], 1080, "laid out at 144 DPI")

        self.click(rect["left"] + 40, rect["bottom"] - 20)  # beside the button: the window has the keyboard
        self.key("Escape")
        self.wait_no_window(**WINDOW)
        # The older file holds the first days, the current one the rest: both are read.
        text = planted_history(days_back=13)
        cut = text.index(b"\n", len(text) // 2) + 1
        (self.program.app_dir / "history-old.csv").write_bytes(text[:cut])
        (self.program.app_dir / "history.csv").write_bytes(b"time,event,value,utc_offset\n" + text[cut:])
        window = self.open_statistics()
        self.wait_drawn()
        self.save_state("fortnight 144dpi")
        self.assertTrue(self.child(window, "Button", text="导出…")["enabled"])
