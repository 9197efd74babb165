#include "schedule/sun_times.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora {
namespace {

constexpr double kDayLimitDays = 1.0; // a day's half lasts at most 24 hours; longer is polar

} // namespace

double JulianDayAtMidnightUT(const LocalDate& date) {
    int year = date.Year;
    int month = date.Month;
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const int century = year / 100;
    const int gregorian = 2 - century + century / 4;
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + date.Day + gregorian -
           1524.5;
}

LocalDate LocalDateOf(double julianDayUT, double utcOffsetHours) {
    const double z = std::floor(julianDayUT + utcOffsetHours / 24.0 + 0.5);
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    const double a = z + 1.0 + alpha - std::floor(alpha / 4.0);
    const double b = a + 1524.0;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    LocalDate date;
    date.Day = static_cast<int>(b - d - std::floor(30.6001 * e));
    date.Month = static_cast<int>(e < 14.0 ? e - 1.0 : e - 13.0);
    date.Year = static_cast<int>(date.Month > 2 ? c - 4716.0 : c - 4715.0);
    return date;
}

int WeekdayOf(double julianDayUT, double utcOffsetHours) {
    const auto day = static_cast<long long>(std::floor(julianDayUT + utcOffsetHours / 24.0 + 0.5));
    return static_cast<int>((day + 1) % 7);
}

SunDay ComputeSunDay(const LocalDate& date, const Place& place) {
    const double midnightUT = JulianDayAtMidnightUT(date) - place.UtcOffsetHours / 24.0;
    // Wide enough for the day before that may run over the date, and for a sunrise
    // late on the date with its sunset and next sunrise each up to 24 hours on.
    const SunEvents found =
        SunEventsBetween(midnightUT - kDayLimitDays, midnightUT + 1.0 + 2.0 * kDayLimitDays, place);
    const std::vector<SunEvent>& events = found.Events;
    const auto firstOnOrAfterMidnight =
        std::find_if(events.begin(), events.end(),
                     [midnightUT](const SunEvent& event) { return event.MomentUT >= midnightUT; });
    const auto sunrise = std::find_if(firstOnOrAfterMidnight, events.end(),
                                      [](const SunEvent& event) { return event.Rising; });
    // Events alternate, so the one after a rising is a setting and the next a rising.
    const auto within = [&events](auto event, double sinceUT) {
        return event != events.end() && event->MomentUT - sinceUT <= kDayLimitDays;
    };

    SunDay day;
    if (sunrise != events.end() && sunrise->MomentUT < midnightUT + 1.0) {
        day.SunriseUT = sunrise->MomentUT;
        const auto sunset = std::next(sunrise);
        if (!within(sunset, sunrise->MomentUT)) {
            day.Status = SunDayStatus::SunStaysUp;
            return day;
        }
        day.SunsetUT = sunset->MomentUT;
        const auto nextSunrise = std::next(sunset);
        if (!within(nextSunrise, sunset->MomentUT)) {
            day.Status = SunDayStatus::SunStaysDown;
            return day;
        }
        day.NextSunriseUT = nextSunrise->MomentUT;
        return day;
    }

    // No sunrise on the date. Only a day that rose within the 24 hours before
    // midnight, sets on the date and rises again within 24 hours can cover it;
    // otherwise the Sun stays up or down for more than 24 hours.
    const bool upAtMidnight = firstOnOrAfterMidnight != events.begin()
                                  ? std::prev(firstOnOrAfterMidnight)->Rising
                                  : found.UpAtStart;
    day.Status = upAtMidnight ? SunDayStatus::SunStaysUp : SunDayStatus::SunStaysDown;
    if (!upAtMidnight || firstOnOrAfterMidnight == events.begin()) {
        return day;
    }
    const auto coveringSunrise = std::prev(firstOnOrAfterMidnight);
    const auto sunset = firstOnOrAfterMidnight;
    if (!within(sunset, coveringSunrise->MomentUT)) {
        return day;
    }
    if (!within(std::next(sunset), sunset->MomentUT)) {
        day.Status = SunDayStatus::SunStaysDown;
        return day;
    }
    day.Status = SunDayStatus::NoDayOfItsOwn;
    day.CoveringSunriseUT = coveringSunrise->MomentUT;
    return day;
}

} // namespace velmora
