#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "places/zone_at_time.h"

namespace velmora::places {
namespace {

struct ZoneCase {
    const char* timeZoneId;
    LocalDateTime when;
    int utcOffsetSeconds;
    bool daylightSaving;
    std::optional<ClockCaution> caution;
};

TEST(ZoneAt, OffsetInForceAtTheLocalTime) {
    const std::vector<ZoneCase> cases = {
        {"Europe/London", {1990, 7, 1, 12, 0}, 3600, true, std::nullopt},
        {"Europe/London", {1990, 1, 1, 12, 0}, 0, false, std::nullopt},
        // 25 March 1990: clocks went from 01:00 to 02:00; 28 October: from 02:00 back to 01:00.
        {"Europe/London", {1990, 3, 25, 1, 30}, 0, false, ClockCaution::SkippedTime},
        {"Europe/London", {1990, 3, 25, 2, 0}, 3600, true, std::nullopt},
        {"Europe/London", {1990, 10, 28, 1, 30}, 3600, true, ClockCaution::RepeatedTime},
        {"Europe/London", {1990, 10, 28, 2, 0}, 0, false, std::nullopt},
        // Southern summer.
        {"Australia/Sydney", {1995, 1, 15, 12, 0}, 39600, true, std::nullopt},
        {"America/St_Johns", {1990, 1, 1, 12, 0}, -12600, false, std::nullopt},
        // Calcutta's local mean time, 5:53:28, before 1854.
        {"Asia/Kolkata", {1850, 1, 1, 12, 0}, 21208, false, std::nullopt},
        {"Asia/Kolkata", {1960, 1, 1, 12, 0}, 19800, false, std::nullopt},
    };
    for (const ZoneCase& c : cases) {
        SCOPED_TRACE(std::string(c.timeZoneId) + " " + std::to_string(c.when.year) + "-" +
                     std::to_string(c.when.month) + "-" + std::to_string(c.when.day));
        const std::optional<ZoneAtTime> zone = ZoneAt(c.timeZoneId, c.when);
        ASSERT_TRUE(zone.has_value());
        EXPECT_EQ(zone->utcOffsetSeconds, c.utcOffsetSeconds);
        EXPECT_EQ(zone->daylightSaving, c.daylightSaving);
        EXPECT_EQ(zone->caution, c.caution);
    }
}

TEST(ZoneAt, RoundsOldOffsetsToTheNearestMinute) {
    // 5:53:28 and Amsterdam's 0:19:32 of 1937 to 1940.
    EXPECT_EQ(ZoneAt("Asia/Kolkata", {1850, 1, 1, 12, 0})->utcOffsetMinutes, 353);
    EXPECT_EQ(ZoneAt("Europe/Amsterdam", {1938, 1, 1, 12, 0})->utcOffsetMinutes, 20);
}

TEST(ZoneAt, RefusesUnknownZonesAndImpossibleTimes) {
    EXPECT_FALSE(ZoneAt("Mars/Olympus", {2000, 1, 1, 12, 0}).has_value());
    EXPECT_FALSE(ZoneAt("UTC", {1990, 2, 29, 12, 0}).has_value());
    EXPECT_FALSE(ZoneAt("UTC", {67536, 1, 1, 12, 0}).has_value()); // 2000 once cut to 16 bits
    EXPECT_FALSE(ZoneAt("UTC", {2000, 13, 1, 12, 0}).has_value());
    EXPECT_FALSE(ZoneAt("UTC", {2000, 1, 1, 24, 0}).has_value());
    EXPECT_FALSE(ZoneAt("UTC", {2000, 1, 1, 12, 60}).has_value());
}

TEST(ZoneAtPlace, CautionsForIndiaBefore1955) {
    const GazetteerPlace bombay{.name = "Mumbai",
                                .state = "Maharashtra",
                                .country = "India",
                                .countryCode = "IN",
                                .timeZoneId = "Asia/Kolkata",
                                .latitudeDeg = 19.07,
                                .longitudeDeg = 72.88,
                                .population = 0};
    EXPECT_EQ(ZoneAtPlace(bombay, {1954, 12, 31, 12, 0})->caution, ClockCaution::IndianClocksBefore1955);
    EXPECT_EQ(ZoneAtPlace(bombay, {1955, 1, 1, 12, 0})->caution, std::nullopt);
}

} // namespace
} // namespace velmora::places
