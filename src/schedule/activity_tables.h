#pragma once

#include <chrono>

#include "model/ids.h"

namespace velmora {

inline constexpr int kYamasPerHalf = 5;

// A nominal period (yama) is 144 minutes, six nazhigai; the sub-period lengths are
// given in its minutes and are scaled to the real period.
inline constexpr int kNominalYamaMinutes = 144;

// The bird's main activity in period `yama` (1..5) of a half of a day of that
// weekday and fortnight.
Activity MainActivityOf(Bird bird, Fortnight fortnight, DayHalf half, std::chrono::weekday weekday, int yama);

// The activity that follows `activity` in a half's cycle: each bird steps one
// place along it from one period to the next, and the sub-periods follow it too.
Activity NextActivity(Fortnight fortnight, DayHalf half, Activity activity);

// Minutes of a nominal 144-minute period that the sub-period of `activity` lasts.
int SubPeriodMinutes(Fortnight fortnight, DayHalf half, Activity activity);

// An activity's weight in a sub-period's strength: Ruling 1.0 down to Dying 0.2.
double ActivityWeight(Activity activity);

} // namespace velmora
