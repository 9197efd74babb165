#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

#include "texts/language_texts.h"

namespace velmora {

// The options of a place look-up, as typed.
struct PlaceOptions {
    std::string query;
    std::string date;      // YYYY-MM-DD; empty for today
    std::string time;      // HH:MM; empty for noon
    std::size_t limit = 0; // at most this many candidates; 0 for all
    bool json = false;
    // Of the compass words and the cautions; the names stay as the gazetteer has them.
    Language language = Language::English;
};

// Lists the places that match the query, best first, each with the UTC offset in
// force there at the date and time. Returns the exit status: refused when the
// date or time is impossible or no place matches.
int RunPlace(const PlaceOptions& options, std::ostream& out, std::ostream& errors);

} // namespace velmora
