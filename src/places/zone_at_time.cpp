#include "places/zone_at_time.h"

#include <date/tz.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>

namespace velmora::places {

namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

// Before 1955 much of India did not keep Indian Standard Time: Bombay kept its
// own time until 1955 and Calcutta until 1948, and the database has one zone for
// the whole country.
constexpr int kIndiaUniformTimeYear = 1955;

int RoundedMinutes(int seconds) {
    const int half = seconds < 0 ? -kSecondsPerMinute / 2 : kSecondsPerMinute / 2;
    return (seconds + half) / kSecondsPerMinute;
}

} // namespace

std::optional<ZoneAtTime> ZoneAt(std::string_view timeZoneId, const LocalDateTime& when) {
    // date::year keeps a short: a larger year would wrap into a valid one.
    if (when.year < kFirstYear || when.year > kLastYear) {
        return std::nullopt;
    }
    const date::year_month_day day{date::year{when.year}, date::month{static_cast<unsigned>(when.month)},
                                   date::day{static_cast<unsigned>(when.day)}};
    if (!day.ok() || when.hour < 0 || when.hour > 23 || when.minute < 0 || when.minute > 59) {
        return std::nullopt;
    }
    const date::time_zone* zone = nullptr;
    try {
        zone = date::locate_zone(timeZoneId);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
    const date::local_seconds clock =
        date::local_days{day} + std::chrono::hours{when.hour} + std::chrono::minutes{when.minute};
    const date::local_info info = zone->get_info(clock);
    // Built over the system's zoneinfo files, `save` only tells whether daylight saving applies.
    const date::sys_info& inForce = info.first;
    ZoneAtTime result{
        .timeZoneId = std::string(timeZoneId),
        .utcOffsetSeconds = static_cast<int>(inForce.offset.count()),
        .utcOffsetMinutes = RoundedMinutes(static_cast<int>(inForce.offset.count())),
        .daylightSaving = inForce.save != std::chrono::minutes{0},
        .caution = {},
    };
    if (info.result == date::local_info::nonexistent) {
        result.caution = ClockCaution::SkippedTime;
    } else if (info.result == date::local_info::ambiguous) {
        result.caution = ClockCaution::RepeatedTime;
    }
    return result;
}

std::optional<ZoneAtTime> ZoneAtPlace(const GazetteerPlace& place, const LocalDateTime& when) {
    std::optional<ZoneAtTime> zone = ZoneAt(place.timeZoneId, when);
    if (zone && !zone->caution && place.countryCode == "IN" && when.year < kIndiaUniformTimeYear) {
        zone->caution = ClockCaution::IndianClocksBefore1955;
    }
    return zone;
}

std::optional<PlaceAtTime> FindPlaceAt(const Gazetteer& gazetteer, std::string_view query,
                                       const LocalDateTime& when) {
    std::vector<PlaceMatch> matches = SearchPlaces(gazetteer, query);
    if (matches.empty()) {
        return std::nullopt;
    }
    std::optional<ZoneAtTime> zone = ZoneAtPlace(matches.front().place, when);
    if (!zone) {
        return std::nullopt;
    }
    return PlaceAtTime{.match = std::move(matches.front()), .zone = std::move(*zone)};
}

} // namespace velmora::places
