#pragma once

namespace velmora {

// Nutation in longitude, degrees, at a Julian date in dynamical time.
double NutationInLongitudeDeg(double julianDateTT);

} // namespace velmora
