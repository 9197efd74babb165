#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace velmora::places {

// A name people use for a city that the gazetteer lists under another name: a
// former name ("Madras"), a short one ("Trichy") or the name in Tamil script.
struct OtherName {
    std::string_view typed;         // as people write it
    std::string_view gazetteerName; // the city's name in the gazetteer
    std::string_view countryCode;   // ISO 3166 alpha-2 of the gazetteer's city
};

std::span<const OtherName> OtherNames();

// A place the gazetteer does not list as a city although people look it up by
// its own name: the city-states and territories that are one city.
struct CityState {
    std::string_view name;
    std::string_view country;
    std::string_view countryCode;
    std::string_view timeZoneId;
    double latitudeDeg;
    double longitudeDeg;
    std::uint32_t population;
};

std::span<const CityState> CityStates();

} // namespace velmora::places
