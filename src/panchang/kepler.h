#pragma once

namespace velmora {

// Eccentric anomaly (radians) solving Kepler's equation for a mean anomaly in
// degrees, by Newton's method until a step is below the tolerance in degrees.
double SolveKepler(double meanAnomalyDeg, double eccentricity, double toleranceDeg);

} // namespace velmora
