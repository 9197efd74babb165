#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace velmora {

// A calendar date written YYYY-MM-DD: four, two and two ASCII digits, nothing
// else. Only the shape is checked: the date may be no real one (1990-02-30,
// 1990-13-01), which its ok() tells.
std::optional<std::chrono::year_month_day> ParseIsoDate(std::string_view text);

// A clock time as written, HH:MM; like a parsed date, possibly no real one.
struct ClockTime {
    std::chrono::hours hours{0};
    std::chrono::minutes minutes{0};

    // 00:00 to 23:59; 24:00 and 12:60 are not.
    constexpr bool IsTimeOfDay() const {
        return hours < std::chrono::days{1} && minutes < std::chrono::hours{1};
    }
};

// A clock time written HH:MM: two and two ASCII digits, nothing else.
std::optional<ClockTime> ParseClockTime(std::string_view text);

} // namespace velmora
