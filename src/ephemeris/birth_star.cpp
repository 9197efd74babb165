#include "ephemeris/birth_star.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/moon_longitude.h"

namespace velmora {

double AyanamsaDeg(double julianCenturiesUT) {
    const double t = julianCenturiesUT;
    const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * t * t;     // Moon's ascending node
    const double sunMean = 280.466449 + 36000.7698231 * t + 0.0003106 * t * t; // Sun's mean longitude
    const double nodeRad = node * kDegreesToRadians;
    const double sunMeanRad = sunMean * kDegreesToRadians;
    const double arcSeconds =
        17.23 * std::sin(nodeRad) + 1.27 * std::sin(sunMeanRad) - (5025.64 + 1.11 * t) * t;
    return (arcSeconds - 85886.27) / 3600.0; // 85886.27" = 23 deg 51' 26.27"
}

BirthStarValues SelectBirthStar(double moonTropicalDeg, double ayanamsaDeg) {
    BirthStarValues values;
    values.ayanamsaDeg = ayanamsaDeg;
    values.moonTropicalDeg = moonTropicalDeg;
    values.moonSiderealDeg = moonTropicalDeg + ayanamsaDeg;
    if (values.moonSiderealDeg < 0.0) {
        values.moonSiderealDeg += 360.0;
    }
    values.starPosition = values.moonSiderealDeg * 60.0 / 800.0;
    const double index = std::floor(values.starPosition);
    // The sidereal longitude stays below 360 for any finite Moon; the guard
    // keeps a value that can never occur from naming a star.
    if (index >= 0.0 && index < static_cast<double>(kStarCount)) {
        values.star = static_cast<Star>(index);
    }
    return values;
}

BirthStarValues ComputeBirthStar(const BirthMoment& moment) {
    const double ayanamsaDeg = AyanamsaDeg(moment.julianCenturiesUT);
    return SelectBirthStar(MoonTropicalLongitudeDeg(moment.julianCenturiesUT), ayanamsaDeg);
}

} // namespace velmora
