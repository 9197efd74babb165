#pragma once

#include <chrono>
#include <string>

#include "model/ids.h"
#include "planner/plan_window.h"
#include "schedule/local_clock.h"
#include "texts/language_texts.h"

namespace velmora {

// A window at a glance, in `language`: the bird, then the periods' activities and
// the sub-periods' as they come, each once: "Cock: Ruling · Eating, Ruling sub-periods".
std::string WindowSummary(const PlanWindow& window, Bird bird, Language language);

// The local date a window starts on, as `clock` shows it: windows are listed under it.
std::chrono::year_month_day WindowDate(const PlanWindow& window, const LocalClock& clock);

// "2024-03-31 Sunday": the heading of a date's windows, the weekday in `language`.
std::string WindowDateHeading(std::chrono::year_month_day date, Language language);

} // namespace velmora
