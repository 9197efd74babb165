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
// and October; Egypt keeps summer time from the last Friday of April to the last
// Thursday of October again since 2023, Greenland keeps -2:00 and -1:00 by the
// European rule since 2023, Mexico dropped summer time in 2022.
TEST(ZoneClock, OffsetInForceAtEachMoment) {
    const std::vector<ClockCase> cases = {
        {"Europe/London", 2460400.540972222, 0.0}, // 2024-03-31 00:59 UT
        {"Europe/London", 2460400.542361111, 1.0}, // 2024-03-31 01:01 UT
        {"Asia/Kolkata", 2460400.5, 5.5},
        {"America/St_Johns", 2460400.5, -2.5},
        // After 2037, past the changes the zoneinfo files list.
        {"Europe/London", 2465510.540972222, 0.0}, // 2038-03-28 00:59 UT
        {"Europe/London", 2465510.542361111, 1.0}, // 2038-03-28 01:01 UT
        {"Europe/London", 2468163.0, 1.0},         // 2045-07-01 12:00 UT
        {"Europe/London", 2467982.0, 0.0},         // 2045-01-01 12:00 UT
        {"Europe/London", 2470109.540972222, 1.0}, // 2050-10-30 00:59 UT
        {"Europe/London", 2470109.542361111, 0.0}, // 2050-10-30 01:01 UT
        {"Africa/Cairo", 2468163.0, 3.0},
        {"Africa/Cairo", 2467982.0, 2.0},
        {"America/Nuuk", 2468163.0, -1.0},
        {"America/Nuuk", 2467982.0, -2.0},
        {"America/Mexico_City", 2468163.0, -6.0},
        {"Asia/Kolkata", 2468163.0, 5.5},
        {"Australia/Sydney", 2468163.0, 10.0},
        {"Australia/Sydney", 2467982.0, 11.0},
        // Far ahead, where the rule has to be carried over whole 400-year cycles.
        {"Europe/London", 2723733.540972222, 0.0}, // 2745-03-25 00:59 UT
        {"Europe/London", 2723733.542361111, 1.0}, // 2745-03-25 01:01 UT
        {"Europe/London", 2723832.0, 1.0},         // 2745-07-01 12:00 UT
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
