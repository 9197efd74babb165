#pragma once

#include "places/gazetteer.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::places {

struct PlaceMatch {
    GazetteerPlace place;
    int cityWords = 0;   // how many leading query words name the place; 0: a partial match
    int regionScore = 0; // 0..2: whether the words after the city name the place's state, its country
    std::string knownAs; // the other name the query used ("Madras" for Chennai), or empty
};

// Orders `candidates` for the query words (as MatchWords gives them): whole-name
// matches of the most leading words first, then by state and country named, then
// by population. `candidates` may already carry a name the query matched (knownAs
// with its cityWords); a place's own name is used when it matches more words.
std::vector<PlaceMatch> RankPlaces(const std::vector<std::string>& queryWords,
                                   std::vector<PlaceMatch> candidates);

// The ranked places for a query such as "Madras Tamil Nadu India" or
// "City State Country Latitude Longitude": the gazetteer's cities and city-states,
// found by their own names and by former, short and Tamil-script names.
std::vector<PlaceMatch> SearchPlaces(const Gazetteer& gazetteer, std::string_view query);

} // namespace velmora::places
