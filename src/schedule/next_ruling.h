#pragma once

#include <optional>
#include <span>

#include "schedule/day_schedule.h"

namespace velmora {

// A stretch of time in which the bird's main activity is Ruling: one period, or
// two that meet (the last of a day's half and the first of the next).
struct RulingSpan {
    double startUT = 0.0; // Julian dates
    double endUT = 0.0;
};

// The first stretch of Ruling in `days` (consecutive days, in order) that has not
// ended at `fromUT`: the one in progress, else the next to begin. Nothing when
// none of the days has one, as in a run of polar days.
std::optional<RulingSpan> NextRulingSpan(std::span<const DaySchedule> days, double fromUT);

} // namespace velmora
