#pragma once

namespace velmora {

// Apparent geocentric longitude of the Moon of date, degrees 0..360, at a
// Julian date in dynamical time.
double MoonApparentLongitudeDeg(double julianDateTT);

// The same with the nutation in longitude of that date already known, in degrees.
double MoonApparentLongitudeDeg(double julianDateTT, double nutationDeg);

} // namespace velmora
