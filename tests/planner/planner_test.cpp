#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ephemeris/calendar.h"
#include "planner/planner.h"
#include "planner/stepping_clock.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

constexpr double kMinutesPerDay = 1440.0;

// ---- The brute force: every stretch between any two boundaries, judged at its middle.

struct Slice {
    double startUT = 0.0;
    double endUT = 0.0;
    Activity main = Activity::Ruling;
    Activity sub = Activity::Ruling;
    double strength = 0.0;
    DayHalf half = DayHalf::Day;
    BirdDayKind kind;
};

std::vector<Slice> SlicesOf(const std::vector<DaySchedule>& days) {
    std::vector<Slice> slices;
    for (const DaySchedule& day : days) {
        if (!day.periods) {
            continue;
        }
        for (const DayPeriod& period : *day.periods) {
            for (const SubPeriod& sub : period.subPeriods) {
                slices.push_back({sub.startUT, sub.endUT, period.activity, sub.activity, sub.strength,
                                  period.half, *day.birdDay});
            }
        }
    }
    return slices;
}

const Slice* SliceAt(const std::vector<Slice>& slices, double momentUT) {
    auto after = std::upper_bound(slices.begin(), slices.end(), momentUT,
                                  [](double t, const Slice& slice) { return t < slice.startUT; });
    if (after == slices.begin()) {
        return nullptr;
    }
    const Slice& slice = *std::prev(after);
    return momentUT < slice.endUT ? &slice : nullptr;
}

struct Case {
    Bird bird = Bird::Vulture;
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0;
    std::chrono::year_month_day first;
    int dayCount = 1;
    SteppingClock clock{0.0, 0.0, 0.0};
    PlanCondition condition;
};

bool Kept(const Slice& slice, PlanDays days) {
    switch (days) {
    case PlanDays::All:
        return true;
    case PlanDays::LeaveOutDeathDays:
        return !slice.kind.death;
    case PlanDays::RulingDaysOnly:
        return slice.half == DayHalf::Day ? slice.kind.rulingByDay : slice.kind.rulingByNight;
    }
    return false;
}

bool Awake(double momentUT, const LocalClock& clock, const WakingHours& hours) {
    const double local = momentUT + clock.UtcOffsetHoursAt(momentUT) / 24.0 + 0.5;
    const double minute = (local - std::floor(local)) * kMinutesPerDay;
    if (hours.startMinute < hours.endMinute) {
        return minute >= hours.startMinute && minute < hours.endMinute;
    }
    if (hours.startMinute > hours.endMinute) {
        return minute >= hours.startMinute || minute < hours.endMinute;
    }
    return true;
}

std::vector<PlanWindow> BruteForce(const Case& c) {
    const PlanCondition& condition = c.condition;
    const std::vector<Slice> own =
        SlicesOf(ComputeDaySchedules(c.first, c.dayCount, c.latitudeDeg, c.longitudeDeg, c.clock, c.bird));
    const std::vector<Slice> other =
        condition.against ? SlicesOf(ComputeDaySchedules(c.first, c.dayCount, c.latitudeDeg, c.longitudeDeg,
                                                         c.clock, *condition.against))
                          : std::vector<Slice>{};
    std::vector<double> boundaries{c.clock.changeUT()};
    for (const std::vector<Slice>* slices : {&own, &other}) {
        for (const Slice& slice : *slices) {
            boundaries.push_back(slice.startUT);
            boundaries.push_back(slice.endUT);
        }
    }
    if (condition.wakingHours) {
        const double firstMidnight = JulianDateUTAtMidnight(c.first);
        for (int day = -2; day <= c.dayCount + 2; ++day) {
            for (const double offsetHours : {c.clock.hoursBefore(), c.clock.hoursAfter()}) {
                for (const int minute :
                     {condition.wakingHours->startMinute, condition.wakingHours->endMinute}) {
                    boundaries.push_back(firstMidnight + day + minute / kMinutesPerDay - offsetHours / 24.0);
                }
            }
        }
    }
    std::sort(boundaries.begin(), boundaries.end());

    std::vector<PlanWindow> windows;
    for (std::size_t i = 1; i < boundaries.size(); ++i) {
        const double startUT = boundaries[i - 1];
        const double endUT = boundaries[i];
        if (endUT <= startUT) {
            continue;
        }
        const double middleUT = (startUT + endUT) / 2.0;
        const Slice* mine = SliceAt(own, middleUT);
        if (mine == nullptr || !Kept(*mine, condition.days) || !condition.mainActivities.Has(mine->main) ||
            !condition.subActivities.Has(mine->sub) || mine->strength < condition.minStrength - 1e-9) {
            continue;
        }
        if (condition.wakingHours && !Awake(middleUT, c.clock, *condition.wakingHours)) {
            continue;
        }
        if (condition.against) {
            const Slice* theirs = SliceAt(other, middleUT);
            if (theirs == nullptr || (theirs->sub != Activity::Sleeping && theirs->sub != Activity::Dying)) {
                continue;
            }
        }
        if (!windows.empty() && startUT == windows.back().endUT) {
            windows.back().endUT = endUT;
            windows.back().minStrength = std::min(windows.back().minStrength, mine->strength);
        } else {
            windows.push_back({startUT, endUT, mine->strength, {}});
        }
    }
    std::erase_if(windows, [&condition](const PlanWindow& window) {
        return (window.endUT - window.startUT) * kMinutesPerDay < condition.minMinutes;
    });
    return windows;
}

