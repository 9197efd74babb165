#include "places/form_values.h"

#include "places/coordinate_text.h"

namespace velmora::places {

namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kDaylightSavingMinutes = 60;

} // namespace

PlaceFormValues FormValuesFor(const GazetteerPlace& place, const ZoneAtTime& zone) {
    const DegreesMinutes latitude = ToDegreesMinutes(place.latitudeDeg);
    const DegreesMinutes longitude = ToDegreesMinutes(place.longitudeDeg);
    const int standardMinutes = zone.utcOffsetMinutes - (zone.daylightSaving ? kDaylightSavingMinutes : 0);
    // The form's two zone fields are the two parts of the offset's text: "+5" and "30".
    const std::string standard = FormatUtcOffset(standardMinutes * kSecondsPerMinute);
    const std::size_t colon = standard.find(':');
    return {
        .latitudeDegrees = std::to_string(latitude.degrees),
        .latitudeMinutes = std::to_string(latitude.minutes),
        .latitudeSouth = latitude.negative,
        .longitudeDegrees = std::to_string(longitude.degrees),
        .longitudeMinutes = std::to_string(longitude.minutes),
        .longitudeEast = !longitude.negative,
        .zoneHour = standard.substr(0, colon),
        .zoneMinute = standard.substr(colon + 1),
        .daylightSaving = zone.daylightSaving,
        .city = place.name,
        .state = place.state,
        .country = place.country,
    };
}

} // namespace velmora::places
