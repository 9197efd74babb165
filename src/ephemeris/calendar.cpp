#include "ephemeris/calendar.h"

#include <cmath>

namespace velmora {

double DayNumber(double month, double day, double year) {
    const double n = 12.0 * (year + 4800.0) + month - 3.0; // months since March of -4800
    const double m = n - 12.0 * std::floor(n / 12.0);      // 0 = March .. 11 = February
    double j = std::floor((365.0 * n + 2.0 * m + 7.0) / 12.0) + day + std::floor(n / 48.0) - 32083.0;
    if (j > 2299171.0) {
        j = j + std::floor(n / 4800.0) - std::floor(n / 1200.0) + 38.0;
    }
    return j;
}

double CivilDayNumber(double month, double day, double year) {
    return DayNumber(month, day, year) - 0.5;
}

std::chrono::year_month_day DayNumberToCalendar(double julianDate) {
    const double z = std::floor(julianDate + 0.5);
    const double f = (julianDate + 0.5) - z;
    double a = z;
    if (z >= 2299161.0) {
        const double alpha = std::floor((z - 1867216.25) / 36524.25);
        a = z + 1.0 + alpha - std::floor(alpha / 4.0);
    }
    const double b = a + 1524.0;
    const double c = std::floor((b - 122.1) / 365.25);
    const double dd = std::floor(365.25 * c);
    const double e = std::floor((b - dd) / 30.6001);
    const double dayWithFraction = b - dd - std::floor(30.6001 * e) + f;

    const auto day = static_cast<unsigned>(std::floor(dayWithFraction));
    const auto month = static_cast<unsigned>(e < 13.5 ? e - 1.0 : e - 13.0);
    const auto year = static_cast<int>(month > 2 ? c - 4716.0 : c - 4715.0);
    return std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day};
}

double JulianDateUTAtMidnight(std::chrono::year_month_day date) {
    return CivilDayNumber(static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                          static_cast<int>(date.year()));
}

std::chrono::year_month_day LocalDateAt(double julianDateUT, double utcOffsetHours) {
    return DayNumberToCalendar(julianDateUT + utcOffsetHours / 24.0);
}

std::chrono::weekday LocalWeekdayAt(double julianDateUT, double utcOffsetHours) {
    return std::chrono::weekday{std::chrono::sys_days{LocalDateAt(julianDateUT, utcOffsetHours)}};
}

std::chrono::sys_seconds NearestSecondAt(double julianDateUT) {
    return std::chrono::sys_seconds{
        std::chrono::seconds{std::llround((julianDateUT - kUnixEpochJulianDate) * 86400.0)}};
}

double JulianDateUTOf(std::chrono::sys_time<std::chrono::milliseconds> moment) {
    return kUnixEpochJulianDate + static_cast<double>(moment.time_since_epoch().count()) / 86400000.0;
}

} // namespace velmora
