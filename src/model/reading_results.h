#pragma once

#include <optional>
#include <string>

#include "model/ids.h"
#include "model/weekday_set.h"

namespace velmora {

// A bird with its ruling and death days in one fortnight.
struct RulingBird {
    Bird bird = Bird::Vulture;
    WeekdaySet rulingDaysDay;
    WeekdaySet rulingDaysNight;
    WeekdaySet deathDays;
};

// The two lines of a saved reading, decoded; they need not name a star or a fortnight.
struct SavedReadingLines {
    std::string starLine;
    std::string fortnightLine;
};

// The star and fortnight a reading's paragraphs and bird were looked up for.
struct LookedUp {
    Star star = Star::Ashwini;
    Fortnight fortnight = Fortnight::Bright;
};

// What a reading shows, as ids: each front end looks up the texts in the
// language it shows. Everything starts empty; the paragraphs and the bird stay
// those of the last star found while a reading names no known star.
struct ReadingResults {
    std::optional<Star> star;           // the star named, when it is one
    std::optional<Fortnight> fortnight; // empty before any reading
    // A reopened file's lines: shown as they are, instead of the names of the ids.
    std::optional<SavedReadingLines> asRead;
    std::optional<RulingBird> bird;
    // The star and fortnight of the paragraphs and of `bird`.
    std::optional<LookedUp> lookedUp;
};

} // namespace velmora
