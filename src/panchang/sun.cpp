#include "panchang/sun.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/calendar.h"
#include "panchang/epoch.h"
#include "panchang/kepler.h"
#include "panchang/nutation.h"
#include "panchang/powers.h"

namespace velmora {

double SunApparentLongitudeDeg(double julianDateTT, double nutationDeg) {
    const double d = julianDateTT - kEpoch1900;
    const double t = d / kDaysPerJulianCentury;
    const double meanLongitude = 279.696678 + 0.9856473354 * d + 1.089 * Squared(t) / 3600.0;
    const double perihelion =
        101.220833 + 6189.03 * t / 3600.0 + 1.63 * Squared(t) / 3600.0 + 0.012 * Cubed(t) / 3600.0;
    const double meanAnomaly0 = WrapTurns(meanLongitude - perihelion + 180.0);
    const double meanAnomaly = meanAnomaly0 + (6.4 * std::sin(Radians(231.19 + 20.2 * t)) +
                                               0.266 * std::sin(Radians(31.8 + 119.0 * t)) +
                                               (1.882 - 0.016 * t) * std::sin(Radians(57.24 + 150.27 * t))) /
                                                  3600.0;
    const double e = 0.01675104 - 4.18e-05 * t - 1.26e-07 * Squared(t);
    const double eccentricAnomaly = SolveKepler(meanAnomaly, e, 3e-07);

    double trueAnomaly = eccentricAnomaly;
    // At aphelion the half-angle tangent is undefined; the anomalies coincide there.
    if (!(std::fabs(3.14159265358979 - eccentricAnomaly) < 1e-10)) {
        trueAnomaly = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(eccentricAnomaly / 2.0));
    }
    trueAnomaly = WrapTurns(trueAnomaly * kRadiansToDegrees);

    const double a = Radians(153.23 + 22518.7541 * t);
    const double b = Radians(216.57 + 45037.5082 * t);
    const double c = Radians(312.69 + 32964.3577 * t);
    const double dm = Radians(350.74 + 445267.1142 * t - 0.00144 * Squared(t));
    const double em = Radians(353.4 + 65928.7155 * t);
    const double h = Radians(315.6 + 893.3 * t);
    const double dl = 0.00134 * std::cos(a) + 0.00154 * std::cos(b) + 0.002 * std::cos(c) +
                      0.00179 * std::sin(dm) + (0.202 * std::sin(h)) / 3600.0;
    const double dr = 5.43e-06 * std::sin(a) + 1.575e-05 * std::sin(b) + 1.627e-05 * std::sin(c) +
                      3.076e-05 * std::cos(dm) + 9.26999999e-06 * std::sin(em);

    const double trueLongitude = meanLongitude + dl + trueAnomaly - meanAnomaly0;
    const double radius = 1.0000002 * (1.0 - Squared(e)) / (1.0 + e * std::cos(Radians(trueAnomaly)));
    const double radiusPerturbed = radius + dr;
    const double aberration = 20.496 * (1.0 - Squared(e)) / radiusPerturbed / 3600.0;
    const double apparent = trueLongitude + nutationDeg - aberration;
    return WrapTurns(apparent);
}

} // namespace velmora
