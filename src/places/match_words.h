#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::places {

// The words of `text` (UTF-8) as a search compares them: split where Unicode
// puts word boundaries, so that a Tamil or Devanagari word keeps its vowel
// signs and viramas; case-folded; Latin, Greek and Cyrillic accents removed, so
// that "São Paulo" and "sao  paulo" give the same words. Punctuation and spaces
// are dropped.
std::vector<std::string> MatchWords(std::string_view text);

// The query without the trailing words " Latitude Longitude" that the birth
// form appends when it asks for a look-up.
std::string StripCoordinateWords(std::string_view query);

} // namespace velmora::places
