"""The installer's LangStrings as packaging/nsis_texts.py writes them from a catalogue table."""

import sys
import unittest

sys.dont_write_bytecode = True

import nsis_texts  # noqa: E402

SOURCE = r'''
constexpr TextEntry<InstallerText> kTable[] = {
    {ProgramSection, "Vistrel 程序", "Vistrel program"},
    {StillRunning, "无法替换 {0}。\n请重试。",
     "Cannot replace {0}.\n"
     "Costs $5, say \"now\"\tor C:\\later."},
};
'''


class LangStringsTest(unittest.TestCase):
    def test_a_table_becomes_escaped_langstrings_with_arguments_as_defines(self):
        self.assertEqual(nsis_texts.langstrings(nsis_texts.entries(SOURCE)).splitlines()[1:], [
            'LangString PROGRAM_SECTION ${LANG_SIMPCHINESE} "Vistrel 程序"',
            'LangString PROGRAM_SECTION ${LANG_ENGLISH} "Vistrel program"',
            'LangString STILL_RUNNING ${LANG_SIMPCHINESE} "无法替换 ${STILL_RUNNING_0}。$\\r$\\n请重试。"',
            'LangString STILL_RUNNING ${LANG_ENGLISH} "Cannot replace ${STILL_RUNNING_0}.$\\r$\\n'
            'Costs $$5, say $\\"now$\\"$\\tor C:\\later."',
        ])
        with self.assertRaises(ValueError):
            nsis_texts.entries(SOURCE.replace('"Vistrel program"', 'kProgram'))


if __name__ == '__main__':
    unittest.main()
