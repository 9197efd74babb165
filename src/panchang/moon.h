#pragma once

namespace velmora {

// Apparent geocentric longitude of the Moon of date, degrees 0..360, at a
// Julian date in dynamical time.
double MoonApparentLongitudeDeg(double julianDateTT);

} // namespace velmora
