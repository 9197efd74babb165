#include <array>
#include <chrono>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ephemeris/calendar.h"
#include "schedule/day_schedule.h"

namespace velmora {
namespace {

using namespace std::chrono;

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
            ASSERT_EQ(day.sun.Status, SunDayStatus::Normal);
            ASSERT_TRUE(day.periods.has_value());
            const auto& periods = *day.periods;
            EXPECT_EQ(periods.front().startUT, day.sun.SunriseUT);
            EXPECT_EQ(periods[kYamasPerHalf].startUT, day.sun.SunsetUT);
            EXPECT_EQ(periods.back().endUT, day.sun.NextSunriseUT);
            for (int i = 0; i < kPeriodsPerDay; ++i) {
                const DayPeriod& period = periods[static_cast<std::size_t>(i)];
                EXPECT_EQ(period.half, i < kYamasPerHalf ? DayHalf::Day : DayHalf::Night);
                EXPECT_EQ(period.yama, i % kYamasPerHalf + 1);
                EXPECT_LT(period.startUT, period.endUT);
                if (i > 0) {
                    EXPECT_EQ(period.startUT, periods[static_cast<std::size_t>(i - 1)].endUT);
                }
                // The sub-periods fill their period without a gap, the first the bird's own activity.
                EXPECT_EQ(period.subPeriods.front().startUT, period.startUT);
                EXPECT_EQ(period.subPeriods.back().endUT, period.endUT);
                EXPECT_EQ(period.subPeriods.front().activity, period.activity);
                EXPECT_EQ(period.subPeriods.front().bird, kOwl);
                for (std::size_t sub = 1; sub < period.subPeriods.size(); ++sub) {
                    EXPECT_EQ(period.subPeriods[sub].startUT, period.subPeriods[sub - 1].endUT);
                    EXPECT_LT(period.subPeriods[sub].startUT, period.subPeriods[sub].endUT);
                }
            }
            // Each half holds each of the five activities once.
            for (const std::size_t first : {std::size_t{0}, std::size_t{kYamasPerHalf}}) {
                std::set<Activity> held;
                for (std::size_t i = first; i < first + kYamasPerHalf; ++i) {
                    held.insert(periods[i].activity);
                }
                EXPECT_EQ(held.size(), kActivityCount);
            }
            // Equal parts within each half.
            const double dayPart = (*day.sun.SunsetUT - *day.sun.SunriseUT) / kYamasPerHalf;
            const double nightPart = (*day.sun.NextSunriseUT - *day.sun.SunsetUT) / kYamasPerHalf;
            EXPECT_NEAR(periods[2].endUT - periods[2].startUT, dayPart, 1e-9);
            EXPECT_NEAR(periods[7].endUT - periods[7].startUT, nightPart, 1e-9);
        }
    }
}

TEST(DaySchedule, WeekdayAndFortnightOfTheSunrise) {
    // New moon 2024-04-08 18:21 UT: the sunrise of the 8th at Chennai falls in
    // the dark fortnight, that of the 9th in the bright one.
    const DaySchedule before = ComputeDaySchedule(2024y / 4 / 8, kChennai, kOwl);
    const DaySchedule after = ComputeDaySchedule(2024y / 4 / 9, kChennai, kOwl);
    EXPECT_EQ(before.weekday, std::chrono::Monday);
    EXPECT_EQ(after.weekday, std::chrono::Tuesday);
    EXPECT_EQ(before.sky->fortnight, Fortnight::Dark);
    EXPECT_EQ(after.sky->fortnight, Fortnight::Bright);
    // Owl: dark fortnight death day Monday; bright ruling by day Monday and Wednesday.
    ASSERT_TRUE(before.birdDay && after.birdDay);
    EXPECT_TRUE(before.birdDay->death);
    EXPECT_FALSE(after.birdDay->rulingByDay || after.birdDay->rulingByNight || after.birdDay->death);
}

