#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <vector>

#include "schedule/sun_events.h"

namespace velmora {

enum class SunDayStatus {
    Normal,        // a sunrise on the date, then a sunset and the next sunrise, each within 24 hours
    SunStaysUp,    // polar day: the Sun is up for more than 24 hours
    SunStaysDown,  // polar night: the Sun is down for more than 24 hours
    NoDayOfItsOwn, // no sunrise on the date, though the Sun is not polar: the day before runs over it
};

// The day of a local date, as Julian dates in UT. Each time is set when known:
// the sunrise when one falls on the date, the sunset when it follows within 24
// hours, the next sunrise when that follows the sunset within 24 hours (so all
// three for a Normal day). A NoDayOfItsOwn date has only CoveringSunriseUT,
// the sunrise that began the day that covers it.
struct SunDay {
    SunDayStatus Status = SunDayStatus::Normal;
    std::optional<double> SunriseUT;
    std::optional<double> SunsetUT;
    std::optional<double> NextSunriseUT;
    std::optional<double> CoveringSunriseUT;

    bool operator==(const SunDay&) const = default;
};

// The day of the local date `date` at `place`: the one whose sunrise falls on the
// date (the first, when two do), if the Sun then sets and rises again, each within
// 24 hours. Local midnight is taken at the place's UtcOffsetHours.
SunDay ComputeSunDay(std::chrono::year_month_day date, const ObserverPlace& place);

// The days of consecutive local dates from `first`, one for each offset in
// `utcOffsetHours` (that of its date), each equal to ComputeSunDay's, found with
// one search for the whole run.
std::vector<SunDay> ComputeSunDays(std::chrono::year_month_day first, std::span<const double> utcOffsetHours,
                                   double latitudeDeg, double longitudeDeg);

} // namespace velmora
