#pragma once

#include <string>
#include <string_view>

namespace velmora::places {

// An angle in whole degrees and minutes, rounded to the nearest minute: 59.6'
// carries into the next degree. `negative` only when the rounded angle is not 0°00'.
struct DegreesMinutes {
    long degrees = 0;
    long minutes = 0; // 0..59
    bool negative = false;
};
DegreesMinutes ToDegreesMinutes(double angleDeg);

// "13°05' N": the rounded angle with `positiveSide` or `negativeSide` after it,
// so that each language writes its own compass words (see PlaceLabels).
std::string FormatAngle(double angleDeg, std::string_view positiveSide, std::string_view negativeSide);

// Hours and minutes ahead of UTC with an explicit sign: "+5:30", "-3:30", "+0:00";
// seconds are added only when present (old local mean times).
std::string FormatUtcOffset(int offsetSeconds);

} // namespace velmora::places
