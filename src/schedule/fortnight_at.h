#pragma once

#include "model/ids.h"

namespace velmora {

// The panchang's fortnight at a moment given as a Julian date in UT. The
// schedule's only call into the panchang.
Fortnight FortnightAtUT(double julianDayUT);

} // namespace velmora
