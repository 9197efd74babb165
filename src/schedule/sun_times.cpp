#include "schedule/sun_times.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace velmora {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kUpperLimbAltitudeDeg = -0.833;
constexpr double kSiderealDegPerDay = 360.98564736629;
constexpr int kMaxRefinements = 8;
constexpr double kConvergedDeg = 1e-5; // about a millisecond of hour angle

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

double Degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

// Into -180..180.
double SignedDegrees(double x) {
    return x - 360.0 * std::floor((x + 180.0) / 360.0);
}

struct SunPlace {
    double RightAscensionDeg;
    double DeclinationDeg;
};

// The Sun's apparent place from the low-precision series of the astronomical
// almanacs (about 0.01 degree, a couple of seconds of rising time). Universal
// time stands in for dynamical time: Delta T moves the Sun by under 0.001 degree
// in this period.
SunPlace ApparentSun(double julianDayUT) {
    const double t = (julianDayUT - kJ2000) / 36525.0;
    const double meanLongitude = 280.46646 + t * (36000.76983 + 0.0003032 * t);
    const double meanAnomaly = Radians(357.52911 + t * (35999.05029 - 0.0001537 * t));
    const double centre = (1.914602 - t * (0.004817 + 0.000014 * t)) * std::sin(meanAnomaly) +
                          (0.019993 - 0.000101 * t) * std::sin(2.0 * meanAnomaly) +
                          0.000289 * std::sin(3.0 * meanAnomaly);
    const double node = Radians(125.04 - 1934.136 * t);
    const double longitude = Radians(meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node));
    const double obliquity =
        Radians(23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - 0.001813 * t))) / 60.0) / 60.0 +
                0.00256 * std::cos(node));
    return {Degrees(std::atan2(std::cos(obliquity) * std::sin(longitude), std::cos(longitude))),
            Degrees(std::asin(std::sin(obliquity) * std::sin(longitude)))};
}

double SiderealTimeDeg(double julianDayUT) {
    const double t = (julianDayUT - kJ2000) / 36525.0;
    return 280.46061837 + kSiderealDegPerDay * (julianDayUT - kJ2000) + 0.000387933 * t * t;
}

double HourAngleDeg(double julianDayUT, double longitudeDeg, double rightAscensionDeg) {
    return SignedDegrees(SiderealTimeDeg(julianDayUT) + longitudeDeg - rightAscensionDeg);
}

// The Sun's upper transit nearest `guessUT`.
double TransitNear(double guessUT, double longitudeDeg) {
    double t = guessUT;
    for (int i = 0; i < kMaxRefinements; ++i) {
        const double hourAngle = HourAngleDeg(t, longitudeDeg, ApparentSun(t).RightAscensionDeg);
        t -= hourAngle / kSiderealDegPerDay;
        if (std::abs(hourAngle) < kConvergedDeg) {
            break;
        }
    }
    return t;
}

struct Crossing {
    std::optional<double> MomentUT;
    SunDayStatus Failure = SunDayStatus::Normal; // why there is no moment
};

// The rising (side -1) or setting (side +1) that belongs to the transit at
// `transitUT`, refined on the Sun's place at the moment itself.
Crossing CrossingOfTransit(double transitUT, double side, const Place& place) {
    const double sinLatitude = std::sin(Radians(place.LatitudeDeg));
    const double cosLatitude = std::cos(Radians(place.LatitudeDeg));
    double t = transitUT;
    for (int i = 0; i < kMaxRefinements; ++i) {
        const SunPlace sun = ApparentSun(t);
        const double declination = Radians(sun.DeclinationDeg);
        const double cosHalfArc =
            (std::sin(Radians(kUpperLimbAltitudeDeg)) - sinLatitude * std::sin(declination)) /
            (cosLatitude * std::cos(declination));
        if (cosHalfArc > 1.0) {
            return {std::nullopt, SunDayStatus::SunStaysDown};
        }
        if (cosHalfArc < -1.0) {
            return {std::nullopt, SunDayStatus::SunStaysUp};
        }
        const double target = side * Degrees(std::acos(cosHalfArc));
        const double step =
            SignedDegrees(target - HourAngleDeg(t, place.LongitudeDeg, sun.RightAscensionDeg));
        t += step / kSiderealDegPerDay;
        if (std::abs(step) < kConvergedDeg) {
            break;
        }
    }
    return {t, SunDayStatus::Normal};
}

// The transit of the solar day whose local mean noon falls on the day that
// begins at `midnightUT` + whole `dayOffset` days.
double TransitOfDay(double midnightUT, int dayOffset, const Place& place) {
    return TransitNear(midnightUT + dayOffset + 0.5 - place.LongitudeDeg / 360.0, place.LongitudeDeg);
}

} // namespace

double JulianDayAtMidnightUT(const LocalDate& date) {
    int year = date.Year;
    int month = date.Month;
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const int century = year / 100;
    const int gregorian = 2 - century + century / 4;
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + date.Day + gregorian -
           1524.5;
}

LocalDate LocalDateOf(double julianDayUT, double utcOffsetHours) {
    const double z = std::floor(julianDayUT + utcOffsetHours / 24.0 + 0.5);
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    const double a = z + 1.0 + alpha - std::floor(alpha / 4.0);
    const double b = a + 1524.0;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    LocalDate date;
    date.Day = static_cast<int>(b - d - std::floor(30.6001 * e));
    date.Month = static_cast<int>(e < 14.0 ? e - 1.0 : e - 13.0);
    date.Year = static_cast<int>(date.Month > 2 ? c - 4716.0 : c - 4715.0);
    return date;
}

int WeekdayOf(double julianDayUT, double utcOffsetHours) {
    const auto day = static_cast<long long>(std::floor(julianDayUT + utcOffsetHours / 24.0 + 0.5));
    return static_cast<int>((day + 1) % 7);
}

SunDay ComputeSunDay(const LocalDate& date, const Place& place) {
    // Local midnight of the date, in UT.
    const double midnightUT = JulianDayAtMidnightUT(date) - place.UtcOffsetHours / 24.0;
    SunDay day;
    // With a clock far from the place's mean time the rising of the nearest
    // solar day may fall on the day before or after; step to the one that
    // falls on the date.
    int offset = 0;
    double transitUT = TransitOfDay(midnightUT, offset, place);
    Crossing rise = CrossingOfTransit(transitUT, -1.0, place);
    if (rise.MomentUT && (*rise.MomentUT < midnightUT || *rise.MomentUT >= midnightUT + 1.0)) {
        offset = *rise.MomentUT < midnightUT ? 1 : -1;
        transitUT = TransitOfDay(midnightUT, offset, place);
        rise = CrossingOfTransit(transitUT, -1.0, place);
    }
    const Crossing set = CrossingOfTransit(transitUT, 1.0, place);
    const Crossing nextRise = CrossingOfTransit(TransitOfDay(midnightUT, offset + 1, place), -1.0, place);
    for (const Crossing& crossing : {rise, set, nextRise}) {
        if (!crossing.MomentUT) {
            day.Status = crossing.Failure;
            return day;
        }
    }
    day.SunriseUT = *rise.MomentUT;
    day.SunsetUT = *set.MomentUT;
    day.NextSunriseUT = *nextRise.MomentUT;
    return day;
}

} // namespace velmora
