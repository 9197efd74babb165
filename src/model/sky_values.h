#pragma once

#include <optional>

#include "model/ids.h"

namespace velmora {

// What the birth-star engine finds for a birth moment.
struct BirthStarValues {
    double ayanamsaDeg = 0.0;     // negative
    double moonTropicalDeg = 0.0; // 0..360
    double moonSiderealDeg = 0.0; // tropical plus the ayanamsa, one turn added below 0
    double starPosition = 0.0;    // sidereal longitude in star widths, 0..27
    std::optional<Star> star;     // empty only for a Moon no finite moment gives
};

// What the panchang finds for a birth moment.
struct PanchangValues {
    double momentJulianDateTT = 0.0; // the birth on the dynamical time scale
    double moonLongitudeDeg = 0.0;   // apparent, 0..360
    double sunLongitudeDeg = 0.0;    // apparent, 0..360
    Fortnight fortnight = Fortnight::Bright;
};

} // namespace velmora
