#include "schedule/sun_events.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/calendar.h"

namespace velmora {
namespace {

constexpr double kUpperLimbAltitudeDeg = -0.833;
constexpr double kSunHourAngleDegPerDay = 360.0;
constexpr int kMaxRefinements = 8;
constexpr double kConvergedDeg = 1e-5;          // about a millisecond of hour angle
constexpr double kCrossingPrecisionDays = 1e-6; // about 0.1 second

// Into -180..180.
double SignedDegrees(double x) {
    return x - 360.0 * std::floor((x + 180.0) / 360.0);
}

struct SunPlace {
    double RightAscensionDeg;
    double DeclinationDeg;
};

// The Sun's apparent place from the low-precision series of the astronomical
// almanacs (about 0.01 degree, a couple of seconds of rising time away from the
// polar circles). Universal time stands in for dynamical time: Delta T moves the
// Sun by under 0.001 degree in this period.
SunPlace ApparentSun(double julianDateUT) {
    const double t = (julianDateUT - kJ2000JulianDate) / kDaysPerJulianCentury;
    const double meanLongitude = 280.46646 + t * (36000.76983 + 0.0003032 * t);
    const double meanAnomaly = RadiansRoundedTwice(357.52911 + t * (35999.05029 - 0.0001537 * t));
    const double centre = (1.914602 - t * (0.004817 + 0.000014 * t)) * std::sin(meanAnomaly) +
                          (0.019993 - 0.000101 * t) * std::sin(2.0 * meanAnomaly) +
                          0.000289 * std::sin(3.0 * meanAnomaly);
    const double node = RadiansRoundedTwice(125.04 - 1934.136 * t);
    const double longitude = RadiansRoundedTwice(meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node));
    const double obliquity = RadiansRoundedTwice(
        23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - 0.001813 * t))) / 60.0) / 60.0 +
        0.00256 * std::cos(node));
    return {DegreesRoundedTwice(std::atan2(std::cos(obliquity) * std::sin(longitude), std::cos(longitude))),
            DegreesRoundedTwice(std::asin(std::sin(obliquity) * std::sin(longitude)))};
}

double SiderealTimeDeg(double julianDateUT) {
    const double t = (julianDateUT - kJ2000JulianDate) / kDaysPerJulianCentury;
    return 280.46061837 + 360.98564736629 * (julianDateUT - kJ2000JulianDate) + 0.000387933 * t * t;
}

double HourAngleDeg(double julianDateUT, double longitudeDeg, const SunPlace& sun) {
    return SignedDegrees(SiderealTimeDeg(julianDateUT) + longitudeDeg - sun.RightAscensionDeg);
}

// The moment nearest `guessUT` at which the Sun's hour angle is `hourAngleDeg`
// (0: upper culmination, 180: lower).
double CulminationNear(double guessUT, double hourAngleDeg, double longitudeDeg) {
    double t = guessUT;
    for (int i = 0; i < kMaxRefinements; ++i) {
        const double step = SignedDegrees(HourAngleDeg(t, longitudeDeg, ApparentSun(t)) - hourAngleDeg);
        t -= step / kSunHourAngleDegPerDay;
        if (std::abs(step) < kConvergedDeg) {
            break;
        }
    }
    return t;
}

// The Sun's upper limb above (positive) or below the horizon, as the sine of the
// centre's altitude less that of the rising altitude.
class HorizonSide {
public:
    explicit HorizonSide(const ObserverPlace& place)
        : sinLatitude_(std::sin(RadiansRoundedTwice(place.LatitudeDeg))),
          cosLatitude_(std::cos(RadiansRoundedTwice(place.LatitudeDeg))), longitudeDeg_(place.LongitudeDeg),
          sinRisingAltitude_(std::sin(RadiansRoundedTwice(kUpperLimbAltitudeDeg))) {}

    double operator()(double julianDateUT) const {
        const SunPlace sun = ApparentSun(julianDateUT);
        const double declination = RadiansRoundedTwice(sun.DeclinationDeg);
        return sinLatitude_ * std::sin(declination) +
               cosLatitude_ * std::cos(declination) *
                   std::cos(RadiansRoundedTwice(HourAngleDeg(julianDateUT, longitudeDeg_, sun))) -
               sinRisingAltitude_;
    }

private:
    double sinLatitude_;
    double cosLatitude_;
    double longitudeDeg_;
    double sinRisingAltitude_;
};

// The crossing between `beforeUT` and `afterUT`, where the side changes once: regula falsi
// with the Illinois step, which keeps the bracket of bisection and converges in a few
// evaluations instead of twenty.
double FindCrossing(const HorizonSide& side, double beforeUT, double afterUT) {
    double before = side(beforeUT);
    double after = side(afterUT);
    int keptSide = 0; // which end stayed put last time: -1 before, +1 after
    while (afterUT - beforeUT > kCrossingPrecisionDays) {
        double middleUT = (beforeUT * after - afterUT * before) / (after - before);
        if (!(middleUT > beforeUT && middleUT < afterUT)) {
            middleUT = 0.5 * (beforeUT + afterUT);
        }
        const double middle = side(middleUT);
        if ((middle > 0.0) == (before > 0.0)) {
            beforeUT = middleUT;
            before = middle;
            if (keptSide == 1) {
                after *= 0.5;
            }
            keptSide = 1;
        } else {
            afterUT = middleUT;
            after = middle;
            if (keptSide == -1) {
                before *= 0.5;
            }
            keptSide = -1;
        }
        if (middle == 0.0) {
            return middleUT;
        }
    }
    return 0.5 * (beforeUT + afterUT);
}

} // namespace

SunEvents SunEventsBetween(double fromUT, double toUT, const ObserverPlace& place) {
    // From one culmination to the next the Sun's altitude only falls or only
    // rises (the daily turn outruns the drift in declination except at the
    // poles), so it crosses the horizon at most once between them, however
    // close to the horizon it passes.
    const HorizonSide side(place);
    double startUT = CulminationNear(fromUT - 0.75, 0.0, place.LongitudeDeg);
    bool above = side(startUT) > 0.0;
    SunEvents found{.UpAtStart = above, .Events = {}};
    double hourAngleDeg = 0.0;
    while (startUT < toUT) {
        hourAngleDeg = hourAngleDeg == 0.0 ? 180.0 : 0.0;
        const double endUT = CulminationNear(startUT + 0.5, hourAngleDeg, place.LongitudeDeg);
        const bool aboveAtEnd = side(endUT) > 0.0;
        if (aboveAtEnd != above) {
            found.Events.push_back({FindCrossing(side, startUT, endUT), aboveAtEnd});
        }
        startUT = endUT;
        above = aboveAtEnd;
    }
    return found;
}

} // namespace velmora
