#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::places {

// Splits many texts into words as MatchWords does, reusing one boundary finder.
class WordSplitter {
public:
    WordSplitter();
    ~WordSplitter();
    WordSplitter(const WordSplitter&) = delete;
    WordSplitter& operator=(const WordSplitter&) = delete;

    std::vector<std::string> Words(std::string_view text);

private:
    struct Boundaries;
    std::unique_ptr<Boundaries> boundaries_; // empty when ICU could not make one
};

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
