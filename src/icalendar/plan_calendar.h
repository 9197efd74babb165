#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>

#include "model/ids.h"
#include "planner/plan_condition.h"
#include "planner/plan_window.h"
#include "schedule/local_clock.h"
#include "texts/language_texts.h"

namespace velmora {

// What a plan's calendar says besides its windows.
struct PlanCalendarRequest {
    Bird bird = Bird::Vulture;
    PlanCondition condition; // the plan's, part of each event's UID
    Language language = Language::English;
    std::optional<int> alarmMinutes; // a reminder this many minutes before each window
    std::chrono::sys_seconds madeAt; // the events' DTSTAMP
};

// An iCalendar (RFC 5545) file of `windows`: one VEVENT each, start and end in
// UTC, the summary and a description of the parts (their times as `clock`
// shows them), their strength and the tables' source, in the request's language.
std::string PlanCalendarText(std::span<const PlanWindow> windows, const LocalClock& clock,
                             const PlanCalendarRequest& request);

} // namespace velmora
