#pragma once

namespace velmora {

// Moon's tropical longitude in degrees (0..360, both ends possible) from the
// 25-term series, at Julian centuries from J2000 counted in universal time.
double MoonTropicalLongitudeDeg(double julianCenturiesUT);

} // namespace velmora
