"""The text check's judgement on small sources."""

import unittest

from check_texts import cpp_problems, rc_problems

SOURCE = r'''
#include "text/Texts.h"
// 注释里的中文不算
const wchar_t kName[] = L"\u5C4F\u5E55";
const char* kBytes = "\xE5\xB1\x8F";
auto u = u8"休息";
const wchar_t* kFace = L"\u5FAE\u8F6F";  // not user text: a font face name
void f(HWND w, Texts& texts)
{
    trace(L"\u5C4F " + std::wstring(L"\u5E55"));
    SetWindowTextW(w, L"Form1");
    SetWindowTextW(w, widen(texts(MainWindowText::Title)).c_str());
    MessageBoxW(w, text.c_str(), L"", MB_OK);
    m_text.draw(dc, {FontSpec{L"Consolas", 9.0}, kBlack}, L"\n", box);
    auto tip = std::make_unique<ImageButton>(w, RECT{}, 1, L"Back", 2);
    tool.lpszText = const_cast<wchar_t*>(L"Close");
    wcscpy_s(data.szTip, std::size(data.szTip), L"Vistrel");
    SendMessageW(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"plain"));
}
'''

RC = '''
CAPTION "General"
BEGIN
    LTEXT           "", -1, 16, 18, 50, 8
    AUTOCHECKBOX    "Start with Windows", 100, 16, 10, 244, 10
    // GROUPBOX "a comment"
    CONTROL         "", 101, "msctls_trackbar32", 0, 1, 1, 1, 1
END
'''


class ProblemsTest(unittest.TestCase):
    def test_names_each_user_text_with_its_line_and_exempts_traces_comments_and_marked_lines(self):
        found = cpp_problems("a.cpp", SOURCE)
        self.assertEqual([line.split(":")[1] for line in found], ["4", "5", "6", "11", "15", "16", "17", "18"], found)
        self.assertIn("passed to SetWindowTextW", found[3])
        self.assertIn("passed to ImageButton", found[4])

    def test_dialog_templates_carry_no_text(self):
        found = rc_problems("a.rc", RC)
        self.assertEqual([line.split(":")[1] for line in found], ["2", "5"], found)


if __name__ == "__main__":
    unittest.main()
