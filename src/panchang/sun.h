#pragma once

namespace velmora {

// Apparent geocentric longitude of the Sun of date, degrees 0..360, at a Julian
// date in dynamical time, with the nutation in longitude of that date in degrees.
double SunApparentLongitudeDeg(double julianDateTT, double nutationDeg);

} // namespace velmora
