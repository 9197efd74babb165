#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// How the zone was typed: without a sign its direction comes from the longitude
// (east of Greenwich ahead of UTC); with one, "+" is ahead of UTC and "-" behind.
enum class ZoneSign : std::uint8_t { Unsigned, Ahead, Behind };

// The birth data of one reading, checked and converted from the entry form.
// The typed numbers are signed 16-bit, as the form's number rule gives them.
struct BirthRecord {
    std::string BirthName;
    int BirthMonth = 1; // 1..12
    int BirthDay = 1;   // 1..31
    int BirthYear = 1901;
    int BirthHour = 0;
    int BirthMinute = 0;
    std::int16_t ZoneHours = 0; // magnitude; the typed sign is in TypedZoneSign
    std::int16_t ZoneMinutes = 0;
    std::int16_t LongitudeDegrees = 0;
    std::int16_t LongitudeMinutes = 0;
    std::int16_t LatitudeDegrees = 0;
    std::int16_t LatitudeMinutes = 0;
    ZoneSign TypedZoneSign = ZoneSign::Unsigned;
    bool DaylightSaving = false;
    bool LongitudeEast = false;
    bool LatitudeSouth = false;
};

} // namespace velmora
