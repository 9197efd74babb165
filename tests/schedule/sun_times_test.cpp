#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "schedule/sun_times.h"

namespace velmora {
namespace {

// Minutes after local midnight of `date` for a UT moment.
double LocalMinutes(double julianDayUT, const LocalDate& date, double utcOffsetHours) {
    return (julianDayUT - JulianDayAtMidnightUT(date)) * 1440.0 + utcOffsetHours * 60.0;
}

struct PublishedDay {
    const char* where;
    LocalDate date;
    Place place;
    double sunriseMinutes; // local clock, as published
    double sunsetMinutes;
    double printedToMinutes; // 0 when the source gives seconds, 1 when whole minutes
};

constexpr double Clock(int hours, int minutes, int seconds = 0) {
    return hours * 60.0 + minutes + seconds / 60.0;
}

// Published rising and setting times, each checked to one minute, widened by
// the source's own rounding where it prints whole minutes.
const PublishedDay kPublished[] = {
    // Table for the Houses of Parliament (51.5 N, 0.125 W), seconds given;
    // news.najib.digital "Summer Solstice London", June 2025.
    {"London", {2025, 6, 21}, {51.5, -0.125, 1.0}, Clock(4, 42, 38), Clock(21, 22, 6), 0},
    {"London", {2025, 6, 15}, {51.5, -0.125, 1.0}, Clock(4, 42, 13), Clock(21, 20, 7), 0},
    // 10play.com.au, "Friday will be the longest day of the year", 2023-12-20.
    {"Sydney", {2023, 12, 22}, {-33.87, 151.21, 11.0}, Clock(5, 41), Clock(20, 6), 1},
    {"Perth", {2023, 12, 22}, {-31.95, 115.86, 8.0}, Clock(5, 7), Clock(19, 22), 1},
    // Environment Canada, EnviroZine issue 61 (2006), chart of sunrise and sunset.
    {"Vancouver", {2006, 12, 21}, {49.28, -123.12, -8.0}, Clock(8, 5), Clock(16, 16), 1},
    {"Vancouver", {2006, 6, 21}, {49.28, -123.12, -7.0}, Clock(5, 7), Clock(21, 22), 1},
    // Nehru Planetarium figures for Delhi, PTI report in The Hindu, 2006-06-20.
    {"Delhi", {2006, 6, 21}, {28.61, 77.21, 5.5}, Clock(5, 24), Clock(19, 22), 1},
    {"Delhi", {2006, 12, 22}, {28.61, 77.21, 5.5}, Clock(7, 10), Clock(17, 29), 1},
};

struct PublishedSunrise {
    const char* where;
    LocalDate date;
    Place place;
    double sunriseMinutes;
};

// H. Aslaksen (NUS), "Which day does the Sun rise earliest in Singapore?":
// latest sunrise 7:17 on 9 February, earliest 6:46 on 1 November, for no
// stated year (the dates drift by under a minute between years).
const PublishedSunrise kPublishedSunrises[] = {
    {"Singapore", {2006, 2, 9}, {1.29, 103.85, 8.0}, Clock(7, 17)},
    {"Singapore", {2006, 11, 1}, {1.29, 103.85, 8.0}, Clock(6, 46)},
};

TEST(SunDay, PublishedTimes) {
    for (const PublishedDay& day : kPublished) {
        SCOPED_TRACE(std::string(day.where) + " " + std::to_string(day.date.Year) + "-" +
                     std::to_string(day.date.Month) + "-" + std::to_string(day.date.Day));
        const SunDay sun = ComputeSunDay(day.date, day.place);
        ASSERT_EQ(sun.Status, SunDayStatus::Normal);
        EXPECT_NEAR(LocalMinutes(sun.SunriseUT, day.date, day.place.UtcOffsetHours), day.sunriseMinutes,
                    1.0 + day.printedToMinutes);
        EXPECT_NEAR(LocalMinutes(sun.SunsetUT, day.date, day.place.UtcOffsetHours), day.sunsetMinutes,
                    1.0 + day.printedToMinutes);
    }
}

TEST(SunDay, PublishedSunrisesOnly) {
    for (const PublishedSunrise& day : kPublishedSunrises) {
        SCOPED_TRACE(day.where);
        const SunDay sun = ComputeSunDay(day.date, day.place);
        ASSERT_EQ(sun.Status, SunDayStatus::Normal);
        EXPECT_NEAR(LocalMinutes(sun.SunriseUT, day.date, day.place.UtcOffsetHours), day.sunriseMinutes, 2.0);
    }
}

TEST(SunDay, PolarDayAndNightAreReported) {
    const Place tromso{69.65, 18.96, 1.0};
    EXPECT_EQ(ComputeSunDay({2025, 6, 21}, tromso).Status, SunDayStatus::SunStaysUp);
    EXPECT_EQ(ComputeSunDay({2025, 12, 21}, tromso).Status, SunDayStatus::SunStaysDown);
}

TEST(SunDay, SunriseFallsOnTheAskedDateWhateverTheClock) {
    // A clock twelve hours off the place's mean time.
    const Place farClock{0.0, -170.0, 12.0};
    const LocalDate date{2024, 3, 20};
    const SunDay sun = ComputeSunDay(date, farClock);
    ASSERT_EQ(sun.Status, SunDayStatus::Normal);
    EXPECT_EQ(LocalDateOf(sun.SunriseUT, farClock.UtcOffsetHours), date);
    EXPECT_LT(sun.SunriseUT, sun.SunsetUT);
    EXPECT_LT(sun.SunsetUT, sun.NextSunriseUT);
}

TEST(Calendar, WeekdaysAndDates) {
    // 2024-04-08, the day of the North American eclipse, was a Monday.
    const double noonUT = JulianDayAtMidnightUT({2024, 4, 8}) + 0.5;
    EXPECT_EQ(noonUT, 2460409.0);
    EXPECT_EQ(WeekdayOf(noonUT, 0.0), 1);
    EXPECT_EQ(WeekdayOf(noonUT, 13.0), 2); // already Tuesday at UTC+13
    EXPECT_EQ(LocalDateOf(noonUT, -13.0), (LocalDate{2024, 4, 7}));
    EXPECT_EQ(LocalDateOf(JulianDayAtMidnightUT({2000, 2, 29}), 0.0), (LocalDate{2000, 2, 29}));
}

} // namespace
} // namespace velmora
