#pragma once

#include <optional>

#include "model/ids.h"

namespace velmora {

inline constexpr int kTithisPerMonth = 30;

// The Moon and the Sun at one moment, as an almanac gives a day.
struct DaySky {
    double elongationDeg = 0.0;              // the Moon's apparent longitude less the Sun's, 0..360
    Fortnight fortnight = Fortnight::Bright; // bright while the elongation is below 180 degrees
    int tithi = 1; // the elongation in 12-degree steps: 1..15 bright (Purnima 15), 16..30 dark (Amavasya 30)
    std::optional<Star> star; // of the Moon's sidereal longitude

    bool operator==(const DaySky&) const = default;
};

// The sky at a moment given as a Julian date (UT), from the panchang's Moon and Sun.
// Unlike a birth, whose fortnight comes from each body's whole degrees, the day takes
// the exact elongation, as the almanacs do.
DaySky ComputeDaySkyAtUT(double julianDateUT);

} // namespace velmora
