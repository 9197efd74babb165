#include "schedule/sun_times.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "ephemeris/calendar.h"

namespace velmora {
namespace {

constexpr double kDayLimitDays = 1.0; // a day's half lasts at most 24 hours; longer is polar
// The events a date needs around its midnight: from the day before that may run over
// the date to a sunrise late on the date with its sunset and next sunrise each up to
// 24 hours on.
constexpr double kNeededBeforeMidnightDays = kDayLimitDays;
constexpr double kNeededAfterMidnightDays = 1.0 + 2.0 * kDayLimitDays;

double LocalMidnightUT(std::chrono::year_month_day date, double utcOffsetHours) {
    return JulianDateUTAtMidnight(date) - utcOffsetHours / 24.0;
}

// The day of the date whose local midnight is `midnightUT`, from events that cover
// the date's needs (any further ones change nothing).
SunDay SunDayFromEvents(double midnightUT, const SunEvents& found) {
    const std::vector<SunEvent>& events = found.Events;
    const auto firstOnOrAfterMidnight =
        std::lower_bound(events.begin(), events.end(), midnightUT,
                         [](const SunEvent& event, double moment) { return event.MomentUT < moment; });
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

} // namespace

SunDay ComputeSunDay(std::chrono::year_month_day date, const ObserverPlace& place) {
    const double midnightUT = LocalMidnightUT(date, place.UtcOffsetHours);
    return SunDayFromEvents(midnightUT, SunEventsBetween(midnightUT - kNeededBeforeMidnightDays,
                                                         midnightUT + kNeededAfterMidnightDays, place));
}

std::vector<SunDay> ComputeSunDays(std::chrono::year_month_day first, std::span<const double> utcOffsetHours,
                                   double latitudeDeg, double longitudeDeg) {
    std::vector<double> midnightsUT;
    midnightsUT.reserve(utcOffsetHours.size());
    const std::chrono::sys_days firstDay{first};
    for (std::size_t i = 0; i < utcOffsetHours.size(); ++i) {
        midnightsUT.push_back(
            LocalMidnightUT(std::chrono::year_month_day{firstDay + std::chrono::days{static_cast<int>(i)}},
                            utcOffsetHours[i]));
    }
    std::vector<SunDay> days;
    if (midnightsUT.empty()) {
        return days;
    }
    // One search for the whole run: the events are those each date's own search finds.
    const auto [earliestUT, latestUT] = std::minmax_element(midnightsUT.begin(), midnightsUT.end());
    const SunEvents found =
        SunEventsBetween(*earliestUT - kNeededBeforeMidnightDays, *latestUT + kNeededAfterMidnightDays,
                         {latitudeDeg, longitudeDeg, 0.0});
    days.reserve(midnightsUT.size());
    for (const double midnightUT : midnightsUT) {
        days.push_back(SunDayFromEvents(midnightUT, found));
    }
    return days;
}

} // namespace velmora
