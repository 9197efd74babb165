#include "places/gazetteer.h"

#include "places/match_words.h"
#include "places/place_names.h"

#include <geonames.h>

#include <algorithm>

namespace velmora::places {

namespace {

std::string Text(const gchar* text) {
    return text == nullptr ? std::string() : std::string(text);
}

} // namespace

Gazetteer::Gazetteer() {
    WordSplitter splitter;
    const gint count = geonames_get_n_cities();
    entries_.reserve(static_cast<std::size_t>(std::max(count, 0)) + CityStates().size());
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (city == nullptr) {
            continue;
        }
        GazetteerPlace place{
            .name = Text(geonames_city_get_name(city)),
            .state = Text(geonames_city_get_state(city)),
            .country = Text(geonames_city_get_country(city)),
            .countryCode = Text(geonames_city_get_country_code(city)),
            .timeZoneId = Text(geonames_city_get_timezone(city)),
            .latitudeDeg = geonames_city_get_latitude(city),
            .longitudeDeg = geonames_city_get_longitude(city),
            .population = geonames_city_get_population(city),
        };
        geonames_city_free(city);
        std::vector<std::string> words = splitter.Words(place.name);
        entries_.push_back({.place = std::move(place), .words = std::move(words)});
    }
    for (const CityState& city : CityStates()) {
        GazetteerPlace place{
            .name = std::string(city.name),
            .state = {},
            .country = std::string(city.country),
            .countryCode = std::string(city.countryCode),
            .timeZoneId = std::string(city.timeZoneId),
            .latitudeDeg = city.latitudeDeg,
            .longitudeDeg = city.longitudeDeg,
            .population = city.population,
        };
        std::vector<std::string> words = splitter.Words(place.name);
        entries_.push_back({.place = std::move(place), .words = std::move(words)});
    }
}

std::vector<GazetteerPlace> Gazetteer::PlacesWithWord(std::string_view word) const {
    std::vector<GazetteerPlace> places;
    if (word.empty()) {
        return places;
    }
    for (const Entry& entry : entries_) {
        if (std::ranges::any_of(entry.words, [&](const std::string& own) { return own.starts_with(word); })) {
            places.push_back(entry.place);
        }
    }
    return places;
}

std::vector<GazetteerPlace> Gazetteer::PlacesNamed(std::string_view name,
                                                   std::string_view countryCode) const {
    std::vector<GazetteerPlace> places;
    for (const Entry& entry : entries_) {
        if (entry.place.name == name && entry.place.countryCode == countryCode) {
            places.push_back(entry.place);
        }
    }
    return places;
}

} // namespace velmora::places
