#pragma once
#include <string>

namespace vistrel::win32 {

// The running program's own file; empty when it cannot be told.
std::wstring programPath();

// The folder of the running program, without a trailing separator; "." when it cannot be told
// (the profile functions would otherwise look in the Windows folder).
std::wstring programFolder();

}  // namespace vistrel::win32
