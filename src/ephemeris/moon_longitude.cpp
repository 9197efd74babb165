#include "ephemeris/moon_longitude.h"

#include <array>
#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/lunar_terms.h"

namespace velmora {
namespace {

// Degrees; the first 25 longitude terms of the truncated lunar theory.
constexpr auto kLunarLongitudeTerms = std::to_array<LunarTerm>({
    {0, 0, 1, 0, +6.288774},   // 1  M'
    {2, 0, -1, 0, +1.274027},  // 2  2D - M'
    {2, 0, 0, 0, +0.658314},   // 3  2D
    {0, 0, 2, 0, +0.213618},   // 4  2M'
    {0, 1, 0, 0, -0.185116},   // 5  M
    {0, 0, 0, 2, -0.114332},   // 6  2F
    {2, 0, -2, 0, +0.058793},  // 7  2D - 2M'
    {2, -1, -1, 0, +0.057066}, // 8  2D - M - M'
    {2, 0, 1, 0, +0.053322},   // 9  2D + M'
    {2, -1, 0, 0, +0.045758},  // 10 2D - M
    {0, 1, -1, 0, -0.040923},  // 11 M - M'
    {1, 0, 0, 0, -0.034720},   // 12 D
    {0, 1, 1, 0, -0.030383},   // 13 M + M'
    {2, 0, 0, -2, +0.015327},  // 14 2D - 2F
    {0, 0, 1, 2, -0.012528},   // 15 M' + 2F
    {0, 0, 1, -2, +0.010980},  // 16 M' - 2F
    {4, 0, -1, 0, +0.010675},  // 17 4D - M'
    {0, 0, 3, 0, +0.010034},   // 18 3M'
    {4, 0, -2, 0, +0.008548},  // 19 4D - 2M'
    {2, 1, -1, 0, -0.007888},  // 20 2D + M - M'
    {2, 1, 0, 0, -0.006766},   // 21 2D + M
    {1, 0, -1, 0, -0.005163},  // 22 D - M'
    {1, 1, 0, 0, +0.004987},   // 23 D + M
    {2, -1, 1, 0, +0.004036},  // 24 2D - M + M'
    {2, 0, 2, 0, +0.003994},   // 25 2D + 2M'
});
static_assert(kLunarLongitudeTerms.size() == 25);

} // namespace

double MoonTropicalLongitudeDeg(double julianCenturiesUT) {
    const double t = julianCenturiesUT;
    const double meanLongitude = 218.3164591 + 481267.88134236 * t;
    // The arguments go into the sines unreduced, as radians.
    const double d = (297.8502042 + 445267.1115168 * t) * kDegreesToRadians;
    const double m = (357.5291092 + 35999.0502909 * t) * kDegreesToRadians;
    const double mp = (134.9634114 + 477198.8676313 * t) * kDegreesToRadians;
    const double f = (93.2720993 + 483202.0175273 * t) * kDegreesToRadians;
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t * t;

    // Each term's angle is a whole combination of the four arguments.
    const LunarArguments<kLunarLongitudeTerms> arguments(d, m, mp, f);
    const std::array<double, 3> eccentricityFactors = {1.0, e, e * e};
    const double sum = SumLunarSeries<kLunarLongitudeTerms, LunarAngleOrder::InPairs>(
        arguments, [&](const LunarTerm& term) { return eccentricityFactors[EccentricityPower(term)]; });
    return WrapTurns(meanLongitude + sum);
}

} // namespace velmora
