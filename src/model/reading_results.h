#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/ids.h"

namespace velmora {

// The paragraphs of one star.
struct StarTexts {
    std::string_view description;
    std::string_view pakshiDescription;
};

// A bird with its days for one fortnight, as the day lists are written.
struct RulingBird {
    Bird bird = Bird::Vulture;
    std::string_view rulingDaysDay;
    std::string_view rulingDaysNight;
    std::string_view deathDays;
};

// The two lines of a saved reading, decoded; they need not name a star or a fortnight.
struct SavedReadingLines {
    std::string starLine;
    std::string fortnightLine;
};

// The star and fortnight a reading's texts and bird were looked up for.
struct LookedUp {
    Star star = Star::Ashwini;
    Fortnight fortnight = Fortnight::Bright;
};

// What a reading shows. Everything starts empty; texts and bird stay those of
// the last star found while a reading names no known star.
struct ReadingResults {
    std::optional<Star> star;           // the star named, when it is one
    std::optional<Fortnight> fortnight; // empty before any reading
    // A reopened file's lines: shown as they are, instead of the names of the ids.
    std::optional<SavedReadingLines> asRead;
    StarTexts starTexts;
    std::optional<RulingBird> bird;
    // What `starTexts` and `bird` belong to, so that they can be shown in another language.
    std::optional<LookedUp> lookedUp;
};

} // namespace velmora
