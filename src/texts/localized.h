#pragma once

// What a reading shows, in the language the reader chose: the results' ids
// looked up in that language's table of texts, once, where they are shown.

#include <string>
#include <string_view>

#include "model/ids.h"
#include "model/reading_results.h"
#include "texts/language_texts.h"

namespace velmora {

// The paragraphs of one star: its own, and its bird's in the fortnight.
struct StarTexts {
    std::string_view description;
    std::string_view pakshiDescription;
};
StarTexts StarParagraphs(Star star, Fortnight fortnight, Language language);

// The six short lines of a reading, as the window and the command line show them.
struct ReadingLines {
    std::string_view star;
    std::string_view fortnight;
    std::string_view bird;
    std::string rulingDaysDay;
    std::string rulingDaysNight;
    std::string deathDays;
};

// Everything a reading shows; empty texts where it has none yet. Lines of a
// reopened file that name no star or fortnight are shown as read in every language.
struct LocalizedReading {
    ReadingLines lines;
    StarTexts texts;
    std::string_view fortnightExplanation;
};
LocalizedReading Localize(const ReadingResults& results, Language language);

} // namespace velmora
