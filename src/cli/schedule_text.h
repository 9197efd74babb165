#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "schedule/day_schedule.h"
#include "schedule/local_clock.h"
#include "texts/language_texts.h"
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

// `text` and blanks after it up to `columns` characters (each UTF-8 sequence one), for a table's column.
std::string PaddedTo(std::string_view text, std::size_t columns);

// What the Sun does on a day without ten periods, said instead of them.
std::string_view SunWords(const SunDay& sun, const ScheduleLabels& labels);

// The bird's named days the day is, or that it is none of them.
std::string BirdDayWords(const BirdDayKind& kind, const ScheduleLabels& labels);

// The local date now where `clock` is kept.
std::chrono::year_month_day TodayAt(const LocalClock& clock);

} // namespace velmora
