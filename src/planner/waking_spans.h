#pragma once

#include <vector>

#include "planner/plan_condition.h"
#include "schedule/local_clock.h"

namespace velmora {

// A stretch of time, as UT Julian dates.
struct TimeSpan {
    double startUT = 0.0;
    double endUT = 0.0;
};

// The stretches from `fromUT` to `toUT`, in time order, in which clocks keeping
// `clock` show a time within `hours`. Changes of the clocks are found to the
// second; two changes less than six hours apart count as none.
std::vector<TimeSpan> WakingSpans(double fromUT, double toUT, WakingHours hours, const LocalClock& clock);

} // namespace velmora
