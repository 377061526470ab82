#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "base/TimeOfDay.h"

namespace vistrel::win32 {

// The pages' time pickers show a time of day alone, "HH:mm", whatever the user's time format.
void initTimePicker(HWND picker);
void showTime(HWND picker, TimeOfDay time);
// "hh:mm" as the options models take it.
std::string timeText(const SYSTEMTIME& time);

}  // namespace vistrel::win32
