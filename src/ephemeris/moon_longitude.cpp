#include "ephemeris/moon_longitude.h"

#include <array>
#include <cmath>

#include "ephemeris/angle_sums.h"
#include "ephemeris/angles.h"

namespace velmora {
namespace {

// One periodic term: coefficient * sin(d*D + m*M + mp*M' + f*F), times E when marked.
struct LunarTerm {
    int d;
    int m;
    int mp;
    int f;
    double coefficientDeg;
    bool timesE;
};

// Degrees; the first 25 longitude terms of the truncated lunar theory.
constexpr auto kLunarLongitudeTerms = std::to_array<LunarTerm>({
    {0, 0, 1, 0, +6.288774, false},  // 1  M'
    {2, 0, -1, 0, +1.274027, false}, // 2  2D - M'
    {2, 0, 0, 0, +0.658314, false},  // 3  2D
    {0, 0, 2, 0, +0.213618, false},  // 4  2M'
    {0, 1, 0, 0, -0.185116, true},   // 5  M
    {0, 0, 0, 2, -0.114332, false},  // 6  2F
    {2, 0, -2, 0, +0.058793, false}, // 7  2D - 2M'
    {2, -1, -1, 0, +0.057066, true}, // 8  2D - M - M'
    {2, 0, 1, 0, +0.053322, false},  // 9  2D + M'
    {2, -1, 0, 0, +0.045758, true},  // 10 2D - M
    {0, 1, -1, 0, -0.040923, true},  // 11 M - M'
    {1, 0, 0, 0, -0.034720, false},  // 12 D
    {0, 1, 1, 0, -0.030383, true},   // 13 M + M'
    {2, 0, 0, -2, +0.015327, false}, // 14 2D - 2F
    {0, 0, 1, 2, -0.012528, false},  // 15 M' + 2F
    {0, 0, 1, -2, +0.010980, false}, // 16 M' - 2F
    {4, 0, -1, 0, +0.010675, false}, // 17 4D - M'
    {0, 0, 3, 0, +0.010034, false},  // 18 3M'
    {4, 0, -2, 0, +0.008548, false}, // 19 4D - 2M'
    {2, 1, -1, 0, -0.007888, true},  // 20 2D + M - M'
    {2, 1, 0, 0, -0.006766, true},   // 21 2D + M
    {1, 0, -1, 0, -0.005163, false}, // 22 D - M'
    {1, 1, 0, 0, +0.004987, true},   // 23 D + M
    {2, -1, 1, 0, +0.004036, true},  // 24 2D - M + M'
    {2, 0, 2, 0, +0.003994, false},  // 25 2D + 2M'
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
    const AngleMultiples<LargestMultiple(kLunarLongitudeTerms, &LunarTerm::d)> dMultiples(d);
    const AngleMultiples<LargestMultiple(kLunarLongitudeTerms, &LunarTerm::m)> mMultiples(m);
    const AngleMultiples<LargestMultiple(kLunarLongitudeTerms, &LunarTerm::mp)> mpMultiples(mp);
    const AngleMultiples<LargestMultiple(kLunarLongitudeTerms, &LunarTerm::f)> fMultiples(f);
    double sum = 0.0;
    for (const LunarTerm& term : kLunarLongitudeTerms) {
        const double sine = SinOfSum(Sum(dMultiples.At(term.d), mMultiples.At(term.m)),
                                     Sum(mpMultiples.At(term.mp), fMultiples.At(term.f)));
        double value = term.coefficientDeg * sine;
        if (term.timesE) {
            value *= e;
        }
        sum += value;
    }
    return WrapTurns(meanLongitude + sum);
}

} // namespace velmora
