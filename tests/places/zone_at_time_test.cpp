#include <string>
#include <thread>
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
        // After 2037, from the zone's rule. 25 March 2040: 01:00 to 02:00; 28 October: 02:00 to 01:00.
        {"Europe/London", {2040, 3, 25, 1, 30}, 0, false, ClockCaution::SkippedTime},
        {"Europe/London", {2040, 3, 25, 2, 0}, 3600, true, std::nullopt},
        {"Europe/London", {2040, 10, 28, 1, 30}, 3600, true, ClockCaution::RepeatedTime},
        {"Europe/London", {2040, 10, 28, 2, 0}, 0, false, std::nullopt},
        {"Europe/London", {2045, 7, 1, 12, 0}, 3600, true, std::nullopt},
        // Sydney: 1 October 2045, 02:00 to 03:00; 2 April 2045, 03:00 back to 02:00.
        {"Australia/Sydney", {2045, 10, 1, 2, 30}, 36000, false, ClockCaution::SkippedTime},
        {"Australia/Sydney", {2045, 4, 2, 2, 30}, 39600, true, ClockCaution::RepeatedTime},
        // Nuuk goes forward at 01:00 UT on the last Sunday of March, from 23:00 on the Saturday to 00:00.
        {"America/Nuuk", {2045, 3, 25, 23, 30}, -7200, false, ClockCaution::SkippedTime},
        {"America/Nuuk", {2045, 7, 1, 12, 0}, -3600, true, std::nullopt},
        {"Africa/Cairo", {2045, 7, 1, 12, 0}, 10800, true, std::nullopt},
        {"America/Mexico_City", {2045, 7, 1, 12, 0}, -21600, false, std::nullopt},
        {"Asia/Kolkata", {2045, 7, 1, 12, 0}, 19800, false, std::nullopt},
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

// Readings of a batch look places up on several threads at once.
TEST(ZoneAt, SameAnswersFromSeveralThreads) {
    constexpr int kThreads = 4;
    constexpr int kYearsEach = 50;
    std::vector<int> wrong(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &wrong] {
            for (int year = 2038; year < 2038 + kYearsEach; ++year) {
                const std::optional<ZoneAtTime> summer =
                    ZoneAt("Europe/Paris", {year + t * kYearsEach, 7, 1, 12, 0});
                const std::optional<ZoneAtTime> winter =
                    ZoneAt("Europe/Paris", {year + t * kYearsEach, 1, 1, 12, 0});
                if (!summer || summer->utcOffsetSeconds != 7200 || !winter ||
                    winter->utcOffsetSeconds != 3600) {
                    ++wrong[static_cast<std::size_t>(t)];
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(wrong, std::vector<int>(kThreads, 0));
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
