#pragma once

#include <optional>

#include "model/activity_set.h"
#include "model/ids.h"

namespace velmora {

// Which of the bird's days a plan looks in.
enum class PlanDays {
    All,
    LeaveOutDeathDays,
    RulingDaysOnly, // the day half of a ruling day by day, the night half of one by night
};

// Local clock times a window is cut to, in minutes after local midnight (0..1439).
// An end before the start runs past midnight; an end equal to the start keeps the whole day.
struct WakingHours {
    int startMinute = 0;
    int endMinute = 0;
};

// What makes a sub-period good. Every part must hold; the defaults ask for a
// ruling or eating sub-period of a ruling or eating period, off the death days.
struct PlanCondition {
    ActivitySet mainActivities{Activity::Ruling, Activity::Eating};
    ActivitySet subActivities{Activity::Ruling, Activity::Eating};
    double minStrength = 0.0; // 0..1, the sub-period's strength
    std::optional<WakingHours> wakingHours;
    PlanDays days = PlanDays::LeaveOutDeathDays;
    // The other party's bird: only the moments when it sleeps or dies, in its
    // own sub-periods (which start and end elsewhere than the person's).
    std::optional<Bird> against;
    double minMinutes = 10.0; // of a window, after the cuts
};

} // namespace velmora
