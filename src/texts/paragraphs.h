#pragma once

#include <array>
#include <string_view>

#include "model/ids.h"

namespace velmora {

// The English paragraphs, one per star, in star order: what the star is, and
// its bird in the bright and in the dark fortnight.
extern const std::array<std::string_view, kStarCount> StarDescriptionTable;
extern const std::array<std::string_view, kStarCount> PakshiDescriptionTable;
extern const std::array<std::string_view, kStarCount> DarkPakshiDescriptionTable;

} // namespace velmora
