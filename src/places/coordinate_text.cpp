#include "places/coordinate_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace velmora::places {

namespace {

constexpr long kMinutesPerDegree = 60;
constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kSecondsPerHour = 3600;

// 0..99 with a leading zero.
std::string TwoDigits(std::int64_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

DegreesMinutes ToDegreesMinutes(double angleDeg) {
    const long totalMinutes = std::lround(std::abs(angleDeg) * kMinutesPerDegree);
    return {totalMinutes / kMinutesPerDegree, totalMinutes % kMinutesPerDegree,
            angleDeg < 0 && totalMinutes != 0};
}

std::string FormatAngle(double angleDeg, std::string_view positiveSide, std::string_view negativeSide) {
    const DegreesMinutes angle = ToDegreesMinutes(angleDeg);
    return std::to_string(angle.degrees) + "°" + TwoDigits(angle.minutes) + "' " +
           std::string(angle.negative ? negativeSide : positiveSide);
}

std::string FormatUtcOffset(int offsetSeconds) {
    // Widened first: the magnitude of the most negative int does not fit an int.
    const std::int64_t magnitude = std::abs(std::int64_t{offsetSeconds});
    std::string text = (offsetSeconds < 0 ? "-" : "+") + std::to_string(magnitude / kSecondsPerHour) + ":" +
                       TwoDigits(magnitude / kSecondsPerMinute % 60);
    if (magnitude % kSecondsPerMinute != 0) {
        text += ":" + TwoDigits(magnitude % kSecondsPerMinute);
    }
    return text;
}

} // namespace velmora::places
