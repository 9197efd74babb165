#include "panchang/nutation.h"

#include "ephemeris/angle_sums.h"
#include "ephemeris/angles.h"
#include "ephemeris/calendar.h"
#include "panchang/epoch.h"
#include "panchang/powers.h"

namespace velmora {

double NutationInLongitudeDeg(double julianDateTT) {
    const double t = (julianDateTT - kEpoch1900) / kDaysPerJulianCentury;
    const double sunMean = Radians(279.6967 + 36000.7689 * t + 0.000303 * Squared(t));
    const double moonMean = Radians(270.4341639 + 481267.8831417 * t - 0.0011333333 * Squared(t));
    const double sunAnomaly =
        Radians(358.475833333333 + 35999.0497499996 * t - 0.000150000005960465 * Squared(t));
    const double moonAnomaly =
        Radians(296.104608333376 + 477198.849108334 * t + 0.0091916667090522 * Squared(t));
    const double elongation =
        Radians(350.737486111058 + 445267.114216667 * t - 0.00143611113230387 * Squared(t));
    const double node = Radians(259.183275000254 - 1934.14200833321 * t + 0.0020777778 * Squared(t));

    // Thirteen terms from six sincos: the terms are sums of the arguments.
    const CosSin n = CosSinOf(node);
    const CosSin lm = CosSinOf(moonAnomaly);
    const CosSin twoD = CosSinOf(2.0 * elongation);
    const CosSin twoMoon = CosSinOf(2.0 * moonMean);
    const CosSin twoSun = CosSinOf(2.0 * sunMean);
    const CosSin ls = CosSinOf(sunAnomaly);
    const double arcSeconds = (-17.2327 - 0.01737 * t) * n.sin + 0.2088 * (2.0 * n.sin * n.cos) +
                              0.0675 * lm.sin - 0.0149 * SinOfDifference(lm, twoD) -
                              0.0342 * SinOfDifference(twoMoon, n) + 0.0114 * SinOfDifference(twoMoon, lm) -
                              0.2037 * twoMoon.sin - 0.0261 * SinOfSum(twoMoon, lm) +
                              0.0124 * SinOfDifference(twoSun, n) + 0.0214 * SinOfDifference(twoSun, ls) -
                              1.2729 * twoSun.sin - 0.0497 * SinOfSum(twoSun, ls) + 0.1261 * ls.sin;
    return arcSeconds / 3600.0;
}

} // namespace velmora
