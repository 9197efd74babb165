#pragma once

#include <optional>
#include <string>

#include "planner/plan_condition.h"

namespace velmora {

// The options of `velmora-cli plan` that make its condition, as typed.
struct PlanConditionOptions {
    std::string main{};        // comma list of activities; empty with a strength: any
    std::string sub{};         // likewise
    std::string minStrength{}; // decimal, 0 to 1
    std::string hours{};       // HH:MM-HH:MM
    bool rulingDaysOnly = false;
    bool keepDeathDays = false;
    std::string against{};    // a bird's name
    std::string minMinutes{}; // decimal minutes
    bool mainGiven = false;   // --main or --sub on the line, even empty
    bool subGiven = false;
};

// The condition, or the message on the first value refused, and whether that
// value has not even the option's form (a usage error).
struct ConditionChoice {
    std::optional<PlanCondition> condition;
    std::string message;
    bool usage = false;
};

ConditionChoice ChooseCondition(const PlanConditionOptions& options);

} // namespace velmora
