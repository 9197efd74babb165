#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "schedule/day_schedule.h"
#include "schedule/local_clock.h"
#include "texts/moment_text.h"

namespace velmora {

// The words of a schedule that `schedule`, `now` and `plan` print; dates and
// strengths are written as texts/moment_text.h writes them.

// Local ISO 8601 date-time to the nearest second, in the offset `clock` keeps at that moment.
std::string LocalDateTime(double julianDateUT, const LocalClock& clock);

// "day" or "night": JSON and CSV values, in English whatever the language.
std::string_view PartKey(DayHalf half);

// What the Sun does on a day: "rises_and_sets", "stays_up", "stays_down" or "no_day_of_its_own".
std::string_view SunKey(SunDayStatus status);

// The local date now where `clock` is kept.
std::chrono::year_month_day TodayAt(const LocalClock& clock);

// A moment as the system clock gives it, as a Julian date (UT).
double JulianDateUTOf(std::chrono::system_clock::time_point moment);

} // namespace velmora
