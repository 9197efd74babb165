#include <algorithm>
#include <array>
#include <string>

#include <gtest/gtest.h>

#include "schedule/day_schedule.h"

namespace velmora {
namespace {

constexpr Bird kVulture = Bird::Vulture;
constexpr Bird kOwl = Bird::Owl;
constexpr Bird kCock = Bird::Cock;

const Place kChennai{13.08, 80.27, 5.5};

TEST(DaySchedule, TenPeriodsRunFromSunriseToNextSunrise) {
    const Place places[] = {kChennai, {51.5, -0.13, 1.0}, {-33.87, 151.21, 10.0}, {59.9, 10.75, 2.0}};
    for (const Place& place : places) {
        for (const LocalDate date :
             {LocalDate{2024, 1, 15}, LocalDate{2024, 6, 21}, LocalDate{2050, 9, 30}}) {
            SCOPED_TRACE(std::to_string(place.LatitudeDeg) + " " + std::to_string(date.Month));
            const DaySchedule day = ComputeDaySchedule(date, place, kOwl);
            ASSERT_EQ(day.Sun.Status, SunDayStatus::Normal);
            EXPECT_EQ(day.Periods.front().StartUT, day.Sun.SunriseUT);
            EXPECT_EQ(day.Periods[kYamasPerHalf].StartUT, day.Sun.SunsetUT);
            EXPECT_EQ(day.Periods.back().EndUT, day.Sun.NextSunriseUT);
            for (int i = 0; i < kPeriodsPerDay; ++i) {
                const DayPeriod& period = day.Periods[static_cast<std::size_t>(i)];
                EXPECT_EQ(period.Half, i < kYamasPerHalf ? DayHalf::Day : DayHalf::Night);
                EXPECT_EQ(period.Yama, i % kYamasPerHalf + 1);
                EXPECT_LT(period.StartUT, period.EndUT);
                if (i > 0) {
                    EXPECT_EQ(period.StartUT, day.Periods[static_cast<std::size_t>(i - 1)].EndUT);
                }
            }
            // Equal parts within each half.
            const double dayPart = (day.Sun.SunsetUT - day.Sun.SunriseUT) / kYamasPerHalf;
            const double nightPart = (day.Sun.NextSunriseUT - day.Sun.SunsetUT) / kYamasPerHalf;
            EXPECT_NEAR(day.Periods[2].EndUT - day.Periods[2].StartUT, dayPart, 1e-9);
            EXPECT_NEAR(day.Periods[7].EndUT - day.Periods[7].StartUT, nightPart, 1e-9);
        }
    }
}

TEST(DaySchedule, WeekdayAndFortnightOfTheSunrise) {
    // New moon 2024-04-08 18:21 UT: the sunrise of the 8th at Chennai falls in
    // the dark fortnight, that of the 9th in the bright one.
    const DaySchedule before = ComputeDaySchedule({2024, 4, 8}, kChennai, kOwl);
    const DaySchedule after = ComputeDaySchedule({2024, 4, 9}, kChennai, kOwl);
    EXPECT_EQ(before.Weekday, 1); // Monday
    EXPECT_EQ(after.Weekday, 2);
    EXPECT_EQ(before.fortnight, Fortnight::Dark);
    EXPECT_EQ(after.fortnight, Fortnight::Bright);
    // Owl: dark fortnight death day Monday; bright ruling by day Monday and Wednesday.
    EXPECT_TRUE(before.BirdDay.Death);
    EXPECT_FALSE(after.BirdDay.RulingByDay || after.BirdDay.RulingByNight || after.BirdDay.Death);
}

TEST(DaySchedule, PolarDayHasNoPeriods) {
    const DaySchedule day = ComputeDaySchedule({2024, 6, 21}, {78.2, 15.6, 2.0}, kOwl);
    EXPECT_EQ(day.Sun.Status, SunDayStatus::SunStaysUp);
    EXPECT_TRUE(std::all_of(day.Periods.begin(), day.Periods.end(), [](const DayPeriod& period) {
        return period.StartUT == 0.0 && period.EndUT == 0.0;
    }));
}

// The reading's day lists, weekday by weekday from Sunday: D ruling by day,
// N ruling by night, X death.
struct DayListCase {
    Bird bird;
    Fortnight fortnight;
    std::array<std::string_view, 7> week;
};

TEST(BirdDay, MatchesTheReadingsDayLists) {
    const DayListCase cases[] = {
        {kOwl, Fortnight::Bright, {"X", "D", "", "D", "", "X", "N"}},
        {kOwl, Fortnight::Dark, {"", "X", "", "N", "D", "", ""}},
        {kCock, Fortnight::Dark, {"D", "N", "D", "", "X", "", "NX"}},
        {kVulture, Fortnight::Dark, {"N", "", "NX", "", "", "D", ""}},
    };
    for (const DayListCase& c : cases) {
        for (int weekday = 0; weekday < 7; ++weekday) {
            SCOPED_TRACE(std::to_string(IndexOf(c.bird)) + " " +
                         std::to_string(static_cast<int>(c.fortnight)) + " " + std::to_string(weekday));
            const BirdDayKind kind = BirdDayOf(c.bird, weekday, c.fortnight);
            const std::string_view want = c.week[static_cast<std::size_t>(weekday)];
            EXPECT_EQ(kind.RulingByDay, (want.find('D') != std::string_view::npos));
            EXPECT_EQ(kind.RulingByNight, (want.find('N') != std::string_view::npos));
            EXPECT_EQ(kind.Death, (want.find('X') != std::string_view::npos));
        }
    }
}

} // namespace
} // namespace velmora
