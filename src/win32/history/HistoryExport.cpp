#include "history/HistoryExport.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "base/FileBytes.h"
#include "base/SystemLibrary.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "base/UniqueHandle.h"
#include "text/HistoryTexts.h"

namespace vistrel::win32 {
namespace {

// "CSV 文件 (*.csv)" and "所有文件 (*.*)", each followed by its pattern, the list ended by an empty name.
std::wstring filter(const Texts& texts)
{
    using namespace std::string_literals;
    return widen(texts(HistoryText::CsvFiles)) + L"\0*.csv\0"s + widen(texts(HistoryText::AllFiles)) + L"\0*.*\0"s;
}
constexpr size_t kPathCapacity = 32768;  // the longest path the wide file functions take

}  // namespace

std::optional<std::wstring> askExportPath(HWND owner, const std::wstring& suggestedName, const Texts& texts,
                                          DWORD& error)
{
    error = 0;
    // comdlg32 is a KnownDLL, but importing it would load it and the common controls it imports at
    // every start, for a dialog most runs never open. It stays loaded once used: the dialog may
    // leave hooks and threads of the shell behind it.
    SystemLibrary comdlg32(L"comdlg32.dll");
    const auto getSaveFileName = comdlg32.function<decltype(&::GetSaveFileNameW)>("GetSaveFileNameW");
    const auto extendedError = comdlg32.function<decltype(&::CommDlgExtendedError)>("CommDlgExtendedError");
    if (!getSaveFileName || !extendedError) {
        error = GetLastError();
        traceLastError(L"loading GetSaveFileNameW");
        return std::nullopt;
    }
    comdlg32.keepLoaded();

    std::vector<wchar_t> path(kPathCapacity, L'\0');
    std::copy_n(suggestedName.begin(), std::min(suggestedName.size(), path.size() - 1), path.begin());
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    const std::wstring filters = filter(texts);  // its terminating NUL ends the list
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = L"csv";
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (getSaveFileName(&dialog)) return std::wstring(path.data());
    if (const DWORD code = extendedError()) {
        error = code;
        trace(L"GetSaveFileNameW failed: error " + std::to_wstring(code));
    }
    return std::nullopt;
}

DWORD writeWholeFile(const std::wstring& path, std::string_view bytes)
{
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        traceError(L"CreateFileW " + path, error);
        return error;
    }
    if (const DWORD error = writeAll(file.get(), bytes)) {
        traceError(L"WriteFile " + path, error);
        return error;
    }
    return 0;
}

}  // namespace vistrel::win32
