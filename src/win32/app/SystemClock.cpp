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

UtcTime SystemClock::utcNow() const
{
    // 100-nanosecond steps since 1601-01-01 UTC; the system time follows no time zone.
    constexpr std::int64_t kStepsPerSecond = 10'000'000;
    constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;
    FILETIME ft{};
    GetSystemTimeAsFileTime(&ft);
    const auto steps = static_cast<std::int64_t>((std::uint64_t{ft.dwHighDateTime} << 32) | ft.dwLowDateTime);
    return UtcTime{steps / kStepsPerSecond - kSecondsFrom1601To1970};
}

}  // namespace vistrel::win32
