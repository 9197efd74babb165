#include "reading/field_conversion.h"

#include <charconv>
#include <cmath>
#include <string>

namespace velmora {

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

namespace {

// Digits with at most one decimal point and at least one digit.
bool IsPlainDecimal(std::string_view text) {
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

// Nearest integer, halves to the even neighbour.
double RoundHalfEven(double x) {
    const double lower = std::floor(x);
    const double fraction = x - lower;
    if (fraction > 0.5) {
        return lower + 1.0;
    }
    if (fraction < 0.5) {
        return lower;
    }
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

} // namespace

bool IsFieldNumber(std::string_view text) {
    std::string_view number = TrimSpaces(text);
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        number.remove_prefix(1);
    }
    return IsPlainDecimal(number);
}

std::optional<std::int16_t> ConvertFieldText(std::string_view text, bool absoluteValue) {
    std::string_view number = TrimSpaces(text);
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    if (!IsPlainDecimal(number)) {
        return std::nullopt;
    }
    double magnitude = 0.0;
    // from_chars does not take a bare leading point; "0" in front keeps the value.
    const std::string digits = number.front() == '.' ? "0" + std::string(number) : std::string(number);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    const double value = (negative && !absoluteValue) ? -magnitude : magnitude;
    const double rounded = RoundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

} // namespace velmora
