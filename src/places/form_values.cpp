#include "places/form_values.h"

#include <cmath>
#include <cstdlib>

namespace velmora::places {

namespace {

constexpr int kMinutesPerDegree = 60;
constexpr int kDaylightSavingMinutes = 60;

struct Angle {
    std::string degrees;
    std::string minutes;
    bool negative = false;
};

Angle SplitAngle(double angleDeg) {
    const long totalMinutes = std::lround(std::abs(angleDeg) * kMinutesPerDegree);
    return {std::to_string(totalMinutes / kMinutesPerDegree),
            std::to_string(totalMinutes % kMinutesPerDegree), angleDeg < 0 && totalMinutes != 0};
}

std::string TwoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

PlaceFormValues FormValuesFor(const Place& place, const ZoneAtTime& zone) {
    const Angle latitude = SplitAngle(place.latitudeDeg);
    const Angle longitude = SplitAngle(place.longitudeDeg);
    const int standardMinutes = zone.utcOffsetMinutes - (zone.daylightSaving ? kDaylightSavingMinutes : 0);
    const int magnitude = std::abs(standardMinutes);
    return {
        .latitudeDegrees = latitude.degrees,
        .latitudeMinutes = latitude.minutes,
        .latitudeSouth = latitude.negative,
        .longitudeDegrees = longitude.degrees,
        .longitudeMinutes = longitude.minutes,
        .longitudeEast = !longitude.negative,
        .zoneHour = (standardMinutes < 0 ? "-" : "+") + std::to_string(magnitude / kMinutesPerDegree),
        .zoneMinute = TwoDigits(magnitude % kMinutesPerDegree),
        .daylightSaving = zone.daylightSaving,
    };
}

} // namespace velmora::places
