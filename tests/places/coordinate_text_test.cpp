#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "places/coordinate_text.h"

namespace velmora::places {
namespace {

TEST(CoordinateText, AnglesAreRoundedToTheMinute) {
    const struct {
        const char* what;
        double degrees;
        const char* latitude;
        const char* longitude;
    } cases[] = {
        {"Chennai latitude", 13.08784, "13°05' N", "13°05' E"},
        {"Chennai longitude, 16.7' up", 80.27847, "80°17' N", "80°17' E"},
        {"south and west", -22.90642, "22°54' S", "22°54' W"},
        {"59.99' carries into the degree", 59.9999, "60°00' N", "60°00' E"},
        {"a hair south of the equator", -0.004, "0°00' N", "0°00' E"},
        {"half a minute rounds up", -1.0083334, "1°01' S", "1°01' W"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FormatAngle(c.degrees, "N", "S"), c.latitude);
        EXPECT_EQ(FormatAngle(c.degrees, "E", "W"), c.longitude);
    }
    // Each language writes its own letters.
    EXPECT_EQ(FormatAngle(-22.90642, "வ", "தெ"), "22°54' தெ");
}

TEST(CoordinateText, OffsetsAreSignedHoursAndMinutes) {
    const struct {
        int seconds;
        const char* text;
    } cases[] = {
        {19800, "+5:30"},
        {-12600, "-3:30"},
        {0, "+0:00"},
        {46800, "+13:00"},
        {5 * 3600 + 53 * 60 + 28, "+5:53:28"}, // a local mean time keeps its seconds
        {INT_MIN, "-596523:14:08"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatUtcOffset(c.seconds), c.text) << c.seconds;
    }
}

} // namespace
} // namespace velmora::places
