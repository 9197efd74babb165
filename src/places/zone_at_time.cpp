#include "places/zone_at_time.h"

#include "places/zone_rules.h"

#include <date/date.h>

#include <chrono>
#include <cstdlib>

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
    const std::optional<ZoneRules> rules = ZoneRules::Find(timeZoneId);
    if (!rules) {
        return std::nullopt;
    }
    const date::local_seconds clock =
        date::local_days{day} + std::chrono::hours{when.hour} + std::chrono::minutes{when.minute};
    const LocalClockSetting setting = rules->At(std::chrono::local_seconds{clock.time_since_epoch()});
    const auto offsetSeconds = static_cast<int>(setting.inForce.utcOffset.count());
    return ZoneAtTime{
        .timeZoneId = std::string(timeZoneId),
        .utcOffsetSeconds = offsetSeconds,
        .utcOffsetMinutes = RoundedMinutes(offsetSeconds),
        .daylightSaving = setting.inForce.daylightSaving,
        .caution = setting.caution,
    };
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
