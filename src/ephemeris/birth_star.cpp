#include "ephemeris/birth_star.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/star_names.h"

namespace velmora {

double ComputeAyanamsa(double julianCenturies) {
    const double t = julianCenturies;
    const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * t * t;     // Moon's ascending node
    const double sunMean = 280.466449 + 36000.7698231 * t + 0.0003106 * t * t; // Sun's mean longitude
    const double nodeRad = node * kDegreesToRadians;
    const double sunMeanRad = sunMean * kDegreesToRadians;
    const double arcSeconds =
        17.23 * std::sin(nodeRad) + 1.27 * std::sin(sunMeanRad) - (5025.64 + 1.11 * t) * t;
    return (arcSeconds - 85886.27) / 3600.0; // 85886.27" = 23 deg 51' 26.27"
}

void SelectBirthStar(EngineState& state) {
    state.MoonTropicalLongitude = state.MoonLongitude;
    state.MoonLongitude = state.MoonLongitude + state.AyanamsaDegrees;
    if (state.MoonLongitude < 0.0) {
        state.MoonLongitude += 360.0;
    }
    state.StarPosition = state.MoonLongitude * 60.0 / 800.0;
    const double index = std::floor(state.StarPosition);
    // The sidereal longitude stays below 360 for any finite Moon; the guard
    // keeps a value that can never occur from indexing past the list.
    state.StarIndex = (index >= 0.0 && index < kStarCount) ? static_cast<int>(index) : kStarCount;
    state.MoonStarNameValue = std::string(StarNames[static_cast<std::size_t>(state.StarIndex)]);
}

void ComputeBirthStar(const BirthRecord& record, EngineState& state) {
    PrepareBirthMoment(record, state);
    state.AyanamsaDegrees = ComputeAyanamsa(state.JulianCenturies);
    ComputeMoonLongitude(state);
    SelectBirthStar(state);
}

} // namespace velmora
