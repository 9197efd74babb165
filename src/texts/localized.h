#pragma once

// The texts of a reading in the language the reader chose.
//
// Every language keeps its names and paragraphs as tables in the core (English
// in src/texts, Tamil in src/texts/tamil), not in the window's translation
// files: the command line has no Qt and prints the same paragraphs, and each
// language's texts then live in one place that both the window and the command
// line read. The window's own captions and messages are translated with Qt.
//
// Whatever the language, the English names stay the keys: saved files, JSON
// keys and CSV headers never change.

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/ids.h"
#include "model/reading_results.h"
#include "texts/reading_lines.h"

namespace velmora {

enum class Language : std::uint8_t { English, Tamil };

// "en" or "ta"; nothing for any other code.
std::optional<Language> LanguageFromCode(std::string_view code);

std::string_view StarName(Star star, Language language);
std::string_view BirdName(Bird bird, Language language);
std::string_view FortnightName(Fortnight fortnight, Language language);
std::string_view FortnightExplanation(Fortnight fortnight, Language language);

// LookUpStarTexts() and LookUpRulingBird() with their texts written in `language`.
StarTexts LookUpStarTexts(Star star, Fortnight fortnight, Language language);
RulingBird LookUpRulingBird(Star star, Fortnight fortnight, Language language);

enum class FixedText : std::uint8_t { Introduction, NakshatraExplanation, RulingDays, DeathDays };
std::string_view FixedTextOf(FixedText text, Language language);

// Everything a reading shows, in `language`. English gives exactly LinesOf()
// and the results' own paragraphs. Lines of a reopened file that name no star
// or fortnight are shown as read in every language.
struct LocalizedReading {
    ReadingLines lines;
    StarTexts texts;
};
LocalizedReading Localize(const ReadingResults& results, Language language);

} // namespace velmora
