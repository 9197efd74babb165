#pragma once

// Tamil counterparts of the English paragraphs, at the same positions and
// with the same eight leading blanks; the terms are those of
// docs/tamil-glossary.md.

#include <array>
#include <string_view>

namespace velmora::tamil {

// One paragraph per star, at the positions of velmora::kStarNames.
extern const std::array<std::string_view, 27> StarDescriptionTable;
// The star's bird in the bright fortnight.
extern const std::array<std::string_view, 27> PakshiDescriptionTable;
// The star's bird in the dark fortnight.
extern const std::array<std::string_view, 27> DarkPakshiDescriptionTable;

} // namespace velmora::tamil
