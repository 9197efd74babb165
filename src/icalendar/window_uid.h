#pragma once

#include <string>

#include "model/ids.h"
#include "planner/plan_condition.h"
#include "planner/plan_window.h"

namespace velmora {

// A calendar event's UID for a window: a hash of the bird, the window's start
// and end to the second and the condition, so that the same window exported
// again has the same UID and a calendar updates it instead of adding it twice.
std::string WindowUid(Bird bird, const PlanWindow& window, const PlanCondition& condition);

} // namespace velmora