ActivitySet SomeActivities(std::mt19937& random) {
    const unsigned bits = std::uniform_int_distribution<unsigned>(1, 31)(random);
    ActivitySet set;
    for (std::size_t i = 0; i < kActivityCount; ++i) {
        if ((bits >> i & 1U) != 0) {
            set.Add(static_cast<Activity>(i));
        }
    }
    return set;
}

Case RandomCase(std::mt19937& random) {
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto whole = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    Case c;
    c.bird = static_cast<Bird>(whole(0, 4));
    c.latitudeDeg = whole(0, 9) == 0 ? uniform(-72.0, 72.0) : uniform(-55.0, 60.0);
    c.longitudeDeg = uniform(-180.0, 180.0);
    const double firstMidnight = JulianDateUTAtMidnight(1901y / 1 / 2) + whole(0, 54400);
    c.first = LocalDateAt(firstMidnight + 0.5, 0.0);
    c.dayCount = whole(1, 45);
    const double offsetHours = whole(-24, 28) / 2.0;
    const double changeUT = firstMidnight + uniform(0.0, c.dayCount);
    c.clock = SteppingClock(offsetHours, offsetHours + (whole(0, 2) - 1), changeUT);
    PlanCondition& condition = c.condition;
    condition.mainActivities = whole(0, 3) == 0 ? ActivitySet::All() : SomeActivities(random);
    condition.subActivities = whole(0, 3) == 0 ? ActivitySet::All() : SomeActivities(random);
    constexpr double kStrengths[] = {0.0, 0.0, 0.0, 0.16, 0.36, 0.48, 0.6, 0.64, 0.8, 1.0};
    condition.minStrength = kStrengths[whole(0, 9)];
    if (whole(0, 1) == 0) {
        condition.wakingHours = WakingHours{whole(0, 1439), whole(0, 1439)};
    }
    condition.days = static_cast<PlanDays>(whole(0, 2));
    if (whole(0, 1) == 0) {
        condition.against = static_cast<Bird>(whole(0, 4));
    }
    condition.minMinutes = uniform(0.0, 90.0);
    return c;
}

std::string Describe(const Case& c) {
    const PlanCondition& k = c.condition;
    return "bird " + std::to_string(IndexOf(c.bird)) + " at " + std::to_string(c.latitudeDeg) + ", " +
           std::to_string(c.longitudeDeg) + " from JD " + std::to_string(JulianDateUTAtMidnight(c.first)) +
           " for " + std::to_string(c.dayCount) + " days; clock " + std::to_string(c.clock.hoursBefore()) +
           " to " + std::to_string(c.clock.hoursAfter()) + " at " + std::to_string(c.clock.changeUT()) +
           "; strength " + std::to_string(k.minStrength) + ", hours " +
           (k.wakingHours
                ? std::to_string(k.wakingHours->startMinute) + "-" + std::to_string(k.wakingHours->endMinute)
                : "any") +
           ", days " + std::to_string(static_cast<int>(k.days)) + ", against " +
           (k.against ? std::to_string(IndexOf(*k.against)) : "none") + ", min " +
           std::to_string(k.minMinutes);
}

TEST(Planner, WindowsAreThoseOfABruteForceScan) {
    std::mt19937 random(20241209);
    int windowsSeen = 0;
    for (int i = 0; i < 300; ++i) {
        const Case c = RandomCase(random);
        SCOPED_TRACE(Describe(c));
        const std::vector<PlanWindow> got =
            PlanWindows(c.first, c.dayCount, c.latitudeDeg, c.longitudeDeg, c.clock, c.bird, c.condition);
        const std::vector<PlanWindow> want = BruteForce(c);
        ASSERT_EQ(got.size(), want.size());
        windowsSeen += static_cast<int>(got.size());
        for (std::size_t w = 0; w < got.size(); ++w) {
            SCOPED_TRACE("window " + std::to_string(w));
            EXPECT_NEAR(got[w].startUT, want[w].startUT, 1e-7);
            EXPECT_NEAR(got[w].endUT, want[w].endUT, 1e-7);
            EXPECT_DOUBLE_EQ(got[w].minStrength, want[w].minStrength);
            // The parts fill the window end to end.
            ASSERT_FALSE(got[w].parts.empty());
            EXPECT_EQ(got[w].parts.front().startUT, got[w].startUT);
            EXPECT_EQ(got[w].parts.back().endUT, got[w].endUT);
            for (std::size_t p = 1; p < got[w].parts.size(); ++p) {
                EXPECT_NEAR(got[w].parts[p].startUT, got[w].parts[p - 1].endUT, 1e-7);
            }
        }
    }
    EXPECT_GT(windowsSeen, 1000); // the cases are not all empty
}

} // namespace
} // namespace velmora