TEST(DaySchedule, TheDaysFortnightIsTheExactElongationAtSunrise) {
    // 1999-09-10 at 127.44 E, 27.83 S: the sunrise comes half an hour before the new moon
    // of 22:02 UT on the 9th, so the day is the last of the dark fortnight.
    const DaySchedule day = ComputeDaySchedule(1999y / 9 / 10, {-27.83, 127.44, 9.0}, kCock);
    ASSERT_TRUE(day.sky.has_value());
    EXPECT_EQ(day.sky->fortnight, Fortnight::Dark);
    EXPECT_EQ(day.sky->tithi, 30);
    ASSERT_TRUE(day.periods.has_value());
    // The Cock on a dark Friday begins the day dying (the reference table).
    EXPECT_EQ(day.weekday, std::chrono::Friday);
    EXPECT_EQ(day.periods->front().activity, Activity::Dying);
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
        EXPECT_EQ(day.sun.Status, c.status);
        EXPECT_FALSE(day.periods.has_value());
        EXPECT_EQ(day.weekday.has_value(), c.sunrise);
        EXPECT_EQ(day.sky.has_value(), c.sunrise);
        EXPECT_EQ(day.birdDay.has_value(), c.sunrise);
        if (c.sunrise) {
            EXPECT_EQ(day.weekday, std::chrono::Thursday);
            EXPECT_EQ(day.sky->fortnight, Fortnight::Bright); // first quarter 2024-04-15
            EXPECT_FALSE(day.birdDay->rulingByDay || day.birdDay->rulingByNight || day.birdDay->death);
        }
    }
}

// Clocks with summer time from 1 April to 1 October, changing at 01:00 UT: the summer
// offset holds from the local noon of 1 April to that of 30 September.
class SummerTimeClock final : public LocalClock {
public:
    explicit SummerTimeClock(double winterOffsetHours) : winterOffsetHours_(winterOffsetHours) {}

    double UtcOffsetHoursAt(double julianDateUT) const override {
        return OffsetHoursOfDate(LocalDateAt(julianDateUT - 1.0 / 24.0, 0.0));
    }

    double OffsetHoursOfDate(year_month_day date) const {
        return winterOffsetHours_ + (date.month() >= April && date.month() < October ? 1.0 : 0.0);
    }

private:
    double winterOffsetHours_;
};

TEST(DaySchedules, EqualTheDaysComputedOneByOne) {
    // Three years each: a fixed clock, summer time in both hemispheres' latitudes, a
    // polar place through its polar days and nights, a clock far from mean time.
    struct Case {
        const char* where;
        double latitudeDeg;
        double longitudeDeg;
        double winterOffsetHours;
        bool summerTime;
    };
    const Case cases[] = {
        {"Chennai", 13.08, 80.27, 5.5, false}, {"London", 51.5, -0.13, 0.0, true},
        {"Tromso", 69.65, 18.96, 1.0, true},   {"Longyearbyen", 78.22, 15.65, 1.0, false},
        {"Mawson", -67.6, 62.87, 5.0, false},  {"Kiritimati", 1.87, -157.4, 14.0, false},
    };
    constexpr year_month_day kFirst = 2023y / 1 / 1;
    constexpr int kDays = 3 * 365 + 1;
    for (const Case& c : cases) {
        const SummerTimeClock summerClock(c.winterOffsetHours);
        const FixedOffsetClock fixedClock(c.winterOffsetHours);
        const LocalClock& clock = c.summerTime ? static_cast<const LocalClock&>(summerClock) : fixedClock;
        const std::vector<DaySchedule> run =
            ComputeDaySchedules(kFirst, kDays, c.latitudeDeg, c.longitudeDeg, clock, kOwl);
        ASSERT_EQ(run.size(), std::size_t{kDays});
        int periodDays = 0;
        for (int i = 0; i < kDays; ++i) {
            const year_month_day date{sys_days{kFirst} + days{i}};
            SCOPED_TRACE(std::string(c.where) + " " + std::to_string(i));
            const double offset = c.summerTime ? summerClock.OffsetHoursOfDate(date) : c.winterOffsetHours;
            const DaySchedule& got = run[static_cast<std::size_t>(i)];
            const DaySchedule want = ComputeDaySchedule(date, {c.latitudeDeg, c.longitudeDeg, offset}, kOwl);
            EXPECT_EQ(got.sun.SunriseUT, want.sun.SunriseUT);
            ASSERT_TRUE(got == want);
            periodDays += got.periods.has_value() ? 1 : 0;
        }
        // The polar places have whole days and polar ones.
        EXPECT_GT(periodDays, 0);
        EXPECT_EQ(periodDays<kDays, std::abs(c.latitudeDeg)> 66.0);
    }
    EXPECT_TRUE(ComputeDaySchedules(kFirst, 0, 13.08, 80.27, FixedOffsetClock(5.5), kOwl).empty());
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
            const BirdDayKind kind =
                BirdDayOf(c.bird, std::chrono::weekday{static_cast<unsigned>(weekday)}, c.fortnight);
            const std::string_view want = c.week[static_cast<std::size_t>(weekday)];
            EXPECT_EQ(kind.rulingByDay, (want.find('D') != std::string_view::npos));
            EXPECT_EQ(kind.rulingByNight, (want.find('N') != std::string_view::npos));
            EXPECT_EQ(kind.death, (want.find('X') != std::string_view::npos));
        }
    }
}

} // namespace
} // namespace velmora
