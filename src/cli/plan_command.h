#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "cli/bird_options.h"
#include "cli/day_place_options.h"
#include "cli/plan_condition_options.h"
#include "texts/language_texts.h"

namespace velmora {

// The options of `velmora-cli plan`, as typed.
struct PlanOptions {
    BirdOptions bird;
    DayPlaceOptions place;
    std::string from; // YYYY-MM-DD; empty for today at the place
    std::string to;   // YYYY-MM-DD; empty for four weeks after --from
    PlanConditionOptions condition;
    std::string againstReading; // a saved reading whose bird is the other party's
    bool json = false;
    bool csv = false;
    Language language = Language::English;
    std::string icsPath;
    std::optional<int> alarmMinutes;
};

// Finds the windows asked for, prints them and writes the calendar file.
// Returns the exit status.
int RunPlan(const PlanOptions& options, std::ostream& out, std::ostream& errors);

} // namespace velmora
