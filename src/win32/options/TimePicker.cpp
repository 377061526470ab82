#include "options/TimePicker.h"

namespace vistrel::win32 {

void initTimePicker(HWND picker) { SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"HH:mm")); }

void showTime(HWND picker, TimeOfDay time)
{
    SYSTEMTIME value{};
    GetLocalTime(&value);  // any valid date: the picker shows the time alone
    value.wHour = static_cast<WORD>(time.minuteOfDay() / 60);
    value.wMinute = static_cast<WORD>(time.minuteOfDay() % 60);
    value.wSecond = value.wMilliseconds = 0;
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
}

std::string timeText(const SYSTEMTIME& time) { return TimeOfDay::fromMinutes(time.wHour * 60 + time.wMinute).text(); }

}  // namespace vistrel::win32
