#include "schedule/sun_events.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

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

// The Sun's apparent ecliptic longitude and the obliquity, by their sines and cosines:
// the side of the horizon needs no angle in the equator, the culmination only the
// right ascension.
struct SunDirection {
    double sinLongitude;
    double cosLongitude;
    double sinObliquity;
    double cosObliquity;

    double RightAscensionDeg() const {
        return DegreesRoundedTwice(std::atan2(cosObliquity * sinLongitude, cosLongitude));
    }
};

// The Sun from the low-precision series of the astronomical almanacs (about 0.01
// degree, a couple of seconds of rising time away from the polar circles).
// Universal time stands in for dynamical time: Delta T moves the Sun by under
// 0.001 degree in this period.
SunDirection ApparentSun(double julianDateUT) {
    const double t = (julianDateUT - kJ2000JulianDate) / kDaysPerJulianCentury;
    const double meanLongitude = 280.46646 + t * (36000.76983 + 0.0003032 * t);
    const double meanAnomaly = RadiansRoundedTwice(357.52911 + t * (35999.05029 - 0.0001537 * t));
    const double sinAnomaly = std::sin(meanAnomaly);
    const double cosAnomaly = std::cos(meanAnomaly);
    const double centre = (1.914602 - t * (0.004817 + 0.000014 * t)) * sinAnomaly +
                          (0.019993 - 0.000101 * t) * 2.0 * sinAnomaly * cosAnomaly +
                          0.000289 * sinAnomaly * (3.0 - 4.0 * sinAnomaly * sinAnomaly);
    const double node = RadiansRoundedTwice(125.04 - 1934.136 * t);
    const double longitude = RadiansRoundedTwice(meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node));
    const double obliquity = RadiansRoundedTwice(
        23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - 0.001813 * t))) / 60.0) / 60.0 +
        0.00256 * std::cos(node));
    return {std::sin(longitude), std::cos(longitude), std::sin(obliquity), std::cos(obliquity)};
}

// The local sidereal time, -180..180.
double LocalSiderealTimeDeg(double julianDateUT, double longitudeDeg) {
    const double t = (julianDateUT - kJ2000JulianDate) / kDaysPerJulianCentury;
    return SignedDegrees(280.46061837 + 360.98564736629 * (julianDateUT - kJ2000JulianDate) +
                         0.000387933 * t * t + longitudeDeg);
}

// Culmination `number` at longitude `longitudeDeg`: even numbers the upper culmination near
// local mean noon of Julian day number / 2, odd ones the lower culmination half a day later.
// Each is refined from its own mean-time guess (the equation of time keeps it within 17
// minutes), never from a neighbour, so that every search that meets a culmination finds
// the same moment to the bit, and with it the same rising or setting.
double Culmination(std::int64_t number, double longitudeDeg) {
    const double hourAngleDeg = number % 2 == 0 ? 0.0 : 180.0;
    double t = 0.5 * static_cast<double>(number) - longitudeDeg / kSunHourAngleDegPerDay;
    for (int i = 0; i < kMaxRefinements; ++i) {
        const double step = SignedDegrees(LocalSiderealTimeDeg(t, longitudeDeg) -
                                          ApparentSun(t).RightAscensionDeg() - hourAngleDeg);
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

    // With the Sun's declination d, hour angle H and the local sidereal time s:
    // sin d = sin e sin l, and cos d cos H = cos s cos l + sin s cos e sin l.
    double operator()(double julianDateUT) const {
        const SunDirection sun = ApparentSun(julianDateUT);
        const double siderealTime = RadiansRoundedTwice(LocalSiderealTimeDeg(julianDateUT, longitudeDeg_));
        return sinLatitude_ * sun.sinObliquity * sun.sinLongitude +
               cosLatitude_ * (std::cos(siderealTime) * sun.cosLongitude +
                               std::sin(siderealTime) * sun.cosObliquity * sun.sinLongitude) -
               sinRisingAltitude_;
    }

private:
    double sinLatitude_;
    double cosLatitude_;
    double longitudeDeg_;
    double sinRisingAltitude_;
};

// The crossing between `beforeUT` and `afterUT`, where the side changes once from `before`
// to `after`: regula falsi with the Illinois step, which keeps the bracket of bisection and
// converges in a few evaluations instead of twenty.
double FindCrossing(const HorizonSide& side, double beforeUT, double before, double afterUT, double after) {
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
    // The culmination before the last one whose mean time is at or before `fromUT`:
    // before `fromUT` whatever the equation of time.
    const double meanHalfDays = 2.0 * (fromUT + place.LongitudeDeg / kSunHourAngleDegPerDay);
    std::int64_t number = static_cast<std::int64_t>(std::floor(meanHalfDays)) - 1;
    double startUT = Culmination(number, place.LongitudeDeg);
    double start = side(startUT);
    SunEvents found{.UpAtStart = start > 0.0, .Events = {}};
    // Two events a day at most.
    found.Events.reserve(static_cast<std::size_t>(std::max(0.0, 2.0 * (toUT - fromUT) + 4.0)));
    while (startUT < toUT) {
        const double endUT = Culmination(++number, place.LongitudeDeg);
        const double end = side(endUT);
        if ((end > 0.0) != (start > 0.0)) {
            found.Events.push_back({FindCrossing(side, startUT, start, endUT, end), end > 0.0});
        }
        startUT = endUT;
        start = end;
    }
    return found;
}

} // namespace velmora
