#include "cli/date_text.h"

#include <algorithm>
#include <charconv>

namespace velmora {
namespace {

// The number written by exactly the ASCII digits of `text`.
std::optional<unsigned> Digits(std::string_view text) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    unsigned value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

std::optional<std::chrono::year_month_day> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = Digits(text.substr(0, 4));
    const auto month = Digits(text.substr(5, 2));
    const auto day = Digits(text.substr(8, 2));
    if (!year || !month || !day) {
        return std::nullopt;
    }
    return std::chrono::year_month_day{std::chrono::year{static_cast<int>(*year)}, std::chrono::month{*month},
                                       std::chrono::day{*day}};
}

std::optional<ClockTime> ParseClockTime(std::string_view text) {
    if (text.size() != 5 || text[2] != ':') {
        return std::nullopt;
    }
    const auto hours = Digits(text.substr(0, 2));
    const auto minutes = Digits(text.substr(3, 2));
    if (!hours || !minutes) {
        return std::nullopt;
    }
    return ClockTime{std::chrono::hours{*hours}, std::chrono::minutes{*minutes}};
}

} // namespace velmora
