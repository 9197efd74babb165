#pragma once

#include <chrono>
#include <iosfwd>
#include <vector>

#include <nlohmann/json.hpp>

#include "planner/plan_condition.h"
#include "planner/plan_window.h"
#include "schedule/local_clock.h"
#include "texts/language_texts.h"

namespace velmora {

// A plan as computed, for printing.
struct PlanReport {
    Bird bird = Bird::Vulture;
    std::chrono::year_month_day from;
    std::chrono::year_month_day to;
    nlohmann::ordered_json place; // as given or found
    PlanCondition condition;
    std::vector<PlanWindow> windows;
};

// One line per window, under a heading for each local date a window starts on.
void WritePlanText(std::ostream& out, const PlanReport& report, const LocalClock& clock, Language language);

// The plan as one JSON object; times local ISO 8601 with the offset then in force.
nlohmann::ordered_json PlanJson(const PlanReport& report, const LocalClock& clock);

// One CSV row per part of a window.
void WritePlanCsv(std::ostream& out, const PlanReport& report, const LocalClock& clock);

} // namespace velmora
