"""The rest reminder on two monitors side by side: the countdown screen covers both, the prompt
stays at the bottom right of the primary one, and a rest follows the monitors as they change.

These tests run on an X server of their own whose dummy outputs DUMMY0 and DUMMY1 are lit side by
side; Wine reads them through RandR when it starts and again when they change.
"""

from harness import find_windows, rect_tuple
from test_rest_reminder import (CLOSE_IMAGE_SIZE, CLOSE_IMAGE_TOP, PROMPT_SIZE, SCREEN_CLASS, RestReminderCase,
                                settings)

MONITOR = (1920, 1080)
WIDTH, HEIGHT = MONITOR
PRIMARY = (0, 0, WIDTH, HEIGHT)
SECOND = (WIDTH, 0, 2 * WIDTH, HEIGHT)


class RestOnTwoMonitorsTest(RestReminderCase):
    OUTPUTS = (MONITOR, MONITOR)

    def screens(self):
        """The countdown screen's visible windows, left to right."""
        windows = find_windows(self.windows(), cls=SCREEN_CLASS, visible=True)
        return sorted(windows, key=lambda w: w["rect"]["left"])

    def wait_screens(self, *rects):
        """The countdown screen's windows once there is one on each of these places."""
        def placed():
            screens = self.screens()
            return screens if [rect_tuple(w["rect"]) for w in screens] == list(rects) else None
        return self.wait_for(placed, 20, "countdown windows on %s" % (rects,))

    def wait_same_time(self):
        """The primary window once every window shows the same remaining time (the windows are
        read one by one, so a tick may fall between two of them)."""
        def same():
            screens = self.screens()
            texts = {w["text"] for w in screens}
            return screens[0] if len(texts) == 1 and "Start" not in texts else None
        return self.wait_for(same, 10, "one remaining time on every monitor")

    def monitors(self):
        return [(rect_tuple(m["monitor"]), m["primary"]) for m in self.session.inspect("--monitors")]

    def test_the_rest_covers_both_monitors_ends_by_itself_or_on_either_close_image_and_follows_them(self):
        self.start(settings())
        self.assertEqual(self.monitors(), [(PRIMARY, True), (SECOND, False)], "Wine reports both monitors")

        prompt = self.wait_for_due_prompt()
        self.save_state("prompt")
        # No taskbar here: the work area is the whole primary monitor.
        self.assertEqual(rect_tuple(prompt["rect"]), (WIDTH - PROMPT_SIZE[0], HEIGHT - PROMPT_SIZE[1], WIDTH, HEIGHT),
                         "the prompt at the primary monitor's bottom right")

        self.take_rest()
        primary, second = self.wait_screens(PRIMARY, SECOND)
        for screen in (primary, second):
            self.assert_countdown_style(screen)
        self.assertEqual(second["owner"], primary["hwnd"], "one taskbar button: the primary window owns the other")
        now = self.remaining_seconds(self.wait_same_time())
        self.save_state("both-monitors")
        shot = self.grab()
        self.assert_countdown_drawn(shot, 0, WIDTH)
        self.assert_countdown_drawn(shot, WIDTH, WIDTH)

        # The rest counts one tick a second: a one-minute rest ends about a minute after it began.
        self.wait_no_window(cls=SCREEN_CLASS, visible=True, timeout=now + 20)
        self.assertIsNone(self.prompt())

        # The next rest ends at a click on the second monitor's close image.
        self.take_rest()
        self.wait_screens(PRIMARY, SECOND)
        self.click(WIDTH + WIDTH // 2, CLOSE_IMAGE_TOP + CLOSE_IMAGE_SIZE // 2)
        self.park_mouse()
        self.wait_no_window(cls=SCREEN_CLASS, visible=True, timeout=10)
        self.assertTrue(self.program.running())

        # With the second monitor gone, the rest after that covers the primary one alone. (Wine
        # tells programs nothing when monitors change outside it, so an open rest keeps its
        # windows until it ends; the next one reads the monitors afresh.)
        self.session.xserver.light_outputs([MONITOR])
        self.wait_for(lambda: self.monitors() == [(PRIMARY, True)], 10, "Wine to see one monitor")
        self.take_rest()
        self.wait_screens(PRIMARY)
