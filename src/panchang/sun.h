#pragma once

namespace velmora {

// Apparent geocentric longitude of the Sun of date, degrees 0..360, at a Julian
// date in dynamical time.
double SunApparentLongitudeDeg(double julianDateTT);

} // namespace velmora
