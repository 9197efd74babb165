#pragma once

#include <string>
#include <string_view>

namespace velmora {

// A text for a message: at most a few dozen characters, control bytes escaped.
std::string QuoteForMessage(std::string_view text);

} // namespace velmora
