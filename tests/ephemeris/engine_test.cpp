#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>

#include "ephemeris/angle_sums.h"
#include "ephemeris/angles.h"
#include "ephemeris/birth_moment.h"
#include "ephemeris/birth_star.h"
#include "ephemeris/calendar.h"
#include "ephemeris/moon_longitude.h"
#include "texts/names.h"

#include "support/example_births.h"

namespace velmora {
namespace {

using testing::MakeBirthRecord;

std::string_view NameOf(const BirthStarValues& values) {
    return values.star ? StarName(*values.star) : std::string_view();
}

struct DayNumberCase {
    int month, day, year;
    double want;
};

TEST(DayNumber, CivilDatesAndTheCalendarSwitch) {
    const DayNumberCase cases[] = {
        {1, 1, 2000, 2451545},   {3, 1, 2000, 2451605},   {2, 29, 2000, 2451604},  {1, 1, 1901, 2415386},
        {12, 31, 2050, 2470172}, {8, 15, 1947, 2432413},  {2, 29, 1901, 2415445},  {3, 1, 1901, 2415445},
        {10, 4, 1582, 2299160},  {10, 15, 1582, 2299171}, {10, 16, 1582, 2299162}, // first Gregorian
                                                                                   // correction
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayNumber(c.month, c.day, c.year), c.want) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(DayNumber, ConsecutiveDaysOfTheSupportedYearsFollowEachOther) {
    const int monthLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    double previous = DayNumber(12, 31, 1900);
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int days = monthLength[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0);
            for (int day = 1; day <= days; ++day) {
                const double number = DayNumber(month, day, year);
                ASSERT_EQ(number, previous + 1) << year << "-" << month << "-" << day;
                previous = number;
            }
        }
    }
}

TEST(Calendar, WeekdaysAndDates) {
    // 2024-04-08, the day of the North American eclipse, was a Monday.
    const double noonUT = JulianDateUTAtMidnight(std::chrono::year{2024} / 4 / 8) + 0.5;
    EXPECT_EQ(noonUT, 2460409.0);
    EXPECT_EQ(LocalWeekdayAt(noonUT, 0.0), std::chrono::Monday);
    EXPECT_EQ(LocalWeekdayAt(noonUT, 13.0), std::chrono::Tuesday); // already Tuesday at UTC+13
    EXPECT_EQ(LocalDateAt(noonUT, -13.0), std::chrono::year{2024} / 4 / 7);
    EXPECT_EQ(LocalDateAt(JulianDateUTAtMidnight(std::chrono::year{2000} / 2 / 29), 0.0),
              std::chrono::year{2000} / 2 / 29);
}

TEST(BirthMoment, EpochAndThe1947Example) {
    const BirthMoment epoch = PrepareBirthMoment(MakeBirthRecord(2000, 1, 1, 12, 0, 0, 0, 0, 0, false));
    EXPECT_EQ(epoch.universalHoursUT, 12.0);
    EXPECT_EQ(epoch.julianCenturiesUT, 0.0);
    static_assert(kDegreesToRadians == 0.017453292519943295);
    static_assert(kRadiansToDegrees == 57.295779513082323);

    const BirthMoment s = PrepareBirthMoment(MakeBirthRecord(1947, 8, 15, 0, 0, 5, 30, 77, 12, true));
    EXPECT_DOUBLE_EQ(s.longitudeDegWest, -77.2);
    EXPECT_EQ(s.universalHoursUT, -5.5); // left negative: the day shift rides along
    EXPECT_NEAR(s.julianCenturiesUT, -0.52382557608944, 5e-15);
}

TEST(BirthMoment, ZoneDirectionAndDaylightSaving) {
    struct Case {
        const char* what;
        int zone;
        int lonDeg;
        bool east;
        bool dst;
        ZoneSign sign;
        double wantAhead;     // hours the clock is ahead of UTC
        double wantUniversal; // for a clock time of 12:00
    };
    const Case cases[] = {
        {"east, summer time", 1, 13, true, true, ZoneSign::Unsigned, 2, 10},
        {"west, summer time", 5, 75, false, true, ZoneSign::Unsigned, -4, 16},
        {"zero zone west, summer time", 0, 10, false, true, ZoneSign::Unsigned, 1, 11},
        {"zero zone east, summer time", 0, 10, true, true, ZoneSign::Unsigned, 1, 11},
        {"longitude 0 with East counts as west", 3, 0, true, false, ZoneSign::Unsigned, -3, 15},
        {"longitude 0 with East, summer time", 3, 0, true, true, ZoneSign::Unsigned, -2, 14},
        {"west, no summer time", 5, 75, false, false, ZoneSign::Unsigned, -5, 17},
        // A typed sign wins over the longitude.
        {"+3 typed, west", 3, 75, false, false, ZoneSign::Ahead, 3, 9},
        {"-3 typed, east, summer time", 3, 13, true, true, ZoneSign::Behind, -2, 14},
    };
    for (const auto& c : cases) {
        BirthRecord record = MakeBirthRecord(2000, 6, 1, 12, 0, c.zone, 0, c.lonDeg, 0, c.east, c.dst);
        record.TypedZoneSign = c.sign;
        const BirthMoment s = PrepareBirthMoment(record);
        EXPECT_EQ(s.hoursAheadOfUtc, c.wantAhead) << c.what;
        EXPECT_EQ(s.universalHoursUT, c.wantUniversal) << c.what;
    }
}

TEST(MoonLongitude, SeriesAtTheEpochAndTheWorkedExamples) {
    EXPECT_EQ(MoonTropicalLongitudeDeg(0.0), 223.31610291602644);

    struct Case {
        const char* what;
        BirthRecord birth;
        double tropical;
    };
    const Case cases[] = {
        {"1947", MakeBirthRecord(1947, 8, 15, 0, 0, 5, 30, 77, 12, true), 117.109656},
        {"1969", MakeBirthRecord(1969, 7, 20, 20, 17, 0, 0, 0, 0, false), 187.860218},
    };
    for (const auto& c : cases) {
        const BirthStarValues e = ComputeBirthStar(PrepareBirthMoment(c.birth));
        EXPECT_NEAR(e.moonTropicalDeg, c.tropical, 5e-7) << c.what;
    }
}

TEST(BirthStar, AyanamsaAndTheWorkedStars) {
    EXPECT_EQ(AyanamsaDeg(0.0), -23.853725713528487);
    struct Case {
        const char* what;
        BirthRecord birth;
        double ayanamsa; // NaN: not given
        double sidereal;
        const char* star;
    };
    const double none = std::nan("");
    const Case cases[] = {
        {"1947", MakeBirthRecord(1947, 8, 15, 0, 0, 5, 30, 77, 12, true), -23.121833, 93.987823, "Pushya"},
        {"1969", MakeBirthRecord(1969, 7, 20, 20, 17, 0, 0, 0, 0, false), none, 164.427778, "Hasta"},
        {"1985", MakeBirthRecord(1985, 6, 1, 10, 30, 1, 0, 13, 24, true, true), none, 202.038988, "Vishakha"},
        {"epoch", MakeBirthRecord(2000, 1, 1, 12, 0, 0, 0, 0, 0, false), -23.853726, 199.462377, "Swati"},
    };
    for (const auto& c : cases) {
        const BirthStarValues e = ComputeBirthStar(PrepareBirthMoment(c.birth));
        if (!std::isnan(c.ayanamsa)) {
            EXPECT_NEAR(e.ayanamsaDeg, c.ayanamsa, 5e-7) << c.what;
        }
        EXPECT_NEAR(e.moonSiderealDeg, c.sidereal, 5e-7) << c.what;
        EXPECT_EQ(NameOf(e), c.star) << c.what;
    }
    const BirthStarValues epoch =
        ComputeBirthStar(PrepareBirthMoment(MakeBirthRecord(2000, 1, 1, 12, 0, 0, 0, 0, 0, false)));
    EXPECT_NEAR(epoch.starPosition, 14.96, 5e-3);
    const BirthMoment summer =
        PrepareBirthMoment(MakeBirthRecord(1985, 6, 1, 10, 30, 1, 0, 13, 24, true, true));
    EXPECT_EQ(summer.universalHoursUT, 8.5);
}

TEST(BirthStar, SiderealCorrectionAndBoundaries) {
    const double atEpoch = AyanamsaDeg(0.0);
    struct Case {
        const char* what;
        double tropical;
        double ayanamsa;
        double wantSidereal;
        const char* wantStar;
    };
    const Case cases[] = {
        {"10 degrees wraps once", 10.0, atEpoch, 346.146274, "Uttara Bhadrapada"},
        {"tropical 360 is not Revati", 360.0, atEpoch, 336.146274, "Uttara Bhadrapada"},
        {"exactly 40 begins Rohini", 40.0, 0.0, 40.0, "Rohini"},
        {"exactly 0 is Ashwini", 0.0, 0.0, 0.0, "Ashwini"},
        {"just below 360 is Revati", 359.9999999, 0.0, 359.9999999, "Revati"},
        {"13 deg 20 min begins Bharani", 800.0 / 60.0, 0.0, 800.0 / 60.0, "Bharani"},
    };
    for (const auto& c : cases) {
        const BirthStarValues s = SelectBirthStar(c.tropical, c.ayanamsa);
        EXPECT_NEAR(s.moonSiderealDeg, c.wantSidereal, 5e-7) << c.what;
        EXPECT_EQ(NameOf(s), c.wantStar) << c.what;
        EXPECT_EQ(s.moonTropicalDeg, c.tropical) << c.what;
    }
}

// The strict loops as written, kept as the reference for the constant-time wrap.
double LiteralWrap(double x) {
    while (x < 0.0) {
        x += 360.0;
    }
    while (x > 360.0) {
        x -= 360.0;
    }
    return x;
}

TEST(WrapTurns, BitIdenticalToTheLiteralLoops) {
    const double fixed[] = {0.0,
                            -0.0,
                            360.0,
                            360.0000000000001,
                            -1e-20,
                            -360.0,
                            -720.0,
                            720.0,
                            1e-300,
                            -1e-300,
                            359.99999999999994,
                            481267.88134236 * 0.51 + 218.3164591,
                            -481267.88134236 * 0.99 + 218.3164591,
                            725123.456789,
                            -725.,
                            1.0e9 + 0.1};
    for (const double x : fixed) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(WrapTurns(x)), std::bit_cast<std::uint64_t>(LiteralWrap(x)))
            << x;
    }
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> wide(-2.0e6, 2.0e6);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 200000; ++i) {
        // Values near multiples of a turn probe the last, rounding step.
        const double x =
            (i % 2 == 0) ? wide(random) : std::round(wide(random) / 360.0) * 360.0 + unit(random) * 1e-9;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(WrapTurns(x)), std::bit_cast<std::uint64_t>(LiteralWrap(x)))
            << x;
    }
}

