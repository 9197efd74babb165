#include "panchang/nutation.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "panchang/epoch.h"
#include "panchang/powers.h"

namespace velmora {

double NutationInLongitude(double julianDateTT) {
    const double t = (julianDateTT - kEpoch1900) / 36525.0;
    const double sunMean = Radians(279.6967 + 36000.7689 * t + 0.000303 * Squared(t));
    const double moonMean = Radians(270.4341639 + 481267.8831417 * t - 0.0011333333 * Squared(t));
    const double sunAnomaly =
        Radians(358.475833333333 + 35999.0497499996 * t - 0.000150000005960465 * Squared(t));
    const double moonAnomaly =
        Radians(296.104608333376 + 477198.849108334 * t + 0.0091916667090522 * Squared(t));
    const double elongation =
        Radians(350.737486111058 + 445267.114216667 * t - 0.00143611113230387 * Squared(t));
    const double node = Radians(259.183275000254 - 1934.14200833321 * t + 0.0020777778 * Squared(t));

    const double arcSeconds =
        (-17.2327 - 0.01737 * t) * std::sin(node) + 0.2088 * std::sin(2.0 * node) +
        0.0675 * std::sin(moonAnomaly) - 0.0149 * std::sin(moonAnomaly - 2.0 * elongation) -
        0.0342 * std::sin(2.0 * moonMean - node) + 0.0114 * std::sin(2.0 * moonMean - moonAnomaly) -
        0.2037 * std::sin(2.0 * moonMean) - 0.0261 * std::sin(2.0 * moonMean + moonAnomaly) +
        0.0124 * std::sin(2.0 * sunMean - node) + 0.0214 * std::sin(2.0 * sunMean - sunAnomaly) -
        1.2729 * std::sin(2.0 * sunMean) - 0.0497 * std::sin(2.0 * sunMean + sunAnomaly) +
        0.1261 * std::sin(sunAnomaly);
    return arcSeconds / 3600.0;
}

} // namespace velmora
