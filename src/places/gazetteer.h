#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::places {

// One city. Texts are UTF-8.
struct GazetteerPlace {
    std::string name;
    std::string state;
    std::string country;
    std::string countryCode; // ISO 3166 alpha-2, e.g. "IN"
    std::string timeZoneId;  // IANA, e.g. "Asia/Kolkata"
    double latitudeDeg = 0;  // north positive
    double longitudeDeg = 0; // east positive
    std::uint32_t population = 0;
};

// The cities of the system's gazetteer (libgeonames), with the city-states it
// does not list as cities, held in memory with their names' words. Loading takes
// about 0.1 s; each search after that a millisecond or two (libgeonames' own
// query takes 0.2 s for each word).
class Gazetteer {
public:
    Gazetteer();

    // The places one of whose name words starts with `word` (a word as MatchWords gives it).
    std::vector<GazetteerPlace> PlacesWithWord(std::string_view word) const;

    // The places called exactly `name` in the country `countryCode`.
    std::vector<GazetteerPlace> PlacesNamed(std::string_view name, std::string_view countryCode) const;

private:
    struct Entry {
        GazetteerPlace place;
        std::vector<std::string> words;
    };
    std::vector<Entry> entries_;
};

} // namespace velmora::places
