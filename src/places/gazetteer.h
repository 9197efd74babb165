#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::places {

// One city, as the system's gazetteer (libgeonames) lists it. Texts are UTF-8.
struct Place {
    std::string name;
    std::string state;
    std::string country;
    std::string countryCode; // ISO 3166 alpha-2, e.g. "IN"
    std::string timeZoneId;  // IANA, e.g. "Asia/Kolkata"
    double latitudeDeg = 0;  // north positive
    double longitudeDeg = 0; // east positive
    std::uint32_t population = 0;
};

// The cities one of whose name words starts with `word`, largest first. Takes
// about 50 ms, so an interactive caller must not run it on every keystroke.
std::vector<Place> QueryGazetteer(std::string_view word);

} // namespace velmora::places
