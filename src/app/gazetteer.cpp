// GIO's headers have a member called "signals", which Qt defines as a macro:
// geonames.h must come before every Qt header.
#include <geonames.h>

#include "app/gazetteer.h"

#include <QByteArray>

namespace velmora {

std::vector<GazetteerPlace> QueryGazetteer(const QString& word) {
    std::vector<GazetteerPlace> places;
    const QByteArray query = word.toUtf8();
    if (query.isEmpty()) {
        return places;
    }
    guint count = 0;
    GError* error = nullptr;
    gint* indices =
        geonames_query_cities_sync(query.constData(), GEONAMES_QUERY_DEFAULT, &count, nullptr, &error);
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
            .name = QString::fromUtf8(geonames_city_get_name(city)),
            .state = QString::fromUtf8(geonames_city_get_state(city)),
            .country = QString::fromUtf8(geonames_city_get_country(city)),
            .countryCode = QString::fromUtf8(geonames_city_get_country_code(city)),
            .timeZoneId = QString::fromUtf8(geonames_city_get_timezone(city)),
            .latitudeDeg = geonames_city_get_latitude(city),
            .longitudeDeg = geonames_city_get_longitude(city),
            .population = geonames_city_get_population(city),
        });
        geonames_city_free(city);
    }
    g_free(indices);
    return places;
}

} // namespace velmora
