"""Screen readers' view of the main window, through Microsoft Active Accessibility."""

import json
import unittest

from harness import E2ETestCase, descendants
from mainwindow import MainWindow


class AccessibilityTest(E2ETestCase):
    def test_probe(self):
        program = self.start_program()
        main = MainWindow.wait(self)
        windows = self.windows()
        for w in [main.window(windows)] + descendants(windows, main.window(windows)):
            print(json.dumps({k: w.get(k) for k in ("class", "text", "visible", "accessible")}, ensure_ascii=False))


if __name__ == "__main__":
    unittest.main()
