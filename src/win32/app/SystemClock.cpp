#include "app/SystemClock.h"

#include <windows.h>

#include <chrono>

namespace vistrel::win32 {

LocalTime SystemClock::now() const
{
    SYSTEMTIME st{};
    GetLocalTime(&st);
    using namespace std::chrono;
    const sys_days day = year_month_day{year{st.wYear}, month{st.wMonth}, std::chrono::day{st.wDay}};
    const std::int64_t seconds = day.time_since_epoch().count() * LocalTime::kSecondsPerDay + st.wHour * 3600 +
                                 st.wMinute * 60 + st.wSecond;
    return LocalTime{seconds};
}

}  // namespace vistrel::win32
