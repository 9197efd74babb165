#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora {

// Why the clock's offset found for a place and a local time may be wrong; each
// language words it in its table of texts.
enum class ClockCaution : std::uint8_t {
    SkippedTime,            // the clocks went forward over this time
    RepeatedTime,           // the clocks went back over this time
    IndianClocksBefore1955, // the time-zone database has one zone for all of India
};
inline constexpr std::size_t kClockCautionCount = 3;

constexpr std::size_t IndexOf(ClockCaution caution) {
    return static_cast<std::size_t>(caution);
}

} // namespace velmora
