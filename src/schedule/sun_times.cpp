#include "schedule/sun_times.h"

#include <algorithm>
#include <vector>

#include "ephemeris/calendar.h"

namespace velmora {
namespace {

constexpr double kDayLimitDays = 1.0; // a day's half lasts at most 24 hours; longer is polar

} // namespace

SunDay ComputeSunDay(std::chrono::year_month_day date, const ObserverPlace& place) {
    const double midnightUT = JulianDateUTAtMidnight(date) - place.UtcOffsetHours / 24.0;
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
