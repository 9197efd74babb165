#pragma once

#include <string>

#include "model/ids.h"
#include "planner/plan_window.h"
#include "texts/language_texts.h"

namespace velmora {

// A window at a glance, in `language`: the bird, then the periods' activities and
// the sub-periods' as they come, each once: "Cock: Ruling · Eating, Ruling sub-periods".
std::string WindowSummary(const PlanWindow& window, Bird bird, Language language);

} // namespace velmora
