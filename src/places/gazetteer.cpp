#include "places/gazetteer.h"

#include <geonames.h>

namespace velmora::places {

namespace {

std::string Text(const gchar* text) {
    return text == nullptr ? std::string() : std::string(text);
}

} // namespace

std::vector<Place> QueryGazetteer(std::string_view word) {
    std::vector<Place> places;
    if (word.empty()) {
        return places;
    }
    const std::string query(word);
    guint count = 0;
    GError* error = nullptr;
    gint* indices =
        geonames_query_cities_sync(query.c_str(), GEONAMES_QUERY_DEFAULT, &count, nullptr, &error);
    if (indices == nullptr) {
        g_clear_error(&error);
        return places;
    }
    places.reserve(count);
    for (guint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(indices[i]);
        if (city == nullptr) {
            continue;
        }
        places.push_back({
            .name = Text(geonames_city_get_name(city)),
            .state = Text(geonames_city_get_state(city)),
            .country = Text(geonames_city_get_country(city)),
            .countryCode = Text(geonames_city_get_country_code(city)),
            .timeZoneId = Text(geonames_city_get_timezone(city)),
            .latitudeDeg = geonames_city_get_latitude(city),
            .longitudeDeg = geonames_city_get_longitude(city),
            .population = geonames_city_get_population(city),
        });
        geonames_city_free(city);
    }
    g_free(indices);
    return places;
}

} // namespace velmora::places
