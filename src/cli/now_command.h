#pragma once

#include <iosfwd>
#include <string>

#include "cli/bird_options.h"
#include "cli/day_place_options.h"
#include "texts/language_texts.h"

namespace velmora {

// The options of `velmora-cli now`, as typed.
struct NowOptions {
    BirdOptions bird;
    DayPlaceOptions place;
    std::string at; // an ISO 8601 moment with its offset; empty for the system clock's now
    bool json = false;
    Language language = Language::English; // of the text; JSON stays English
};

// Prints where the bird is at a moment: the period and sub-period then, and
// when it next rules. Returns the exit status.
int RunNow(const NowOptions& options, std::ostream& out, std::ostream& errors);

} // namespace velmora
