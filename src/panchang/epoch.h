#pragma once

namespace velmora {

// Julian date of the epoch of the panchang's theories: 1900 January 0.5.
inline constexpr double kEpoch1900 = 2415020.0;

} // namespace velmora