TEST(WrapTurns, ValuesNoReadingProducesDoNotHang) {
    EXPECT_TRUE(std::isnan(WrapTurns(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(WrapTurns(-std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(WrapTurns(std::nan(""))));
    EXPECT_TRUE(std::isnan(WrapTurns(1e300)));
}

TEST(AngleMultiples, AgreeWithDirectSinesAndCosines) {
    // Small, large (an unreduced elongation of a century and a half) and negative angles.
    for (const double radians : {0.3, 2.0, -1.7, 11660.123, -4321.5}) {
        const AngleMultiples<6> multiples(radians);
        for (int k = -6; k <= 6; ++k) {
            // k times a double is exact in long double, so the reference carries no rounding of the angle.
            const long double angle = k * static_cast<long double>(radians);
            EXPECT_NEAR(multiples.At(k).sin, static_cast<double>(std::sin(angle)), 4e-15)
                << radians << " x " << k;
            EXPECT_NEAR(multiples.At(k).cos, static_cast<double>(std::cos(angle)), 4e-15)
                << radians << " x " << k;
        }
    }
    const CosSin a = CosSinOf(0.4);
    const CosSin b = CosSinOf(1.1);
    EXPECT_NEAR(SinOfSum(a, b), std::sin(1.5), 1e-15);
    EXPECT_NEAR(SinOfDifference(a, b), std::sin(-0.7), 1e-15);
}

} // namespace
} // namespace velmora
