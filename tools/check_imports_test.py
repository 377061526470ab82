"""The import check's judgement on a small import table."""

import unittest

from check_imports import problems


class ProblemsTest(unittest.TestCase):
    def test_only_what_a_planted_dll_or_an_older_windows_would_break_is_named(self):
        imports = {"KERNEL32.dll": ["Sleep", "SetThreadDescription"], "msvcrt.dll": ["malloc"],
                   "api-ms-win-crt-heap-l1-1-0.dll": ["free"], "WTSAPI32.dll": ["WTSRegisterSessionNotification"],
                   "USER32.dll": ["GetDpiForWindow", "CreateWindowExW"], "COMCTL32.dll": ["InitCommonControlsEx"]}
        with_manifest = problems(imports, [b"Microsoft.Windows.Common-Controls"])
        self.assertEqual([line.split(":")[0] for line in with_manifest],
                         ["KERNEL32.dll!SetThreadDescription", "WTSAPI32.dll", "USER32.dll!GetDpiForWindow"])
        self.assertIn("COMCTL32.dll", [line.split(":")[0] for line in problems(imports)],
                      "common controls without the manifest come from a file search")


if __name__ == "__main__":
    unittest.main()
