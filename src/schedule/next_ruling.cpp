#include "schedule/next_ruling.h"

#include <cmath>

namespace velmora {

namespace {

// Periods meet when one begins within a second of the other's end: a day's last period ends at
// the next sunrise as that day finds it, the next day's first begins at the same sunrise found again.
constexpr double kMeetingDays = 1.0 / 86400.0;

} // namespace

std::optional<RulingSpan> NextRulingSpan(std::span<const DaySchedule> days, double fromUT) {
    std::optional<RulingSpan> stretch; // the stretch of Ruling the periods read so far end with
    for (const DaySchedule& day : days) {
        if (!day.periods) {
            if (stretch && stretch->endUT > fromUT) {
                return stretch; // a day without periods ends the stretch
            }
            stretch.reset();
            continue;
        }
        for (const DayPeriod& period : *day.periods) {
            if (period.activity != Activity::Ruling) {
                if (stretch && stretch->endUT > fromUT) {
                    return stretch;
                }
                stretch.reset();
            } else if (stretch && std::abs(period.startUT - stretch->endUT) <= kMeetingDays) {
                stretch->endUT = period.endUT;
            } else if (stretch && stretch->endUT > fromUT) {
                return stretch;
            } else {
                stretch = RulingSpan{period.startUT, period.endUT};
            }
        }
    }
    if (stretch && stretch->endUT > fromUT) {
        return stretch;
    }
    return std::nullopt;
}

} // namespace velmora
