#pragma once

#include <array>
#include <cmath>
#include <cstddef>

namespace velmora {

// The cosine and sine of one angle. Sums of angles become products of these,
// so a periodic series needs one sincos per fundamental argument instead of
// one sine per term.
struct CosSin {
    double cos = 1.0;
    double sin = 0.0;
};

inline CosSin CosSinOf(double radians) {
    return {std::cos(radians), std::sin(radians)};
}

// The angle a + b.
inline CosSin Sum(CosSin a, CosSin b) {
    return {a.cos * b.cos - a.sin * b.sin, a.sin * b.cos + a.cos * b.sin};
}

// The angle -a.
inline CosSin Negated(CosSin a) {
    return {a.cos, -a.sin};
}

// sin(a + b) and sin(a - b), without the cosine of the sum.
inline double SinOfSum(CosSin a, CosSin b) {
    return a.sin * b.cos + a.cos * b.sin;
}
inline double SinOfDifference(CosSin a, CosSin b) {
    return a.sin * b.cos - a.cos * b.sin;
}

// cos and sin of k*x for every whole k from -kMax to kMax, from one sincos of x.
template <int kMax> class AngleMultiples {
public:
    explicit AngleMultiples(double radians) {
        const CosSin once = CosSinOf(radians);
        byMultiple_[kMax] = CosSin{};
        for (int k = 1; k <= kMax; ++k) {
            // k as two halves as equal as possible keeps the rounding of the
            // highest multiple to a few units in the last place.
            byMultiple_[kMax + k] = k == 1 ? once : Sum(At(k / 2), At(k - k / 2));
            byMultiple_[kMax - k] = Negated(byMultiple_[kMax + k]);
        }
    }

    CosSin At(int k) const { return byMultiple_[static_cast<std::size_t>(kMax + k)]; }

private:
    std::array<CosSin, 2 * kMax + 1> byMultiple_{};
};

// The largest |multiplier| a table's column uses, for sizing AngleMultiples.
template <typename Table, typename Column> constexpr int LargestMultiple(const Table& table, Column column) {
    int largest = 0;
    for (const auto& row : table) {
        const int k = row.*column < 0 ? -(row.*column) : row.*column;
        largest = k > largest ? k : largest;
    }
    return largest;
}

} // namespace velmora
