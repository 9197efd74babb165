#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "places/zone_clock.h"

namespace velmora::places {
namespace {

struct ClockCase {
    const char* timeZoneId;
    double julianDateUT;
    double utcOffsetHours;
};

// The European rule changes the clocks at 01:00 UT on the last Sundays of March
// and October.
TEST(ZoneClock, OffsetInForceAtEachMoment) {
    const std::vector<ClockCase> cases = {
        {"Europe/London", 2460400.540972222, 0.0}, // 2024-03-31 00:59 UT
        {"Europe/London", 2460400.542361111, 1.0}, // 2024-03-31 01:01 UT
        {"Asia/Kolkata", 2460400.5, 5.5},
        {"America/St_Johns", 2460400.5, -2.5},
    };
    for (const ClockCase& c : cases) {
        SCOPED_TRACE(std::string(c.timeZoneId) + " " + std::to_string(c.julianDateUT));
        const std::optional<ZoneClock> clock = ZoneClock::Find(c.timeZoneId);
        ASSERT_TRUE(clock.has_value());
        EXPECT_EQ(clock->UtcOffsetHoursAt(c.julianDateUT), c.utcOffsetHours);
    }
    EXPECT_FALSE(ZoneClock::Find("Nowhere/Atlantis").has_value());
}

} // namespace
} // namespace velmora::places
