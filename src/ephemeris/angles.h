#pragma once

#include <numbers>

namespace velmora {

// The doubles nearest to pi/180 and 180/pi.
inline constexpr double kDegreesToRadians = std::numbers::pi / 180.0;
inline constexpr double kRadiansToDegrees = 180.0 / std::numbers::pi;

constexpr double Radians(double degrees) {
    return degrees * kDegreesToRadians;
}

// The same conversions as x * pi / 180 and x * 180 / pi, rounded twice: the
// sunrise and sunset search was checked with these bits, and the seconds the
// schedule prints move with them.
constexpr double RadiansRoundedTwice(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}
constexpr double DegreesRoundedTwice(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

// Brings x into 0..360 by whole turns exactly as the strict loops
// "while x < 0: x += 360; while x > 360: x -= 360" do, bit for bit, but in a
// constant number of steps (see the proof beside the implementation).
// 0 and 360 stay as they are. A non-finite x or one of 2^53 or more, which no
// reading produces, gives NaN instead of a loop that never ends.
double WrapTurns(double x);

} // namespace velmora
