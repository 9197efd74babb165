#pragma once

#include <optional>
#include <string>

#include "model/ids.h"

namespace velmora {

// What a birth time close by gives instead of the reading, for the one
// sentence that tells the reader.
struct NearChangeFacts {
    int minutes = 0;                    // from the birth time, at least 1
    bool later = false;                 // a later birth time, else an earlier one
    std::optional<Star> star;           // the other star, when the star changes
    std::optional<Fortnight> fortnight; // the other fortnight, when it changes
    std::optional<Bird> bird;           // the bird there, when a star is found
    bool newBird = false;               // whether that bird is another than the birth's
};

struct LanguageTexts;

// The sentences of each language, e.g. "A birth time 6 minutes later gives
// Ashlesha and the Owl." and "... gives Ashlesha, still with the Cock.".
std::string EnglishNearChangeLine(const NearChangeFacts& facts, const LanguageTexts& texts);
std::string TamilNearChangeLine(const NearChangeFacts& facts, const LanguageTexts& texts);

} // namespace velmora
