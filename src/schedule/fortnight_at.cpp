#include "schedule/fortnight_at.h"

#include <cmath>

#include "panchang/panchang.h"

namespace velmora {

std::string_view FortnightAtUT(double julianDayUT) {
    // The same steps as the reading's fortnight: dynamical time, then each
    // body's longitude cut to whole degrees.
    const double julianDayTT = julianDayUT + DeltaTHours(julianDayUT) / 24.0;
    const double moonDeg = PanchangMoonLongitude(julianDayTT);
    const double sunDeg = PanchangSunLongitude(julianDayTT);
    return ComputePaksha(static_cast<int>(std::floor(sunDeg)), static_cast<int>(std::floor(moonDeg)));
}

} // namespace velmora
