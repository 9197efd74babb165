#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

// Spaces at both ends removed, as the form's checks and conversions see a field.
std::string_view TrimSpaces(std::string_view text);

// The form's number rule: trim, read as a decimal number (optional sign,
// digits, optional fraction), take the absolute value when asked, round to the
// nearest integer with halves to the even neighbour. Empty when the text is
// not a number or the result does not fit in 16 bits.
std::optional<std::int16_t> ConvertFieldText(std::string_view text, bool absoluteValue = false);

// True when `text` is a number by that rule, whatever its size.
bool IsFieldNumber(std::string_view text);

} // namespace velmora
