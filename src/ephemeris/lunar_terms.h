#pragma once

#include <array>
#include <cstddef>
#include <utility>

#include "ephemeris/angle_sums.h"

namespace velmora {

// One periodic term of a lunar series: coefficient * sin(d*D + m*M + mp*M' + f*F),
// with D the Moon's mean elongation, M the Sun's mean anomaly, M' the Moon's and
// F its argument of latitude. The coefficient's unit is the series' own.
struct LunarTerm {
    int d;
    int m;
    int mp;
    int f;
    double coefficient;
};

// The power of the Earth's orbital eccentricity a term takes: e^2 when M appears
// twice, e for any other multiple of M but none, 1 without M.
constexpr std::size_t EccentricityPower(const LunarTerm& term) {
    return term.m == 0 ? 0 : (term.m == 2 || term.m == -2 ? 2 : 1);
}

// cos and sin of every multiple of D, M, M' and F that the rows of kTerms use.
template <const auto& kTerms> struct LunarArguments {
    LunarArguments(double dRadians, double mRadians, double mpRadians, double fRadians)
        : d(dRadians), m(mRadians), mp(mpRadians), f(fRadians) {}

    AngleMultiples<LargestMultiple(kTerms, &LunarTerm::d)> d;
    AngleMultiples<LargestMultiple(kTerms, &LunarTerm::m)> m;
    AngleMultiples<LargestMultiple(kTerms, &LunarTerm::mp)> mp;
    AngleMultiples<LargestMultiple(kTerms, &LunarTerm::f)> f;
};

// How a row's angle is built from the multiples: (D + M) + (M' + F), or M', M,
// F and D added one by one, leaving out those a row does not use.
enum class LunarAngleOrder { InPairs, InSequence };

namespace lunar_terms_detail {

// Adds k times an argument to `angle`; a zero multiple costs nothing.
template <int kMultiple, int kMax>
void AddMultiple(CosSin& angle, bool& started, const AngleMultiples<kMax>& multiples) {
    if constexpr (kMultiple != 0) {
        const CosSin part = multiples.At(kMultiple);
        angle = started ? Sum(angle, part) : part;
        started = true;
    }
}

// sin(d*D + m*M + mp*M' + f*F) of one row, with the row's multipliers known when
// compiling: each term costs a few products instead of a sine.
template <const auto& kTerms, std::size_t kRow, LunarAngleOrder kOrder, class Arguments>
double SineOfRow(const Arguments& arguments) {
    constexpr LunarTerm term = kTerms[kRow];
    if constexpr (kOrder == LunarAngleOrder::InPairs) {
        return SinOfSum(Sum(arguments.d.At(term.d), arguments.m.At(term.m)),
                        Sum(arguments.mp.At(term.mp), arguments.f.At(term.f)));
    } else {
        CosSin angle;
        bool started = false;
        AddMultiple<term.mp>(angle, started, arguments.mp);
        AddMultiple<term.m>(angle, started, arguments.m);
        AddMultiple<term.f>(angle, started, arguments.f);
        AddMultiple<term.d>(angle, started, arguments.d);
        return angle.sin;
    }
}

template <const auto& kTerms, LunarAngleOrder kOrder, class Arguments, class FactorOf, std::size_t... kRows>
double SumOfRows(const Arguments& arguments, const FactorOf& factorOf,
                 std::index_sequence<kRows...> /*rows*/) {
    double sum = 0.0;
    ((sum +=
      kTerms[kRows].coefficient * SineOfRow<kTerms, kRows, kOrder>(arguments) * factorOf(kTerms[kRows])),
     ...);
    return sum;
}

} // namespace lunar_terms_detail

// The sum of coefficient * sine * factorOf(term) over the rows of kTerms, in
// table order. The order of the rows and of the arguments in each angle fixes
// the last bits of the sum, so each series keeps the order it was checked with.
template <const auto& kTerms, LunarAngleOrder kOrder, class Arguments, class FactorOf>
double SumLunarSeries(const Arguments& arguments, const FactorOf& factorOf) {
    return lunar_terms_detail::SumOfRows<kTerms, kOrder>(arguments, factorOf,
                                                         std::make_index_sequence<kTerms.size()>());
}

} // namespace velmora
