#include "schedule/fortnight_at.h"

#include <cmath>

#include "panchang/delta_t.h"
#include "panchang/fortnight.h"
#include "panchang/moon.h"
#include "panchang/sun.h"

namespace velmora {

Fortnight FortnightAtUT(double julianDayUT) {
    // The same steps as the reading's fortnight: dynamical time, then each
    // body's longitude cut to whole degrees.
    const double julianDayTT = julianDayUT + DeltaTHours(julianDayUT) / 24.0;
    const double moonDeg = MoonApparentLongitudeDeg(julianDayTT);
    const double sunDeg = SunApparentLongitudeDeg(julianDayTT);
    return FortnightOf(static_cast<int>(std::floor(sunDeg)), static_cast<int>(std::floor(moonDeg)));
}

} // namespace velmora
