#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ephemeris/angles.h"
#include "ephemeris/birth_moment.h"
#include "ephemeris/calendar.h"
#include "panchang/delta_t.h"
#include "panchang/fortnight.h"
#include "panchang/kepler.h"
#include "panchang/moon.h"
#include "panchang/nutation.h"
#include "panchang/sun.h"

#include "support/example_births.h"

namespace velmora {
namespace {

using testing::MakeBirthRecord;

TEST(CivilDayNumber, MidnightsAndTheCalendarSwitch) {
    struct Case {
        double month, day, year, want;
    };
    const Case cases[] = {
        {1, 1, 2000, 2451544.5},   {1, 5, 1990, 2447896.5},
        {10, 15, 1582, 2299170.5}, {10, 16, 1582, 2299161.5}, // first Gregorian date after the switch
        {1, 1.5, 2000, 2451545.0},                            // a fraction of a day passes through
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CivilDayNumber(c.month, c.day, c.year), c.want) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(DayNumberToCalendar, DatesAroundTheSwitchAndTheEpoch) {
    struct Case {
        double julianDate;
        int year, month, day;
    };
    const Case cases[] = {
        {2451545.25, 2000, 1, 1}, {2299160.5, 1582, 10, 15}, {2299159.5, 1582, 10, 4},
        {2447896.5, 1990, 1, 5},  {2459001.5, 2020, 6, 1},
    };
    for (const auto& c : cases) {
        const std::chrono::year_month_day date = DayNumberToCalendar(c.julianDate);
        EXPECT_EQ(static_cast<int>(date.year()), c.year) << c.julianDate;
        EXPECT_EQ(static_cast<unsigned>(date.month()), static_cast<unsigned>(c.month)) << c.julianDate;
        EXPECT_EQ(static_cast<unsigned>(date.day()), static_cast<unsigned>(c.day)) << c.julianDate;
    }
}

TEST(DayNumberToCalendar, RoundTripsEveryMidnightOfTheSupportedYears) {
    for (double j = CivilDayNumber(1, 1, 1901); j <= CivilDayNumber(12, 31, 2050); j += 1.0) {
        ASSERT_EQ(JulianDateUTAtMidnight(DayNumberToCalendar(j)), j);
    }
}

TEST(DeltaT, TableRowsInterpolationAndTheExtrapolation) {
    EXPECT_DOUBLE_EQ(DeltaTHours(2451544.5), 65.7 / 3600.0); // 2000.0 is a table row
    // 27 May 2020 and 1 June 2020 are past the table: 25.5 t^2 - 39 seconds.
    EXPECT_NEAR(DeltaTHours(2458996.5) * 3600.0, 84.864, 5e-4);
    EXPECT_NEAR(DeltaTHours(2459001.5) * 3600.0, 84.88, 5e-3);
    // 1905.0 lies halfway between the 1900 and 1910 rows.
    EXPECT_NEAR(DeltaTHours(CivilDayNumber(1, 1, 1905)) * 3600.0, (-2.7 + 10.5) / 2.0, 1e-9);
}

// Published values of Delta T at the start of each year (the astronomical
// almanacs' historical table), to within half a second. The rows from 2000 on
// hold older predictions (65.7 s for 2000 against the observed 63.8 s) and are
// left out here; readings keep them as they are.
TEST(DeltaT, PublishedValuesOfTheTwentiethCentury) {
    struct Case {
        int year;
        double publishedSeconds;
    };
    const Case cases[] = {
        {1900, -2.8}, {1910, 10.4}, {1920, 21.2}, {1930, 24.0}, {1940, 24.3},
        {1950, 29.1}, {1960, 33.2}, {1970, 40.2}, {1980, 50.5}, {1990, 56.9},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(DeltaTHours(CivilDayNumber(1, 1, c.year)) * 3600.0, c.publishedSeconds, 0.5) << c.year;
    }
}

TEST(WrapTurns, WholeTurnsAndTheUpperBound) {
    EXPECT_EQ(WrapTurns(-725.0), 355.0);
    EXPECT_EQ(WrapTurns(360.0), 360.0);
    EXPECT_EQ(WrapTurns(720.5), 0.5);
    EXPECT_EQ(WrapTurns(0.0), 0.0);
}

TEST(PanchangTheory, SunMoonAndNutationAtTheEpoch) {
    EXPECT_NEAR(NutationInLongitudeDeg(2451545.0) * 3600.0, -13.96, 5e-3);
    const double nutationDeg = NutationInLongitudeDeg(2451545.0);
    EXPECT_NEAR(SunApparentLongitudeDeg(2451545.0, nutationDeg), 280.3674, 5e-5);
    EXPECT_NEAR(MoonApparentLongitudeDeg(2451545.0, nutationDeg), 223.3145, 5e-5);
}

TEST(SolveKepler, ZeroAnomalyAndConvergence) {
    EXPECT_EQ(SolveKepler(0.0, 0.0167, 3e-07), 0.0);
    for (double meanDeg = -720.0; meanDeg <= 720.0; meanDeg += 7.5) {
        const double e = 0.0167;
        const double eccentric = SolveKepler(meanDeg, e, 3e-07);
        EXPECT_NEAR(eccentric - e * std::sin(eccentric), meanDeg * std::numbers::pi / 180.0, 1e-8) << meanDeg;
    }
}

TEST(PanchangTheory, NewAndFullMoonsFallNearZeroAndOneEighty) {
    // Published almanac times (UT) of lunar phases; the elongation must sit within a degree.
    struct Case {
        const char* what;
        double month, day, year, hourUT;
        double wantElongation;
    };
    const Case cases[] = {
        {"new moon 2000-01-06 18:14", 1, 6, 2000, 18.23, 0.0},
        {"full moon 2000-01-21 04:40 (total eclipse)", 1, 21, 2000, 4.67, 180.0},
        {"full moon 1969-07-29 02:45", 7, 29, 1969, 2.75, 180.0},
        {"new moon 1990-01-26 19:20 (annular eclipse)", 1, 26, 1990, 19.33, 0.0},
        {"full moon 1990-01-11 04:57", 1, 11, 1990, 4.95, 180.0},
    };
    for (const auto& c : cases) {
        const double ju = CivilDayNumber(c.month, c.day, c.year) + c.hourUT / 24.0;
        const double jde = ju + DeltaTHours(ju) / 24.0;
        const double nutationDeg = NutationInLongitudeDeg(jde);
        double elongation =
            MoonApparentLongitudeDeg(jde, nutationDeg) - SunApparentLongitudeDeg(jde, nutationDeg);
        elongation = WrapTurns(elongation);
        const double distance = std::min(std::fabs(elongation - c.wantElongation),
                                         360.0 - std::fabs(elongation - c.wantElongation));
        EXPECT_LT(distance, 1.0) << c.what << ": elongation " << elongation;
    }
}

TEST(FortnightOf, WholeDegreesOfEachBodySeparately) {
    struct Case {
        double moon, sun;
        Fortnight want;
    };
    const Case cases[] = {
        {10, 300, Fortnight::Bright},      {200, 300, Fortnight::Dark},     {180.2, 0.9, Fortnight::Dark},
        {359.5, 180.9, Fortnight::Bright}, {42.3, 42.9, Fortnight::Bright}, {179.99, 0.0, Fortnight::Bright},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FortnightOf(static_cast<int>(std::floor(c.sun)), static_cast<int>(std::floor(c.moon))),
                  c.want)
            << "moon " << c.moon << " sun " << c.sun;
    }
}

TEST(ComputePanchang, UniversalMomentFollowsTheZoneDirection) {
    struct Case {
        const char* what;
        BirthRecord birth;
        double wantUniversalJd;
    };
    const double noon = CivilDayNumber(3, 10, 1990);
    const Case cases[] = {
        {"west zone 5 at noon is 17:00 UT", MakeBirthRecord(1990, 3, 10, 12, 0, 5, 0, 75, 0, false),
         noon + 17.0 / 24.0},
        {"east zone 5:30 at noon is 06:30 UT", MakeBirthRecord(1990, 3, 10, 12, 0, 5, 30, 77, 0, true),
         noon + 6.5 / 24.0},
        {"longitude 0 adds the zone", MakeBirthRecord(1990, 3, 10, 12, 0, 1, 0, 0, 0, true),
         noon + 13.0 / 24.0},
        {"west with summer time", MakeBirthRecord(1990, 3, 10, 12, 0, 5, 0, 75, 0, false, true),
         noon + 16.0 / 24.0},
        {"east with summer time", MakeBirthRecord(1990, 3, 10, 12, 0, 1, 0, 13, 0, true, true),
         noon + 10.0 / 24.0},
    };
    for (const auto& c : cases) {
        const PanchangValues panchang = ComputePanchang(PrepareBirthMoment(c.birth));
        const double universal = c.wantUniversalJd;
        EXPECT_DOUBLE_EQ(panchang.momentJulianDateTT, universal + DeltaTHours(universal) / 24.0) << c.what;
    }
}

TEST(ComputePanchang, WorkedFortnights) {
    struct Case {
        const char* what;
        BirthRecord birth;
        Fortnight want;
    };
    const Case cases[] = {
        {"1990-01-05 12:00 +5:30", MakeBirthRecord(1990, 1, 5, 12, 0, 5, 30, 77, 0, true), Fortnight::Bright},
        // Full moon 1990-01-11 04:57 UT: a New York noon the day after lies in the dark half.
        {"1990-01-12 12:00 New York", MakeBirthRecord(1990, 1, 12, 12, 0, 5, 0, 74, 0, false),
         Fortnight::Dark},
        // New moon 1990-01-26 19:20 UT: 17:00 local in New York is 22:00 UT, already bright;
        // taking the zone the wrong way (12:00 UT) would still be dark.
        {"1990-01-26 17:00 New York", MakeBirthRecord(1990, 1, 26, 17, 0, 5, 0, 74, 0, false),
         Fortnight::Bright},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComputePanchang(PrepareBirthMoment(c.birth)).fortnight, c.want) << c.what;
    }
}

} // namespace
} // namespace velmora
