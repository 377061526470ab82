#pragma once
#include <string>
#include <string_view>

namespace vistrel::win32 {

// The core speaks UTF-8; windows speak UTF-16; the settings file speaks the ANSI code page.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);
std::string utf8ToAnsi(std::string_view utf8);
std::string ansiToUtf8(std::string_view ansi);

}  // namespace vistrel::win32
