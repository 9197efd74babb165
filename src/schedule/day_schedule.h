#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

#include "model/ids.h"
#include "schedule/activity_tables.h"
#include "schedule/day_sky.h"
#include "schedule/local_clock.h"
#include "schedule/sun_times.h"

namespace velmora {

inline constexpr int kPeriodsPerDay = 2 * kYamasPerHalf;

// One of the five sub-periods of a period: the activity held by `bird` in the
// period, as the person lives it, in the source's share of the period.
struct SubPeriod {
    Bird bird = Bird::Vulture;
    Activity activity = Activity::Ruling;
    double startUT = 0.0; // Julian dates
    double endUT = 0.0;
    double strength = 0.0; // the period's main activity's weight times this one's, 0.04..1

    bool operator==(const SubPeriod&) const = default;
};

// One of the ten periods (yamas): five equal parts of sunrise..sunset, then
// five equal parts of sunset..next sunrise, with the bird's main activity.
struct DayPeriod {
    DayHalf half = DayHalf::Day;
    int yama = 1; // 1..5 within its half
    double startUT = 0.0;
    double endUT = 0.0;
    Activity activity = Activity::Ruling;
    std::array<SubPeriod, kActivityCount> subPeriods{};

    bool operator==(const DayPeriod&) const = default;
};

// Which of the bird's named days the weekday is, in the day's fortnight.
struct BirdDayKind {
    bool rulingByDay = false;
    bool rulingByNight = false;
    bool death = false;

    bool operator==(const BirdDayKind&) const = default;
};

// One Panch-Pakshi day for one bird. What the day's sunrise decides (weekday,
// the sky at sunrise, the bird's day) is set when a sunrise falls on the date;
// the ten periods only for a whole day (sun.Status Normal).
struct DaySchedule {
    std::chrono::year_month_day date;
    SunDay sun;
    std::optional<std::chrono::weekday> weekday; // of the local date of the sunrise
    std::optional<DaySky> sky;                   // at sunrise: fortnight, tithi, star
    Bird bird = Bird::Vulture;
    std::optional<BirdDayKind> birdDay;
    std::optional<std::array<DayPeriod, kPeriodsPerDay>> periods;

    bool operator==(const DaySchedule&) const = default;
};

// The bird's ruling and death days (the reading's day lists) for a weekday
// and a fortnight.
BirdDayKind BirdDayOf(Bird bird, std::chrono::weekday weekday, Fortnight fortnight);

// The day beginning with the sunrise of `date` at `place`, for `bird`: the
// periods, their activities and sub-periods, read in the fortnight at sunrise.
DaySchedule ComputeDaySchedule(std::chrono::year_month_day date, const ObserverPlace& place, Bird bird);

// The same day for another bird: the sunrise, sky and periods of `day`, with
// `bird`'s named days, activities and sub-periods.
DaySchedule ForAnotherBird(const DaySchedule& day, Bird bird);

// The days of `dayCount` consecutive local dates from `first` at a latitude and
// longitude whose clocks keep `clock`: each date's midnight, and so which sunrise
// falls on it, is taken at the offset in force at the date's local noon.
std::vector<DaySchedule> ComputeDaySchedules(std::chrono::year_month_day first, int dayCount,
                                             double latitudeDeg, double longitudeDeg, const LocalClock& clock,
                                             Bird bird);

} // namespace velmora
