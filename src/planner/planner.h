#pragma once

#include <chrono>
#include <span>
#include <vector>

#include "planner/plan_condition.h"
#include "planner/plan_window.h"
#include "schedule/day_schedule.h"
#include "schedule/local_clock.h"

namespace velmora {

// The windows in `days` (one bird's consecutive days, in time order) in which
// `condition` holds, in time order: runs of good sub-periods, cut to the waking
// hours (read on `clock`) and to the other party's weak sub-periods, joined
// across period and day boundaries, kept when at least the minimum length.
// Days without periods (polar day or night) hold no window.
std::vector<PlanWindow> FindWindows(std::span<const DaySchedule> days, const LocalClock& clock,
                                    const PlanCondition& condition);

// The windows for `bird` in the days whose sunrise falls on `dayCount` local
// dates from `first`, at a latitude and longitude whose clocks keep `clock`.
std::vector<PlanWindow> PlanWindows(std::chrono::year_month_day first, int dayCount, double latitudeDeg,
                                    double longitudeDeg, const LocalClock& clock, Bird bird,
                                    const PlanCondition& condition);

} // namespace velmora
