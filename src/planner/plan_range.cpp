#include "planner/plan_range.h"

namespace velmora {

std::optional<int> PlanDayCount(std::chrono::year_month_day from, std::chrono::year_month_day to) {
    const std::chrono::sys_days first{from};
    const std::chrono::sys_days last{to};
    // 29 February ten years on is 1 March.
    const std::chrono::sys_days limit =
        std::chrono::sys_days{(from.year() + std::chrono::years{kMostPlanYears}) / from.month() / 1} +
        (std::chrono::sys_days{from} - std::chrono::sys_days{from.year() / from.month() / 1});
    if (last < first || last >= limit) {
        return std::nullopt;
    }
    return static_cast<int>((last - first).count()) + 1;
}

} // namespace velmora
