#include <array>
#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "schedule/day_schedule.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

constexpr Bird kVulture = Bird::Vulture;
constexpr Bird kOwl = Bird::Owl;
constexpr Bird kCock = Bird::Cock;

const ObserverPlace kChennai{13.08, 80.27, 5.5};

TEST(DaySchedule, TenPeriodsRunFromSunriseToNextSunrise) {
    const ObserverPlace places[] = {kChennai, {51.5, -0.13, 1.0}, {-33.87, 151.21, 10.0}, {59.9, 10.75, 2.0}};
    for (const ObserverPlace& place : places) {
        for (const std::chrono::year_month_day date : {2024y / 1 / 15, 2024y / 6 / 21, 2050y / 9 / 30}) {
            SCOPED_TRACE(std::to_string(place.LatitudeDeg) + " " + std::to_string(unsigned{date.month()}));
            const DaySchedule day = ComputeDaySchedule(date, place, kOwl);
            ASSERT_EQ(day.Sun.Status, SunDayStatus::Normal);
            ASSERT_TRUE(day.Periods.has_value());
            const auto& periods = *day.Periods;
            EXPECT_EQ(periods.front().StartUT, day.Sun.SunriseUT);
            EXPECT_EQ(periods[kYamasPerHalf].StartUT, day.Sun.SunsetUT);
            EXPECT_EQ(periods.back().EndUT, day.Sun.NextSunriseUT);
            for (int i = 0; i < kPeriodsPerDay; ++i) {
                const DayPeriod& period = periods[static_cast<std::size_t>(i)];
                EXPECT_EQ(period.Half, i < kYamasPerHalf ? DayHalf::Day : DayHalf::Night);
                EXPECT_EQ(period.Yama, i % kYamasPerHalf + 1);
                EXPECT_LT(period.StartUT, period.EndUT);
                if (i > 0) {
                    EXPECT_EQ(period.StartUT, periods[static_cast<std::size_t>(i - 1)].EndUT);
                }
            }
            // Equal parts within each half.
            const double dayPart = (*day.Sun.SunsetUT - *day.Sun.SunriseUT) / kYamasPerHalf;
            const double nightPart = (*day.Sun.NextSunriseUT - *day.Sun.SunsetUT) / kYamasPerHalf;
            EXPECT_NEAR(periods[2].EndUT - periods[2].StartUT, dayPart, 1e-9);
            EXPECT_NEAR(periods[7].EndUT - periods[7].StartUT, nightPart, 1e-9);
        }
    }
}

TEST(DaySchedule, WeekdayAndFortnightOfTheSunrise) {
    // New moon 2024-04-08 18:21 UT: the sunrise of the 8th at Chennai falls in
    // the dark fortnight, that of the 9th in the bright one.
    const DaySchedule before = ComputeDaySchedule(2024y / 4 / 8, kChennai, kOwl);
    const DaySchedule after = ComputeDaySchedule(2024y / 4 / 9, kChennai, kOwl);
    EXPECT_EQ(before.Weekday, 1); // Monday
    EXPECT_EQ(after.Weekday, 2);
    EXPECT_EQ(before.fortnight, Fortnight::Dark);
    EXPECT_EQ(after.fortnight, Fortnight::Bright);
    // Owl: dark fortnight death day Monday; bright ruling by day Monday and Wednesday.
    ASSERT_TRUE(before.BirdDay && after.BirdDay);
    EXPECT_TRUE(before.BirdDay->Death);
    EXPECT_FALSE(after.BirdDay->RulingByDay || after.BirdDay->RulingByNight || after.BirdDay->Death);
}

TEST(DaySchedule, OnlyASunriseOnTheDateGivesWeekdayFortnightAndBirdsDay) {
    // Longyearbyen, 2024: polar day begins with the sunrise of 04-18 (a Thursday,
    // bright fortnight: the Owl's day lists have nothing on it); deep in it on
    // 06-21; Nordkapp 08-01 has no sunrise of its own. None of them has periods.
    struct Case {
        const char* what;
        std::chrono::year_month_day date;
        ObserverPlace place;
        SunDayStatus status;
        bool sunrise;
    };
    const Case cases[] = {
        {"polar day from its sunrise", 2024y / 4 / 18, {78.22, 15.65, 1.0}, SunDayStatus::SunStaysUp, true},
        {"within the polar day", 2024y / 6 / 21, {78.22, 15.65, 1.0}, SunDayStatus::SunStaysUp, false},
        {"no day of its own", 2024y / 8 / 1, {71.17, 25.72, 1.0}, SunDayStatus::NoDayOfItsOwn, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DaySchedule day = ComputeDaySchedule(c.date, c.place, kOwl);
        EXPECT_EQ(day.Sun.Status, c.status);
        EXPECT_FALSE(day.Periods.has_value());
        EXPECT_EQ(day.Weekday.has_value(), c.sunrise);
        EXPECT_EQ(day.fortnight.has_value(), c.sunrise);
        EXPECT_EQ(day.BirdDay.has_value(), c.sunrise);
        if (c.sunrise) {
            EXPECT_EQ(day.Weekday, 4);
            EXPECT_EQ(day.fortnight, Fortnight::Bright); // first quarter 2024-04-15
            EXPECT_FALSE(day.BirdDay->RulingByDay || day.BirdDay->RulingByNight || day.BirdDay->Death);
        }
    }
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
