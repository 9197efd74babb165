#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace velmora {

inline constexpr std::size_t kWeekdayCount = 7;

// Days of the week, as a bird's ruling and death days are listed.
class WeekdaySet {
public:
    constexpr WeekdaySet() = default;
    constexpr WeekdaySet(std::initializer_list<std::chrono::weekday> days) {
        for (const std::chrono::weekday day : days) {
            bits_ = static_cast<std::uint8_t>(bits_ | Bit(day));
        }
    }

    // False for a weekday that is not one (!day.ok()).
    constexpr bool Has(std::chrono::weekday day) const { return day.ok() && (bits_ & Bit(day)) != 0; }

    constexpr bool operator==(const WeekdaySet&) const = default;

private:
    static constexpr std::uint8_t Bit(std::chrono::weekday day) {
        return static_cast<std::uint8_t>(1U << day.c_encoding());
    }

    std::uint8_t bits_ = 0; // Sunday the lowest bit
};

} // namespace velmora
