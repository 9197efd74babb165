#include "panchang/moon.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "ephemeris/angles.h"
#include "ephemeris/calendar.h"
#include "ephemeris/lunar_terms.h"
#include "panchang/epoch.h"
#include "panchang/nutation.h"
#include "panchang/powers.h"

namespace velmora {
namespace {

// Main series: multipliers of D, M, M' (l) and F; coefficient in arc-seconds.
constexpr auto kMainTerms = std::to_array<LunarTerm>({
    {4, 0, 0, 0, 13.902},     // 0
    {2, 0, 0, 0, 2369.912},   // 1
    {4, 0, 1, 0, 1.979},      // 2
    {2, 0, 1, 0, 191.953},    // 3
    {0, 0, 1, 0, 22639.5},    // 4
    {-2, 0, 1, 0, -4586.465}, // 5
    {-4, 0, 1, 0, -38.428},   // 6
    {-6, 0, 1, 0, -0.393},    // 7
    {4, 1, 0, 0, -0.289},     // 8
    {2, 1, 0, 0, -24.42},     // 9
    {0, 1, 0, 0, -668.146},   // 10
    {-2, 1, 0, 0, -165.145},  // 11
    {-4, 1, 0, 0, -1.877},    // 12
    {3, 0, 0, 0, 0.403},      // 13
    {1, 0, 0, 0, -125.154},   // 14
    {4, 0, 2, 0, 0.213},      // 15
    {2, 0, 2, 0, 14.387},     // 16
    {0, 0, 2, 0, 769.016},    // 17
    {-2, 0, 2, 0, -211.656},  // 18
    {-4, 0, 2, 0, -30.773},   // 19
    {-6, 0, 2, 0, -0.57},     // 20
    {2, 1, 1, 0, -2.921},     // 21
    {0, 1, 1, 0, -109.673},   // 22
    {-2, 1, 1, 0, -205.962},  // 23
    {-4, 1, 1, 0, -4.391},    // 24
    {4, -1, 1, 0, 0.283},     // 25
    {2, -1, 1, 0, 14.577},    // 26
    {0, -1, 1, 0, 147.687},   // 27
    {-2, -1, 1, 0, 28.475},   // 28
    {-4, -1, 1, 0, 0.636},    // 29
    {2, 2, 0, 0, -0.189},     // 30
    {0, 2, 0, 0, -7.486},     // 31
    {-2, 2, 0, 0, -8.096},    // 32
    {2, 0, 0, 2, -5.741},     // 33
    {0, 0, 0, 2, -411.608},   // 34
    {-2, 0, 0, 2, -55.173},   // 35
    {-4, 0, 0, 2, 0.025},     // 36
    {1, 0, 1, 0, -8.466},     // 37
    {-1, 0, 1, 0, 18.609},    // 38
    {-3, 0, 1, 0, 3.215},     // 39
    {1, 1, 0, 0, 18.023},     // 40
    {-1, 1, 0, 0, 0.56},      // 41
    {2, 0, 3, 0, 1.06},       // 42
    {0, 0, 3, 0, 36.124},     // 43
    {-2, 0, 3, 0, -13.193},   // 44
    {-4, 0, 3, 0, -1.187},    // 45
    {-6, 0, 3, 0, -0.293},    // 46
    {2, 1, 2, 0, -0.29},      // 47
    {0, 1, 2, 0, -7.649},     // 48
    {-2, 1, 2, 0, -8.627},    // 49
    {-4, 1, 2, 0, -2.74},     // 50
    {2, -1, 2, 0, 1.181},     // 51
    {0, -1, 2, 0, 9.703},     // 52
    {-2, -1, 2, 0, -2.494},   // 53
    {-4, -1, 2, 0, 0.36},     // 54
    {0, 2, 1, 0, -1.167},     // 55
    {-2, 2, 1, 0, -7.412},    // 56
    {-4, 2, 1, 0, -0.311},    // 57
    {2, -2, 1, 0, 0.757},     // 58
    {0, -2, 1, 0, 2.58},      // 59
    {-2, -2, 1, 0, 2.533},    // 60
    {-2, 3, 0, 0, -0.344},    // 61
    {2, 0, 1, 2, -0.992},     // 62
    {0, 0, 1, 2, -45.099},    // 63
    {-2, 0, 1, 2, -0.179},    // 64
    {2, 0, 1, -2, -6.382},    // 65
    {0, 0, 1, -2, 39.528},    // 66
    {-2, 0, 1, -2, 9.366},    // 67
    {0, 1, 0, 2, 0.415},      // 68
    {-2, 1, 0, 2, -2.152},    // 69
    {2, 1, 0, -2, -1.44},     // 70
    {-2, 1, 0, -2, 0.384},    // 71
    {1, 0, 2, 0, -0.586},     // 72
    {-1, 0, 2, 0, 1.75},      // 73
    {-3, 0, 2, 0, 1.225},     // 74
    {1, 1, 1, 0, 1.267},      // 75
    {-1, -1, 1, 0, -1.089},   // 76
    {-1, 0, 0, 2, 0.584},     // 77
    {0, 0, 4, 0, 1.938},      // 78
    {-2, 0, 4, 0, -0.952},    // 79
    {0, 1, 3, 0, -0.551},     // 80
    {-2, 1, 3, 0, -0.482},    // 81
    {0, -1, 3, 0, 0.681},     // 82
    {0, 0, 2, 2, -3.996},     // 83
    {-2, 0, 2, 2, 0.557},     // 84
    {2, 0, 2, -2, -0.459},    // 85
    {0, 0, 2, -2, -1.298},    // 86
    {-2, 0, 2, -2, 0.538},    // 87
    {-2, 1, 1, -2, 0.426},    // 88
    {0, -1, 1, 2, -0.304},    // 89
    {2, -1, 1, -2, -0.372},   // 90
    {0, 0, 0, 4, 0.418},      // 91
    {-1, -1, 2, 0, -0.352},   // 92
});
static_assert(kMainTerms.size() == 93);

// Minor series, same columns; these rows take no eccentricity or inclination factor.
constexpr auto kMinorTerms = std::to_array<LunarTerm>({
    {6, 0, 0, 0, 0.127},    // 0
    {-4, 2, 0, 0, -0.151},  // 1
    {4, 0, 0, 2, -0.085},   // 2
    {3, 1, 0, 0, 0.15},     // 3
    {-6, 1, 2, 1, -0.091},  // 4
    {0, 3, 0, 0, -0.103},   // 5
    {-4, 0, 1, 2, -0.301},  // 6
    {-4, 0, 1, -2, 0.202},  // 7
    {-1, 1, 1, 0, 0.137},   // 8
    {-3, 1, 1, 0, 0.233},   // 9
    {1, -1, 1, 0, -0.122},  // 10
    {-3, -1, 1, 0, -0.276}, // 11
    {1, 0, 0, 2, 0.255},    // 12
    {-3, 0, 0, 2, 0.254},   // 13
    {-4, 1, 3, 0, -0.1},    // 14
    {-2, -1, 3, 0, -0.183}, // 15
    {-2, 2, 2, 0, -0.297},  // 16
    {-4, 2, 2, 0, -0.161},  // 17
    {0, -2, 2, 0, 0.197},   // 18
    {-2, -2, 2, 0, 0.254},  // 19
    {-2, 3, 1, 0, -0.25},   // 20
    {2, 0, 2, 2, -0.123},   // 21
    {-4, 0, 2, -2, 0.173},  // 22
    {0, 1, 1, 2, 0.263},    // 23
    {-1, 0, 3, 0, 0.13},    // 24
    {0, 0, 5, 0, 0.113},    // 25
    {-2, 0, 3, 2, 0.092},   // 26
});
static_assert(kMinorTerms.size() == 27);

// Both series, for the largest multiple of each argument.
constexpr auto kAllTerms = [] {
    std::array<LunarTerm, kMainTerms.size() + kMinorTerms.size()> all{};
    std::size_t i = 0;
    for (const LunarTerm& term : kMainTerms) {
        all[i++] = term;
    }
    for (const LunarTerm& term : kMinorTerms) {
        all[i++] = term;
    }
    return all;
}();

// Planetary terms: coefficient (arc-seconds) * sin(2 pi (a + b d)).
struct PlanetaryTerm {
    double coefficientArcSec;
    double a;
    double b;
};

constexpr auto kPlanetaryTerms = std::to_array<PlanetaryTerm>({
    {0.822, 0.3248, -0.0017125594},
    {0.307, 0.14905, -0.0034251187},
    {0.348, 0.68266, -0.0006873156},
    {0.662, 0.65162, 0.0365724168},
    {0.643, 0.88098, -0.0025069941},
    {1.137, 0.85823, 0.036448727},
    {0.436, 0.71892, 0.036217918},
    {0.327, 0.97639, 0.000173491},
});
static_assert(kPlanetaryTerms.size() == 8);

} // namespace

double MoonApparentLongitudeDeg(double julianDateTT, double nutationDeg) {
    const double d = julianDateTT - kEpoch1900;
    const double t = d / kDaysPerJulianCentury;
    const double twoPi = 360.0 * kDegreesToRadians;

    // Mean elements, degrees.
    const double meanLongitude =
        270.4337361 + 13.1763965445281 * d - 5.86 * Squared(t) / 3600.0 + 0.0068 * Cubed(t) / 3600.0;
    double elongation =
        350.737486111058 + 445267.114216667 * t - 0.00143611113230387 * Squared(t) + 1.8888889e-06 * Cubed(t);
    const double perigee =
        334.329556 + 14648522.52 * t / 3600.0 - 37.17 * Squared(t) / 3600.0 - 0.045 * Cubed(t) / 3600.0;
    double sunAnomaly = 358.475833333333 + 35999.0497499996 * t - 0.000150000005960465 * Squared(t) -
                        3.3333333623078e-06 * Cubed(t);
    const double node =
        259.183275 - 6962911.23 * t / 3600.0 + 7.48 * Squared(t) / 3600.0 + 0.008 * Cubed(t) / 3600.0;
    double moonAnomaly = WrapTurns(meanLongitude - perigee);
    double latitudeArgument = WrapTurns(meanLongitude - node);

    // Long-period arguments, in revolutions times 2 pi.
    const double d1 = d * 1e-12;
    const double d2 = Squared(d) * 1e-16;
    const double s1 = std::sin(twoPi * (0.53733431 - 10104982.0 * d1 + 191.0 * d2));
    const double a2 = twoPi * (0.71995354 - 147094228.0 * d1 + 43.0 * d2);
    const double s2 = std::sin(a2);
    const double c2 = std::cos(a2);
    const double s3 = std::sin(twoPi * (0.14222222 + 1536238.0 * d1));
    const double a4 = twoPi * (0.48398132 - 147269147.0 * d1 + 43.0 * d2);
    const double s4 = std::sin(a4);
    const double c4 = std::cos(a4);
    const double s5 = std::sin(twoPi * (0.52453688 - 147162675.0 * d1 + 43.0 * d2));
    const double s6 = std::sin(twoPi * (0.84536324 - 11459387.0 * d1));
    const double s7 = std::sin(twoPi * (0.23363774 + 1232723.0 * d1 + 191.0 * d2));
    const double s8 = std::sin(twoPi * (0.5875 + 9050118.0 * d1));
    const double s9 = std::sin(twoPi * (0.61043085 - 67718733.0 * d1));

    // Additive terms, arc-seconds.
    const double dL = 0.84 * s3 + 0.31 * s7 + 14.27 * s1 + 7.261 * s2 + 0.282 * s4 + 0.237 * s6;
    const double dP = -2.1 * s3 - 2.076 * s2 - 0.84 * s4 - 0.593 * s6;
    const double dN = 0.63 * s3 + 95.96 * s2 + 15.58 * s4 + 1.86 * s5;
    const double dM = -6.4 * s3 - 0.27 * s8 - 1.89 * s6 + 0.2 * s9;
    const double g = 1.000002708 + 139.978 * ((-4.318 * c2 - 0.698 * c4) / 3600.0 / 360.0);

    moonAnomaly = (moonAnomaly + (dL - dP) / 3600.0) * kDegreesToRadians;
    sunAnomaly = (sunAnomaly + dM / 3600.0) * kDegreesToRadians;
    latitudeArgument = (latitudeArgument + (dL - dN) / 3600.0) * kDegreesToRadians;
    elongation = (elongation + (dL - dM) / 3600.0) * kDegreesToRadians;

    const double e = 1.0 - 6.832e-08 * d; // the Earth's orbital eccentricity decreases
    const double g2 = g * g;

    // Every term's angle is a whole combination of the four arguments.
    const LunarArguments<kAllTerms> arguments(elongation, sunAnomaly, moonAnomaly, latitudeArgument);
    // The eccentricity and inclination factors by the power of e and whether g^2 applies.
    const std::array<std::array<double, 2>, 3> factors = {{{1.0, g2}, {e, e * g2}, {e * e, e * e * g2}}};
    const double mainSeries =
        SumLunarSeries<kMainTerms, LunarAngleOrder::InSequence>(arguments, [&](const LunarTerm& term) {
            return factors[EccentricityPower(term)][term.f != 0 ? 1 : 0];
        });
    const double minorSeries = SumLunarSeries<kMinorTerms, LunarAngleOrder::InSequence>(
        arguments, [](const LunarTerm&) { return 1.0; });
    double planetary = 0.0;
    for (const PlanetaryTerm& term : kPlanetaryTerms) {
        planetary += term.coefficientArcSec * std::sin(twoPi * (term.a + term.b * d));
    }

    const double longitude =
        meanLongitude + nutationDeg + (dL + mainSeries + minorSeries + planetary) / 3600.0;
    return WrapTurns(longitude);
}

} // namespace velmora
