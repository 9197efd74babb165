#pragma once

#include <array>
#include <string>
#include <string_view>

#include "reading/reading_results.h"

namespace velmora {

inline constexpr std::array<std::string_view, 5> BirdNames = {"Vulture", "Owl", "Crow", "Cock", "Peacock"};

// Sets StarDescription and PakshiDescription for the star whose key equals
// `starName` exactly (case-sensitive, whole string); a miss changes nothing.
void LookupNakshatraInformation(const std::string& starName, ReadingResults& results);

// Sets RulingBird, the three day lists and BirdPicture from StarName and
// PakshaName (only the exact "Shukla Paksha" is bright); a miss changes nothing.
void ComputePanchPakshi(ReadingResults& results);

} // namespace velmora
