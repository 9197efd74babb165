#pragma once

#include <string_view>

namespace velmora {

// The panchang's fortnight ("Shukla Paksha" or "Krishna Paksha") at a moment
// given as a Julian date in UT. The schedule's only call into the panchang.
std::string_view FortnightAtUT(double julianDayUT);

} // namespace velmora
