#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string_view>

#include "model/ids.h"
#include "schedule/activity_tables.h"
#include "schedule/sun_times.h"

namespace velmora {

inline constexpr int kPeriodsPerDay = 2 * kYamasPerHalf;

// One of the ten periods (yamas): five equal parts of sunrise..sunset, then
// five equal parts of sunset..next sunrise.
struct DayPeriod {
    DayHalf Half = DayHalf::Day;
    int Yama = 1; // 1..5 within its half
    double StartUT = 0.0;
    double EndUT = 0.0;
};

// Which of the bird's named days the weekday is, in the day's fortnight.
struct BirdDayKind {
    bool RulingByDay = false;
    bool RulingByNight = false;
    bool Death = false;
};

// The frame of one Panch-Pakshi day for one bird. What the day's sunrise
// decides (weekday, fortnight, the bird's day) is set when a sunrise falls on
// the date; the ten periods only for a whole day (Sun.Status Normal).
struct DaySchedule {
    std::chrono::year_month_day Date;
    SunDay Sun;
    std::optional<int> Weekday;         // 0 = Sunday, of the local date of the sunrise
    std::optional<Fortnight> fortnight; // at sunrise
    velmora::Bird bird = velmora::Bird::Vulture;
    std::optional<BirdDayKind> BirdDay;
    std::optional<std::array<DayPeriod, kPeriodsPerDay>> Periods;
};

inline constexpr std::array<std::string_view, 7> WeekdayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                                 "Thursday", "Friday", "Saturday"};

// The bird's ruling and death days (the reading's day lists) for a weekday
// and a fortnight.
BirdDayKind BirdDayOf(Bird bird, int weekday, Fortnight fortnight);

// The day beginning with the sunrise of `date` at `place`, for `bird`.
DaySchedule ComputeDaySchedule(std::chrono::year_month_day date, const ObserverPlace& place, Bird bird);

} // namespace velmora
