#include "cli/schedule_text.h"

#include <cmath>
#include <cstdlib>

#include "ephemeris/calendar.h"

namespace velmora {
namespace {

constexpr double kUnixEpochJulianDate = 2440587.5;
constexpr double kSecondsPerDay = 86400.0;

// 0..99 as two digits.
std::string TwoDigits(long long value) {
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::string OffsetText(double utcOffsetHours) {
    const long long minutes = std::llround(std::abs(utcOffsetHours) * 60.0);
    return (utcOffsetHours < 0.0 ? "-" : "+") + TwoDigits(minutes / 60) + ":" + TwoDigits(minutes % 60);
}

} // namespace

std::string DateText(std::chrono::year_month_day date) {
    return std::to_string(static_cast<int>(date.year())) + "-" +
           TwoDigits(static_cast<unsigned>(date.month())) + "-" +
           TwoDigits(static_cast<unsigned>(date.day()));
}

std::string LocalDateTime(double julianDateUT, const LocalClock& clock) {
    const double utcOffsetHours = clock.UtcOffsetHoursAt(julianDateUT);
    const long long seconds = std::llround((julianDateUT + utcOffsetHours / 24.0 + 0.5) * kSecondsPerDay);
    const long long dayNumber = seconds / 86400;
    const long long secondOfDay = seconds % 86400;
    return DateText(LocalDateAt(static_cast<double>(dayNumber), 0.0)) + "T" + TwoDigits(secondOfDay / 3600) +
           ":" + TwoDigits(secondOfDay / 60 % 60) + ":" + TwoDigits(secondOfDay % 60) +
           OffsetText(utcOffsetHours);
}

std::string StrengthText(double strength) {
    const long long hundredths = std::llround(strength * 100.0);
    return std::to_string(hundredths / 100) + "." + TwoDigits(hundredths % 100);
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
