#include "kit/clock.h"

#include <chrono>
#include <ctime>

namespace zyntra {

PlainDate Clock::Today() const {
    return Now().date;
}

PlainDateTime SystemClock::Now() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
            {local.tm_hour, local.tm_min, local.tm_sec}};
}

void FixedClock::AdvanceSeconds(long long seconds) {
    using namespace std::chrono;
    const sys_days day{year{now_.date.year} / month{static_cast<unsigned>(now_.date.month)} /
                       std::chrono::day{static_cast<unsigned>(now_.date.day)}};
    const sys_seconds moved = day + hours{now_.time.hour} + minutes{now_.time.minute} +
                              std::chrono::seconds{now_.time.second + seconds};
    const sys_days movedDay = floor<days>(moved);
    const year_month_day ymd{movedDay};
    const hh_mm_ss clockTime{moved - movedDay};
    now_ = {{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
             static_cast<int>(static_cast<unsigned>(ymd.day()))},
            {static_cast<int>(clockTime.hours().count()),
             static_cast<int>(clockTime.minutes().count()),
             static_cast<int>(clockTime.seconds().count())}};
}

} // namespace zyntra
