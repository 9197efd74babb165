#include <array>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "schedule/next_ruling.h"

namespace velmora {
namespace {

constexpr Activity R = Activity::Ruling;
constexpr Activity E = Activity::Eating;
constexpr Activity W = Activity::Walking;
constexpr Activity S = Activity::Sleeping;
constexpr Activity D = Activity::Dying;

// A day of ten one-unit periods from `startUT` with the given main activities.
DaySchedule Day(double startUT, const std::array<Activity, kPeriodsPerDay>& activities) {
    DaySchedule day;
    std::array<DayPeriod, kPeriodsPerDay> periods{};
    for (std::size_t i = 0; i < periods.size(); ++i) {
        periods[i].startUT = startUT + double(i);
        periods[i].endUT = startUT + double(i + 1);
        periods[i].activity = activities[i];
    }
    day.periods = periods;
    return day;
}

DaySchedule PolarDay() {
    DaySchedule day;
    day.sun.Status = SunDayStatus::SunStaysUp;
    return day;
}

TEST(NextRulingSpan, FindsTheStretchInProgressOrTheNextAndJoinsPeriodsThatMeet) {
    const DaySchedule first = Day(0.0, {E, R, W, S, D, W, S, D, E, R});
    // The next day begins a hair after the first ends, as two sunrise searches find the same sunrise.
    const DaySchedule second = Day(10.0 + 1e-7, {R, W, S, D, E, S, R, E, W, D});
    const struct {
        const char* name;
        std::vector<DaySchedule> days;
        double fromUT;
        std::optional<RulingSpan> expected;
    } cases[] = {
        {"before the first", {first, second}, 0.5, RulingSpan{1.0, 2.0}},
        {"inside one", {first, second}, 1.9, RulingSpan{1.0, 2.0}},
        {"at its end, the next", {first, second}, 2.0, RulingSpan{9.0, 11.0 + 1e-7}},
        {"across the sunrise", {first, second}, 10.5, RulingSpan{9.0, 11.0 + 1e-7}},
        {"on the next day", {first, second}, 11.5, RulingSpan{16.0 + 1e-7, 17.0 + 1e-7}},
        {"after the last", {first, second}, 18.0, std::nullopt},
        {"over polar days", {PolarDay(), PolarDay(), second}, 0.0, RulingSpan{10.0 + 1e-7, 11.0 + 1e-7}},
        {"a polar day ends a stretch", {first, PolarDay(), second}, 9.5, RulingSpan{9.0, 10.0}},
        {"only polar days", {PolarDay(), PolarDay()}, 0.0, std::nullopt},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const std::optional<RulingSpan> found = NextRulingSpan(row.days, row.fromUT);
        ASSERT_EQ(found.has_value(), row.expected.has_value());
        if (found) {
            EXPECT_DOUBLE_EQ(found->startUT, row.expected->startUT);
            EXPECT_DOUBLE_EQ(found->endUT, row.expected->endUT);
        }
    }
}

} // namespace
} // namespace velmora
