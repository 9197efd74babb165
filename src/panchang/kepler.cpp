#include "panchang/kepler.h"

#include <cmath>

#include "ephemeris/angles.h"

namespace velmora {

double SolveKepler(double meanAnomalyDeg, double eccentricity, double toleranceDeg) {
    const double meanAnomaly = Radians(meanAnomalyDeg);
    const double tolerance = Radians(toleranceDeg);
    double eccentricAnomaly = meanAnomaly;
    double step = 1.0;
    // Newton's method converges in a handful of steps for any elliptic orbit;
    // the cap only stops an eccentricity of 1 or more, which never reaches here.
    for (int iteration = 0; iteration < 100 && std::fabs(step) >= tolerance; ++iteration) {
        step = (meanAnomaly + eccentricity * std::sin(eccentricAnomaly) - eccentricAnomaly) /
               (1.0 - eccentricity * std::cos(eccentricAnomaly));
        eccentricAnomaly = eccentricAnomaly + step;
    }
    return eccentricAnomaly;
}

} // namespace velmora
