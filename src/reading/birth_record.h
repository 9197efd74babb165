#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// The birth data of one reading, as the entry form hands it to the computation.
// Numbers are signed 16-bit; flags are 16-bit with -1 for true and 0 for false.
struct BirthRecord {
    std::string BirthName;
    std::int16_t BirthMonth = 0; // 1..12
    std::int16_t BirthDay = 0;   // 1..31
    std::int16_t BirthYear = 0;  // 1901..2050 on the form
    std::int16_t ZoneHours = 0;  // typed sign dropped
    std::int16_t ZoneMinutes = 0;
    std::int16_t BirthHour = 0;
    std::int16_t BirthMinute = 0;
    std::int16_t LongitudeDegrees = 0;
    std::int16_t LongitudeMinutes = 0;
    std::int16_t LatitudeDegrees = 0;
    std::int16_t LatitudeMinutes = 0;
    std::int16_t DaylightSaving = 0; // -1 when the DST box is ticked
    std::int16_t LongitudeSide = 0;  // -1 for East
    std::int16_t LatitudeSide = 0;   // -1 for South
};

inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

} // namespace velmora
