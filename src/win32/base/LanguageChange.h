#pragma once
#include <windows.h>

namespace vistrel::win32 {

// Sent to each of the program's top-level windows after the user chose another language: the
// window takes its texts from the catalogue again (its own, its children's, its tooltips') and
// redraws. Windows opened later read the new language as they are built.
UINT languageChangedMessage();

// Tells every top-level window of this thread, synchronously.
void announceLanguageChange();

}  // namespace vistrel::win32
