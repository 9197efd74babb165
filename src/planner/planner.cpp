#include "planner/planner.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "planner/waking_spans.h"

namespace velmora {
namespace {

// Strengths are products of weights: 0.8 x 0.8 must count as 0.64.
constexpr double kStrengthTolerance = 1e-9;
constexpr double kMinutesPerDay = 1440.0;

bool HalfKept(const BirdDayKind& kind, DayHalf half, PlanDays days) {
    switch (days) {
    case PlanDays::All:
        return true;
    case PlanDays::LeaveOutDeathDays:
        return !kind.death;
    case PlanDays::RulingDaysOnly:
        return half == DayHalf::Day ? kind.rulingByDay : kind.rulingByNight;
    }
    return false;
}

bool IsGood(const DayPeriod& period, const SubPeriod& sub, const PlanCondition& condition) {
    return condition.mainActivities.Has(period.activity) && condition.subActivities.Has(sub.activity) &&
           sub.strength >= condition.minStrength - kStrengthTolerance;
}

bool IsWeak(Activity activity) {
    return activity == Activity::Sleeping || activity == Activity::Dying;
}

// The good parts of the days, in time order as the days are, before the waking hours.
std::vector<PlanPart> GoodParts(std::span<const DaySchedule> days, const PlanCondition& condition) {
    std::vector<PlanPart> parts;
    for (const DaySchedule& day : days) {
        if (!day.periods || !day.birdDay) {
            continue;
        }
        const std::optional<DaySchedule> other =
            condition.against ? std::optional(ForAnotherBird(day, *condition.against)) : std::nullopt;
        for (std::size_t i = 0; i < day.periods->size(); ++i) {
            const DayPeriod& period = (*day.periods)[i];
            if (!HalfKept(*day.birdDay, period.half, condition.days)) {
                continue;
            }
            for (const SubPeriod& sub : period.subPeriods) {
                if (!IsGood(period, sub, condition)) {
                    continue;
                }
                const PlanPart part{period.activity, sub.activity, sub.startUT, sub.endUT, sub.strength, {}};
                if (!other) {
                    parts.push_back(part);
                    continue;
                }
                // Cut at the other party's sub-periods of the same period.
                for (const SubPeriod& theirs : (*other->periods)[i].subPeriods) {
                    const double startUT = std::max(sub.startUT, theirs.startUT);
                    const double endUT = std::min(sub.endUT, theirs.endUT);
                    if (IsWeak(theirs.activity) && startUT < endUT) {
                        PlanPart cut = part;
                        cut.startUT = startUT;
                        cut.endUT = endUT;
                        cut.otherActivity = theirs.activity;
                        parts.push_back(cut);
                    }
                }
            }
        }
    }
    return parts;
}

std::vector<PlanPart> CutToSpans(const std::vector<PlanPart>& parts, const std::vector<TimeSpan>& spans) {
    std::vector<PlanPart> cut;
    std::size_t first = 0;
    for (const PlanPart& part : parts) {
        while (first < spans.size() && spans[first].endUT <= part.startUT) {
            ++first;
        }
        for (std::size_t i = first; i < spans.size() && spans[i].startUT < part.endUT; ++i) {
            PlanPart piece = part;
            piece.startUT = std::max(part.startUT, spans[i].startUT);
            piece.endUT = std::min(part.endUT, spans[i].endUT);
            if (piece.startUT < piece.endUT) {
                cut.push_back(piece);
            }
        }
    }
    return cut;
}

std::vector<PlanWindow> JoinIntoWindows(const std::vector<PlanPart>& parts, double minMinutes) {
    std::vector<PlanWindow> windows;
    const auto close = [&windows, minMinutes] {
        const PlanWindow& last = windows.back();
        if ((last.endUT - last.startUT) * kMinutesPerDay < minMinutes) {
            windows.pop_back();
        }
    };
    for (const PlanPart& part : parts) {
        if (windows.empty() || part.startUT > windows.back().endUT) {
            if (!windows.empty()) {
                close();
            }
            windows.push_back({part.startUT, part.endUT, part.strength, {}});
        }
        PlanWindow& window = windows.back();
        window.endUT = std::max(window.endUT, part.endUT);
        window.minStrength = std::min(window.minStrength, part.strength);
        window.parts.push_back(part);
    }
    if (!windows.empty()) {
        close();
    }
    return windows;
}

} // namespace

std::vector<PlanWindow> FindWindows(std::span<const DaySchedule> days, const LocalClock& clock,
                                    const PlanCondition& condition) {
    std::vector<PlanPart> parts = GoodParts(days, condition);
    if (condition.wakingHours && !parts.empty()) {
        parts = CutToSpans(
            parts, WakingSpans(parts.front().startUT, parts.back().endUT, *condition.wakingHours, clock));
    }
    return JoinIntoWindows(parts, condition.minMinutes);
}

std::vector<PlanWindow> PlanWindows(std::chrono::year_month_day first, int dayCount, double latitudeDeg,
                                    double longitudeDeg, const LocalClock& clock, Bird bird,
                                    const PlanCondition& condition) {
    const std::vector<DaySchedule> days =
        ComputeDaySchedules(first, dayCount, latitudeDeg, longitudeDeg, clock, bird);
    return FindWindows(days, clock, condition);
}

} // namespace velmora
