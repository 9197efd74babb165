#include "ephemeris/angles.h"

#include <cmath>
#include <limits>

namespace velmora {

// Why skipping turns is exact: for a finite x with |x| < 2^53, x - 360*k (and
// x + 360*k) is a multiple of ulp(x) no larger in magnitude than x while its
// sign does not change, so the sum is representable and the step is exact.
// The literal loop therefore walks through exactly the values x - 360*k, and
// jumping to one of them with a count known to stay on the same side of the
// bound gives the same double. Only the last step, which crosses 0 from below,
// can round; it is done by the literal loop below. The result is checked
// against the literal loop in the tests.
double WrapTurns(double x) {
    // Beyond 2^53 a turn is below the spacing of doubles and the loops would never end.
    if (!std::isfinite(x) || std::fabs(x) >= 0x1p53) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    constexpr double kTurn = 360.0;
    if (x < 0.0) {
        const double turns = std::floor(-x / kTurn) - 2.0; // an undercount: x + turns*360 < 0
        if (turns > 0.0) {
            x += turns * kTurn;
        }
        while (x < 0.0) {
            x += kTurn;
        }
    }
    if (x > kTurn) {
        const double turns = std::floor(x / kTurn) - 2.0; // an undercount: x - turns*360 > 360
        if (turns > 0.0) {
            x -= turns * kTurn;
        }
        while (x > kTurn) {
            x -= kTurn;
        }
    }
    return x;
}

} // namespace velmora
