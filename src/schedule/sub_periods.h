#pragma once

#include <array>
#include <chrono>

#include "model/ids.h"
#include "schedule/activity_tables.h"

namespace velmora {

// One of the five sub-periods of a period, in minutes of a nominal 144-minute period.
struct SubPeriodShare {
    Activity activity = Activity::Ruling;
    Bird bird = Bird::Vulture; // the bird whose main activity in the period this is
    int startMinute = 0;
    int minutes = 0;
};

// The sub-periods of period `yama` (1..5) for a person of bird `person`: the first
// is the person's own main activity, the rest follow the half's cycle.
std::array<SubPeriodShare, kActivityCount> SubPeriodsOf(Bird person, Fortnight fortnight, DayHalf half,
                                                        std::chrono::weekday weekday, int yama);

// A sub-period's strength for the person: the product of the weights of the main
// activity and the sub-period's activity, 0.04 to 1.
double StrengthOf(Activity mainActivity, Activity subActivity);

} // namespace velmora
