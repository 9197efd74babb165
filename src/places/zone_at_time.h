#pragma once

#include "model/clock_caution.h"
#include "places/place_search.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::places {

// A clock reading at a place: the proleptic Gregorian date (years 1 to 9999) and the time of day.
struct LocalDateTime {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
};

// What the clocks of a time zone were set to at a local date and time.
struct ZoneAtTime {
    std::string timeZoneId; // IANA, e.g. "Asia/Kolkata"
    int utcOffsetSeconds =
        0; // ahead of UTC, daylight saving included; old local mean times keep their seconds
    int utcOffsetMinutes = 0; // the same, rounded to the nearest minute
    bool daylightSaving = false;
    std::optional<ClockCaution> caution; // when the offset is uncertain
};

// The offset in force in the IANA zone `timeZoneId` at the local time `when`,
// from the system's time-zone database; nothing for an unknown zone or an
// impossible date or time. A clock time skipped or repeated by a change of the
// clocks takes the offset in force before the change, and says so in the caution.
std::optional<ZoneAtTime> ZoneAt(std::string_view timeZoneId, const LocalDateTime& when);

// The offset for the place itself: the same as ZoneAt for its zone, with a
// caution where the database is known to be coarse for that place and date.
std::optional<ZoneAtTime> ZoneAtPlace(const GazetteerPlace& place, const LocalDateTime& when);

struct PlaceAtTime {
    PlaceMatch match;
    ZoneAtTime zone;
};

// The best candidate for `query` and its offset at the local time `when`: what a
// reading made "at" a named place uses. Nothing when no place matches or the
// date or time is impossible.
std::optional<PlaceAtTime> FindPlaceAt(const Gazetteer& gazetteer, std::string_view query,
                                       const LocalDateTime& when);

} // namespace velmora::places
