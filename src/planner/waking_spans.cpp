#include "planner/waking_spans.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr double kSampleStepDays = 0.25;
constexpr double kSecondDays = 1.0 / 86400.0;
constexpr double kMinutesPerDay = 1440.0;

// A stretch of time through which the clocks keep one offset.
struct SteadyClock {
    double startUT = 0.0;
    double endUT = 0.0;
    double utcOffsetHours = 0.0;
};

// The first moment after `beforeUT`, to the second, at which the offset differs
// from the one then: `afterUT` has another.
double ChangeBetween(double beforeUT, double afterUT, const LocalClock& clock) {
    const double offsetBefore = clock.UtcOffsetHoursAt(beforeUT);
    while (afterUT - beforeUT > kSecondDays) {
        const double middleUT = (beforeUT + afterUT) / 2.0;
        (clock.UtcOffsetHoursAt(middleUT) == offsetBefore ? beforeUT : afterUT) = middleUT;
    }
    return afterUT;
}

std::vector<SteadyClock> SteadyStretches(double fromUT, double toUT, const LocalClock& clock) {
    std::vector<SteadyClock> stretches;
    double startUT = fromUT;
    double offset = clock.UtcOffsetHoursAt(fromUT);
    for (double sampleUT = fromUT; sampleUT < toUT;) {
        const double nextUT = std::min(sampleUT + kSampleStepDays, toUT);
        const double nextOffset = clock.UtcOffsetHoursAt(nextUT);
        if (nextOffset != offset) {
            const double changeUT = ChangeBetween(sampleUT, nextUT, clock);
            stretches.push_back({startUT, changeUT, offset});
            startUT = changeUT;
            offset = nextOffset;
        }
        sampleUT = nextUT;
    }
    stretches.push_back({startUT, toUT, offset});
    return stretches;
}

} // namespace

std::vector<TimeSpan> WakingSpans(double fromUT, double toUT, WakingHours hours, const LocalClock& clock) {
    std::vector<TimeSpan> spans;
    const double startDays = hours.startMinute / kMinutesPerDay;
    const double endDays =
        hours.endMinute / kMinutesPerDay + (hours.endMinute <= hours.startMinute ? 1.0 : 0.0);
    for (const SteadyClock& stretch : SteadyStretches(fromUT, toUT, clock)) {
        const double aheadDays = stretch.utcOffsetHours / 24.0;
        // Local midnights as Julian dates, from the one before the stretch's start.
        const double firstMidnight = std::floor(stretch.startUT + aheadDays - 0.5) + 0.5 - 1.0;
        for (double midnight = firstMidnight; midnight - aheadDays < stretch.endUT; midnight += 1.0) {
            const double startUT = std::max(midnight + startDays - aheadDays, stretch.startUT);
            const double endUT = std::min(midnight + endDays - aheadDays, stretch.endUT);
            if (startUT >= endUT) {
                continue;
            }
            if (!spans.empty() && startUT <= spans.back().endUT) {
                spans.back().endUT = std::max(spans.back().endUT, endUT);
            } else {
                spans.push_back({startUT, endUT});
            }
        }
    }
    return spans;
}

} // namespace velmora
