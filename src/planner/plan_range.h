#pragma once

#include <chrono>
#include <optional>

namespace velmora {

inline constexpr int kMostPlanYears = 10;

// The number of local dates from `from` to `to`, both included: nothing when
// `to` is before `from` or ten years or more after it.
std::optional<int> PlanDayCount(std::chrono::year_month_day from, std::chrono::year_month_day to);

} // namespace velmora
