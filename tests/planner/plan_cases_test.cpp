#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "planner/plan_range.h"
#include "planner/planner.h"
#include "planner/stepping_clock.h"
#include "planner/waking_spans.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

constexpr double kHour = 1.0 / 24.0;
constexpr double kMinute = kHour / 60.0;
constexpr double kMarch30 = 2460399.5;   // 2024-03-30 00:00 UT
constexpr double kOctober27 = 2460610.5; // 2024-10-27 00:00 UT

// London's clocks in 2024: forward at 01:00 UT on 31 March, back at 01:00 UT on 27 October.
const SteppingClock kSpringForward(0.0, 1.0, kMarch30 + 1.0 + kHour);
const SteppingClock kFallBack(1.0, 0.0, kOctober27 + kHour);

TEST(WakingSpans, FollowTheClocksThroughTheirChanges) {
    struct Want {
        double startUT;
        double endUT;
    };
    const struct {
        std::string name;
        const LocalClock& clock;
        double fromUT;
        double toUT;
        WakingHours hours;
        std::vector<Want> want;
    } cases[] = {
        {"07:00-22:00 an hour earlier in UT after the change",
         kSpringForward,
         kMarch30,
         kMarch30 + 2.0,
         {7 * 60, 22 * 60},
         {{kMarch30 + 7 * kHour, kMarch30 + 22 * kHour},
          {kMarch30 + 1 + 6 * kHour, kMarch30 + 1 + 21 * kHour}}},
        {"22:00-06:00 runs past midnight, four hours shorter over the missing hour",
         kSpringForward,
         kMarch30,
         kMarch30 + 2.0,
         {22 * 60, 6 * 60},
         {{kMarch30, kMarch30 + 6 * kHour},
          {kMarch30 + 22 * kHour, kMarch30 + 1 + 5 * kHour},
          {kMarch30 + 1 + 21 * kHour, kMarch30 + 2.0}}},
        {"01:30-02:30 starts at the jump on the day it is skipped",
         kSpringForward,
         kMarch30,
         kMarch30 + 2.0,
         {90, 150},
         {{kMarch30 + 90 * kMinute, kMarch30 + 150 * kMinute},
          {kMarch30 + 1 + kHour, kMarch30 + 1 + 90 * kMinute}}},
        {"00:30-01:30 comes twice over the repeated hour",
         kFallBack,
         kOctober27 - 0.5,
         kOctober27 + 0.5,
         {30, 90},
         {{kOctober27 - 30 * kMinute, kOctober27 + 30 * kMinute},
          {kOctober27 + kHour, kOctober27 + 90 * kMinute}}},
        {"an end equal to the start keeps the whole day",
         kFallBack,
         kOctober27 - 0.5,
         kOctober27 + 0.5,
         {600, 600},
         {{kOctober27 - 0.5, kOctober27 + 0.5}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<TimeSpan> got = WakingSpans(c.fromUT, c.toUT, c.hours, c.clock);
        ASSERT_EQ(got.size(), c.want.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            // The changes are found to the second.
            EXPECT_NEAR(got[i].startUT, c.want[i].startUT, 1.0 / 86400.0) << "span " << i;
            EXPECT_NEAR(got[i].endUT, c.want[i].endUT, 1.0 / 86400.0) << "span " << i;
        }
    }
}

TEST(PlanDayCount, AllowsUpToTenYearsBothEndsIncluded) {
    const struct {
        std::chrono::year_month_day from;
        std::chrono::year_month_day to;
        std::optional<int> want;
    } cases[] = {
        {2024y / 3 / 1, 2024y / 3 / 1, 1},
        {2024y / 3 / 2, 2024y / 3 / 1, std::nullopt},
        {2024y / 1 / 1, 2024y / 12 / 31, 366},
        {2024y / 1 / 1, 2033y / 12 / 31, 3653},
        {2024y / 1 / 1, 2034y / 1 / 1, std::nullopt},
        {2024y / 2 / 29, 2034y / 2 / 28, 3653},
        {2024y / 2 / 29, 2034y / 3 / 1, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlanDayCount(c.from, c.to), c.want)
            << int{c.from.year()} << "-" << unsigned{c.from.month()} << "-" << unsigned{c.from.day()}
            << " to " << int{c.to.year()} << "-" << unsigned{c.to.month()} << "-" << unsigned{c.to.day()};
    }
}

// The book's worked day: a bright Sunday with sunrise at 06:00 and sunset at
// 18:00. In the third day period (10:48-13:12) the Vulture rules, and its
// sub-periods are Ruling 48, Sleeping 18, Dying 12, Eating 30 and Walking 36
// minutes; the Peacock walks first, 10:48-11:24, then rules 48, sleeps 18,
// dies 12 and eats 30 minutes.
DaySchedule WorkedSunday(double sunriseUT) {
    DaySchedule day;
    day.weekday = std::chrono::Sunday;
    day.sky = DaySky{90.0, Fortnight::Bright, 8, std::nullopt};
    auto& periods = day.periods.emplace();
    for (int i = 0; i < kPeriodsPerDay; ++i) {
        DayPeriod& period = periods[static_cast<std::size_t>(i)];
        period.half = i < kYamasPerHalf ? DayHalf::Day : DayHalf::Night;
        period.yama = i % kYamasPerHalf + 1;
        period.startUT = sunriseUT + i * 144 * kMinute;
        period.endUT = sunriseUT + (i + 1) * 144 * kMinute;
    }
    return ForAnotherBird(day, Bird::Vulture);
}

TEST(Planner, AgainstAnotherBirdCutsAtItsOwnSubPeriods) {
    const double midnight = 2460316.5; // 2024-01-07, a Sunday
    const DaySchedule day = WorkedSunday(midnight + 6 * kHour);
    PlanCondition condition;
    condition.mainActivities = {Activity::Ruling};
    condition.days = PlanDays::All;
    condition.against = Bird::Peacock;
    const std::vector<PlanWindow> windows = FindWindows({&day, 1}, FixedOffsetClock(0.0), condition);

    const double thirdStart = midnight + (10 * 60 + 48) * kMinute;
    const double thirdEnd = midnight + (13 * 60 + 12) * kMinute;
    std::vector<PlanWindow> inThird;
    for (const PlanWindow& window : windows) {
        if (window.startUT >= thirdStart && window.endUT <= thirdEnd) {
            inThird.push_back(window);
        }
    }
    // The Vulture's ruling sub-period (10:48-11:36) meets the Peacock walking and
    // ruling; its eating one (12:06-12:36) the Peacock sleeping, then dying.
    ASSERT_EQ(inThird.size(), 1U);
    const PlanWindow& window = inThird.front();
    EXPECT_NEAR(window.startUT, midnight + (12 * 60 + 12) * kMinute, 1e-9);
    EXPECT_NEAR(window.endUT, midnight + (12 * 60 + 36) * kMinute, 1e-9);
    EXPECT_DOUBLE_EQ(window.minStrength, 0.8);
    ASSERT_EQ(window.parts.size(), 2U);
    EXPECT_EQ(window.parts[0].subActivity, Activity::Eating);
    EXPECT_EQ(window.parts[0].otherActivity, Activity::Sleeping);
    EXPECT_NEAR(window.parts[0].endUT, midnight + (12 * 60 + 30) * kMinute, 1e-9);
    EXPECT_EQ(window.parts[1].otherActivity, Activity::Dying);
}

} // namespace
} // namespace velmora
