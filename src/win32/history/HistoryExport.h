#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "text/Texts.h"

namespace vistrel::win32 {

// Where the user wants a copy of the history: the standard save dialog, opened on `suggestedName`,
// its file types named in the language of `texts`. None when the user cancels; a failure of the
// dialog itself is traced and told in `error`.
std::optional<std::wstring> askExportPath(HWND owner, const std::wstring& suggestedName, const Texts& texts,
                                          DWORD& error);

// Writes bytes as the whole of the file at path, replacing one there; 0 or the system's error.
DWORD writeWholeFile(const std::wstring& path, std::string_view bytes);

}  // namespace vistrel::win32
