#pragma once

#include <optional>
#include <vector>

#include "model/ids.h"

namespace velmora {

// A stretch of one sub-period in a window: all of it, or the part left by the
// waking hours and by the other party's sub-periods.
struct PlanPart {
    Activity mainActivity = Activity::Ruling; // of the period
    Activity subActivity = Activity::Ruling;
    double startUT = 0.0; // Julian dates
    double endUT = 0.0;
    double strength = 0.0;                 // the sub-period's, 0.04..1
    std::optional<Activity> otherActivity; // the other party's sub-activity, when planning against one
};

// A run of good parts with no gap between them, in time order.
struct PlanWindow {
    double startUT = 0.0;
    double endUT = 0.0;
    double minStrength = 0.0; // the lowest of its parts
    std::vector<PlanPart> parts;
};

} // namespace velmora
