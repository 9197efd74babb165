#pragma once

#include <array>
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

// The frame of one Panch-Pakshi day for one bird. When the Sun does not rise
// or set (Sun.Status not Normal) there are no periods and no weekday.
struct DaySchedule {
    LocalDate Date;
    SunDay Sun;
    int Weekday = 0;                       // 0 = Sunday, of the local date of the sunrise
    Fortnight fortnight = Fortnight::Dark; // at sunrise
    velmora::Bird bird = velmora::Bird::Vulture;
    BirdDayKind BirdDay;
    std::array<DayPeriod, kPeriodsPerDay> Periods{};
};

// The bird's ruling and death days (the reading's day lists) for a weekday
// and a fortnight.
BirdDayKind BirdDayOf(Bird bird, int weekday, Fortnight fortnight);

// The day beginning with the sunrise of `date` at `place`, for `bird`.
DaySchedule ComputeDaySchedule(const LocalDate& date, const Place& place, Bird bird);

} // namespace velmora
