"""The rest history as the user leaves it: each answer to the prompt and each rest appends its
line to history.csv beside config.ini, from the start of the run to its exit; turned off, no file
appears at all."""

import unittest

import inifile

from test_rest_reminder import (CLOSE_IMAGE_SIZE, CLOSE_IMAGE_TOP, CONTINUE_WORK, PROMPT_CLASS, SCREEN_CLASS,
                                RestReminderCase, settings)
from mainwindow import SCREEN_SIZE

HEADER = "time,event,value,utc_offset"


class HistoryTest(RestReminderCase):
    def history(self):
        path = self.program.app_dir / "history.csv"
        return path.read_text(encoding="utf-8") if path.exists() else None

    def events(self):
        """(event, value) of each line after the header."""
        lines = self.history().splitlines()
        self.assertEqual(lines[0], HEADER)
        return [tuple(line.split(",")[1:3]) for line in lines[1:]]

    def continue_work(self):
        prompt = self.wait_for_due_prompt()
        self.click_label(prompt, CONTINUE_WORK)
        self.wait_no_window(cls=PROMPT_CLASS, visible=True, timeout=10)

    def test_a_continue_a_rest_to_its_end_and_one_cut_short_are_recorded_from_start_to_exit(self):
        self.start(settings(rest="1"))
        self.continue_work()
        self.take_rest()
        self.wait_no_window(cls=SCREEN_CLASS, visible=True, timeout=90)  # a minute's rest runs out
        self.take_rest()
        self.wait_for(self.counting_screen, 5, "the first remaining time")
        self.click(SCREEN_SIZE[0] // 2, CLOSE_IMAGE_TOP + CLOSE_IMAGE_SIZE // 2)
        self.park_mouse()
        self.wait_no_window(cls=SCREEN_CLASS, visible=True, timeout=10)
        self.main.exit(self.program)

        events = self.events()
        cut = events[-2]
        self.assertEqual(events[:-2] + [events[-1]],
                         [("start", ""), ("prompt", ""), ("continue", ""), ("prompt", ""), ("rest", "1"),
                          ("rest-done", ""), ("prompt", ""), ("rest", "1"), ("exit", "")])
        self.assertEqual(cut[0], "rest-cut")
        self.assertIn(int(cut[1]), range(0, 60), "the seconds rested before the close")

    def test_turned_off_no_history_file_appears(self):
        self.start(inifile.build({"dsxx": {"mei": "1", "xiuxi": "1", "pdrun": "1"}, "extra": {"record_history": "0"}}))
        self.continue_work()
        self.main.exit(self.program)
        self.assertIsNone(self.history())


if __name__ == "__main__":
    unittest.main()
