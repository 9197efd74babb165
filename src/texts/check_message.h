#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora {

// What the birth form's checks and the reading of a saved file tell the user;
// each language writes them in its table of texts.
enum class CheckMessage : std::uint8_t {
    EnterName,
    EnterZoneHour,
    EnterZoneMinute,
    EnterLongitudeDegree,
    EnterLongitudeMinute,
    EnterLatitudeDegree,
    EnterLatitudeMinute,
    NoSuchDayInFebruary,
    NoSuchDayInMonth,
    OnlyNumbers,
    NotAReading, // %1 stands for the file
};
inline constexpr std::size_t kCheckMessageCount = 11;

constexpr std::size_t IndexOf(CheckMessage message) {
    return static_cast<std::size_t>(message);
}

} // namespace velmora
