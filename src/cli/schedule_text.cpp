#include "cli/schedule_text.h"

#include "ephemeris/calendar.h"

namespace velmora {
namespace {

constexpr double kSecondsPerDay = 86400.0;

} // namespace

std::string LocalDateTime(double julianDateUT, const LocalClock& clock) {
    return LocalDateTimeText(julianDateUT, clock.UtcOffsetHoursAt(julianDateUT));
}

std::string_view PartKey(DayHalf half) {
    return half == DayHalf::Day ? "day" : "night";
}

std::string_view SunKey(SunDayStatus status) {
    switch (status) {
    case SunDayStatus::Normal:
        return "rises_and_sets";
    case SunDayStatus::SunStaysUp:
        return "stays_up";
    case SunDayStatus::SunStaysDown:
        return "stays_down";
    case SunDayStatus::NoDayOfItsOwn:
        return "no_day_of_its_own";
    }
    return "";
}

double JulianDateUTOf(std::chrono::system_clock::time_point moment) {
    const auto seconds = std::chrono::duration<double>(moment.time_since_epoch()).count();
    return kUnixEpochJulianDate + seconds / kSecondsPerDay;
}

std::chrono::year_month_day TodayAt(const LocalClock& clock) {
    const double nowUT = JulianDateUTOf(std::chrono::system_clock::now());
    return LocalDateAt(nowUT, clock.UtcOffsetHoursAt(nowUT));
}

} // namespace velmora
