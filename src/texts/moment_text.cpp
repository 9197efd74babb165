#include "texts/moment_text.h"

#include <cmath>

#include "ephemeris/calendar.h"

namespace velmora {
namespace {

// 0..99 as two digits.
std::string TwoDigits(long long value) {
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::chrono::sys_seconds LocalSecond(double julianDateUT, double utcOffsetHours) {
    return NearestSecondAt(julianDateUT) + std::chrono::seconds{std::llround(utcOffsetHours * 3600.0)};
}

} // namespace

std::string UtcOffsetText(double utcOffsetHours) {
    const long long minutes = std::llround(std::abs(utcOffsetHours) * 60.0);
    return (utcOffsetHours < 0.0 ? "-" : "+") + TwoDigits(minutes / 60) + ":" + TwoDigits(minutes % 60);
}

std::string DateText(std::chrono::year_month_day date) {
    return std::to_string(static_cast<int>(date.year())) + "-" +
           TwoDigits(static_cast<unsigned>(date.month())) + "-" +
           TwoDigits(static_cast<unsigned>(date.day()));
}

std::string LocalDateTimeText(double julianDateUT, double utcOffsetHours) {
    const std::chrono::sys_seconds local = LocalSecond(julianDateUT, utcOffsetHours);
    const std::chrono::sys_days day = std::chrono::floor<std::chrono::days>(local);
    const std::chrono::hh_mm_ss time{local - day};
    return DateText(day) + "T" + TwoDigits(time.hours().count()) + ":" + TwoDigits(time.minutes().count()) +
           ":" + TwoDigits(time.seconds().count()) + UtcOffsetText(utcOffsetHours);
}

std::string LocalClockText(double julianDateUT, double utcOffsetHours) {
    const auto local = std::chrono::round<std::chrono::minutes>(LocalSecond(julianDateUT, utcOffsetHours));
    const std::chrono::hh_mm_ss time{local - std::chrono::floor<std::chrono::days>(local)};
    return TwoDigits(time.hours().count()) + ":" + TwoDigits(time.minutes().count());
}

std::string StrengthText(double strength) {
    const long long hundredths = std::llround(strength * 100.0);
    return std::to_string(hundredths / 100) + "." + TwoDigits(hundredths % 100);
}

} // namespace velmora
