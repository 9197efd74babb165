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
    PlaceFormValues values;
    values.zoneHour = standard.substr(0, colon);
    values.zoneMinute = standard.substr(colon + 1);
    values.daylightSaving = zone.daylightSaving;
    values.longitudeDegrees = std::to_string(longitude.degrees);
    values.longitudeMinutes = std::to_string(longitude.minutes);
    values.longitudeEast = !longitude.negative;
    values.latitudeDegrees = std::to_string(latitude.degrees);
    values.latitudeMinutes = std::to_string(latitude.minutes);
    values.latitudeSouth = latitude.negative;
    values.city = place.name;
    values.state = place.state;
    values.country = place.country;
    values.timeZoneId = zone.timeZoneId;
    return values;
}

} // namespace velmora::places
