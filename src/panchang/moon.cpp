#include "panchang/moon.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

#include "ephemeris/angle_sums.h"
#include "ephemeris/angles.h"
#include "panchang/epoch.h"
#include "panchang/nutation.h"
#include "panchang/powers.h"

namespace velmora {
namespace {

// coefficient (arc-seconds) * sin(l*l + m*M + f*F + d*D)
struct LunarTerm {
    int l;
    int m;
    int f;
    int d;
    double coefficientArcSec;
};

// Main series: multipliers of l, M, F, D; coefficient in arc-seconds.
constexpr auto kMainTerms = std::to_array<LunarTerm>({
    {0, 0, 0, 4, 13.902},     // 0
    {0, 0, 0, 2, 2369.912},   // 1
    {1, 0, 0, 4, 1.979},      // 2
    {1, 0, 0, 2, 191.953},    // 3
    {1, 0, 0, 0, 22639.5},    // 4
    {1, 0, 0, -2, -4586.465}, // 5
    {1, 0, 0, -4, -38.428},   // 6
    {1, 0, 0, -6, -0.393},    // 7
    {0, 1, 0, 4, -0.289},     // 8
    {0, 1, 0, 2, -24.42},     // 9
    {0, 1, 0, 0, -668.146},   // 10
    {0, 1, 0, -2, -165.145},  // 11
    {0, 1, 0, -4, -1.877},    // 12
    {0, 0, 0, 3, 0.403},      // 13
    {0, 0, 0, 1, -125.154},   // 14
    {2, 0, 0, 4, 0.213},      // 15
    {2, 0, 0, 2, 14.387},     // 16
    {2, 0, 0, 0, 769.016},    // 17
    {2, 0, 0, -2, -211.656},  // 18
    {2, 0, 0, -4, -30.773},   // 19
    {2, 0, 0, -6, -0.57},     // 20
    {1, 1, 0, 2, -2.921},     // 21
    {1, 1, 0, 0, -109.673},   // 22
    {1, 1, 0, -2, -205.962},  // 23
    {1, 1, 0, -4, -4.391},    // 24
    {1, -1, 0, 4, 0.283},     // 25
    {1, -1, 0, 2, 14.577},    // 26
    {1, -1, 0, 0, 147.687},   // 27
    {1, -1, 0, -2, 28.475},   // 28
    {1, -1, 0, -4, 0.636},    // 29
    {0, 2, 0, 2, -0.189},     // 30
    {0, 2, 0, 0, -7.486},     // 31
    {0, 2, 0, -2, -8.096},    // 32
    {0, 0, 2, 2, -5.741},     // 33
    {0, 0, 2, 0, -411.608},   // 34
    {0, 0, 2, -2, -55.173},   // 35
    {0, 0, 2, -4, 0.025},     // 36
    {1, 0, 0, 1, -8.466},     // 37
    {1, 0, 0, -1, 18.609},    // 38
    {1, 0, 0, -3, 3.215},     // 39
    {0, 1, 0, 1, 18.023},     // 40
    {0, 1, 0, -1, 0.56},      // 41
    {3, 0, 0, 2, 1.06},       // 42
    {3, 0, 0, 0, 36.124},     // 43
    {3, 0, 0, -2, -13.193},   // 44
    {3, 0, 0, -4, -1.187},    // 45
    {3, 0, 0, -6, -0.293},    // 46
    {2, 1, 0, 2, -0.29},      // 47
    {2, 1, 0, 0, -7.649},     // 48
    {2, 1, 0, -2, -8.627},    // 49
    {2, 1, 0, -4, -2.74},     // 50
    {2, -1, 0, 2, 1.181},     // 51
    {2, -1, 0, 0, 9.703},     // 52
    {2, -1, 0, -2, -2.494},   // 53
    {2, -1, 0, -4, 0.36},     // 54
    {1, 2, 0, 0, -1.167},     // 55
    {1, 2, 0, -2, -7.412},    // 56
    {1, 2, 0, -4, -0.311},    // 57
    {1, -2, 0, 2, 0.757},     // 58
    {1, -2, 0, 0, 2.58},      // 59
    {1, -2, 0, -2, 2.533},    // 60
    {0, 3, 0, -2, -0.344},    // 61
    {1, 0, 2, 2, -0.992},     // 62
    {1, 0, 2, 0, -45.099},    // 63
    {1, 0, 2, -2, -0.179},    // 64
    {1, 0, -2, 2, -6.382},    // 65
    {1, 0, -2, 0, 39.528},    // 66
    {1, 0, -2, -2, 9.366},    // 67
    {0, 1, 2, 0, 0.415},      // 68
    {0, 1, 2, -2, -2.152},    // 69
    {0, 1, -2, 2, -1.44},     // 70
    {0, 1, -2, -2, 0.384},    // 71
    {2, 0, 0, 1, -0.586},     // 72
    {2, 0, 0, -1, 1.75},      // 73
    {2, 0, 0, -3, 1.225},     // 74
    {1, 1, 0, 1, 1.267},      // 75
    {1, -1, 0, -1, -1.089},   // 76
    {0, 0, 2, -1, 0.584},     // 77
    {4, 0, 0, 0, 1.938},      // 78
    {4, 0, 0, -2, -0.952},    // 79
    {3, 1, 0, 0, -0.551},     // 80
    {3, 1, 0, -2, -0.482},    // 81
    {3, -1, 0, 0, 0.681},     // 82
    {2, 0, 2, 0, -3.996},     // 83
    {2, 0, 2, -2, 0.557},     // 84
    {2, 0, -2, 2, -0.459},    // 85
    {2, 0, -2, 0, -1.298},    // 86
    {2, 0, -2, -2, 0.538},    // 87
    {1, 1, -2, -2, 0.426},    // 88
    {1, -1, 2, 0, -0.304},    // 89
    {1, -1, -2, 2, -0.372},   // 90
    {0, 0, 4, 0, 0.418},      // 91
    {2, -1, 0, -1, -0.352},   // 92
});
static_assert(kMainTerms.size() == 93);

// Minor series, same columns; these rows take no eccentricity or inclination factor.
constexpr auto kMinorTerms = std::to_array<LunarTerm>({
    {0, 0, 0, 6, 0.127},    // 0
    {0, 2, 0, -4, -0.151},  // 1
    {0, 0, 2, 4, -0.085},   // 2
    {0, 1, 0, 3, 0.15},     // 3
    {2, 1, 1, -6, -0.091},  // 4
    {0, 3, 0, 0, -0.103},   // 5
    {1, 0, 2, -4, -0.301},  // 6
    {1, 0, -2, -4, 0.202},  // 7
    {1, 1, 0, -1, 0.137},   // 8
    {1, 1, 0, -3, 0.233},   // 9
    {1, -1, 0, 1, -0.122},  // 10
    {1, -1, 0, -3, -0.276}, // 11
    {0, 0, 2, 1, 0.255},    // 12
    {0, 0, 2, -3, 0.254},   // 13
    {3, 1, 0, -4, -0.1},    // 14
    {3, -1, 0, -2, -0.183}, // 15
    {2, 2, 0, -2, -0.297},  // 16
    {2, 2, 0, -4, -0.161},  // 17
    {2, -2, 0, 0, 0.197},   // 18
    {2, -2, 0, -2, 0.254},  // 19
    {1, 3, 0, -2, -0.25},   // 20
    {2, 0, 2, 2, -0.123},   // 21
    {2, 0, -2, -4, 0.173},  // 22
    {1, 1, 2, 0, 0.263},    // 23
    {3, 0, 0, -1, 0.13},    // 24
    {5, 0, 0, 0, 0.113},    // 25
    {3, 0, 2, -2, 0.092},   // 26
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

constexpr int kLargestL = LargestMultiple(kAllTerms, &LunarTerm::l);
constexpr int kLargestM = LargestMultiple(kAllTerms, &LunarTerm::m);
constexpr int kLargestF = LargestMultiple(kAllTerms, &LunarTerm::f);
constexpr int kLargestD = LargestMultiple(kAllTerms, &LunarTerm::d);

// cos and sin of the multiples of l, M, F and D the series use.
struct LunarArguments {
    AngleMultiples<kLargestL> l;
    AngleMultiples<kLargestM> m;
    AngleMultiples<kLargestF> f;
    AngleMultiples<kLargestD> d;
};

// Adds k times an argument to `angle`; a zero multiple costs nothing.
template <int kMultiple, int kMax>
void AddMultiple(CosSin& angle, bool& started, const AngleMultiples<kMax>& multiples) {
    if constexpr (kMultiple != 0) {
        const CosSin part = multiples.At(kMultiple);
        angle = started ? Sum(angle, part) : part;
        started = true;
    }
}

// sin(l*l + m*M + f*F + d*D) of one row, with the row's multipliers known
// when compiling: each term costs a few products instead of a sine.
template <const auto& kTerms, std::size_t kRow> double SineOfRow(const LunarArguments& arguments) {
    constexpr LunarTerm term = kTerms[kRow];
    CosSin angle;
    bool started = false;
    AddMultiple<term.l>(angle, started, arguments.l);
    AddMultiple<term.m>(angle, started, arguments.m);
    AddMultiple<term.f>(angle, started, arguments.f);
    AddMultiple<term.d>(angle, started, arguments.d);
    return angle.sin;
}

// Main-series rows take e^2 when |m| is 2, e for any other m but 0, and g^2 when F appears.
template <std::size_t kRow> constexpr std::size_t PowerOfE() {
    constexpr int m = kMainTerms[kRow].m;
    return m == 0 ? 0 : (m == 2 || m == -2 ? 2 : 1);
}

template <std::size_t... kRows>
double MainSeries(const LunarArguments& arguments, const std::array<std::array<double, 2>, 3>& factors,
                  std::index_sequence<kRows...> /*rows*/) {
    double sum = 0.0;
    ((sum += kMainTerms[kRows].coefficientArcSec * SineOfRow<kMainTerms, kRows>(arguments) *
             factors[PowerOfE<kRows>()][kMainTerms[kRows].f != 0 ? 1 : 0]),
     ...);
    return sum;
}

template <std::size_t... kRows>
double MinorSeries(const LunarArguments& arguments, std::index_sequence<kRows...> /*rows*/) {
    double sum = 0.0;
    ((sum += kMinorTerms[kRows].coefficientArcSec * SineOfRow<kMinorTerms, kRows>(arguments)), ...);
    return sum;
}

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
    const double t = d / 36525.0;
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
    const LunarArguments arguments{
        AngleMultiples<kLargestL>(moonAnomaly), AngleMultiples<kLargestM>(sunAnomaly),
        AngleMultiples<kLargestF>(latitudeArgument), AngleMultiples<kLargestD>(elongation)};
    // The eccentricity and inclination factors by the power of e and whether g^2 applies.
    const std::array<std::array<double, 2>, 3> factors = {{{1.0, g2}, {e, e * g2}, {e * e, e * e * g2}}};
    const double mainSeries = MainSeries(arguments, factors, std::make_index_sequence<kMainTerms.size()>());
    const double minorSeries = MinorSeries(arguments, std::make_index_sequence<kMinorTerms.size()>());
    double planetary = 0.0;
    for (const PlanetaryTerm& term : kPlanetaryTerms) {
        planetary += term.coefficientArcSec * std::sin(twoPi * (term.a + term.b * d));
    }

    const double longitude =
        meanLongitude + nutationDeg + (dL + mainSeries + minorSeries + planetary) / 3600.0;
    return WrapTurns(longitude);
}

double MoonApparentLongitudeDeg(double julianDateTT) {
    return MoonApparentLongitudeDeg(julianDateTT, NutationInLongitude(julianDateTT));
}

} // namespace velmora
