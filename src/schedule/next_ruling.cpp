#include "schedule/next_ruling.h"

#include <cmath>

namespace velmora {

namespace {

// Periods meet when one begins within a second of the other's end: a day's last period ends at
// the next sunrise as that day finds it, the next day's first begins at the same sunrise found again.
constexpr double kMeetingDays = 1.0 / 86400.0;

} // namespace

std::optional<RulingSpan> NextRulingSpan(std::span<const DaySchedule> days, double fromUT) {
    std::optional<RulingSpan> span;
    for (const DaySchedule& day : days) {
        if (!day.periods) {
            if (span) {
                return span; // a day without periods ends the stretch
            }
            continue;
        }
        for (const DayPeriod& period : *day.periods) {
            const bool ruling = period.activity == Activity::Ruling;
            if (span) {
                if (!ruling || std::abs(period.startUT - span->endUT) > kMeetingDays) {
                    return span;
                }
                span->endUT = period.endUT;
            } else if (ruling && period.endUT > fromUT) {
                span = RulingSpan{period.startUT, period.endUT};
            }
        }
    }
    return span;
}

} // namespace velmora
