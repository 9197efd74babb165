#pragma once

#include <string>

namespace velmora {

// The place part of the entry form as typed: the zone with its daylight-saving
// tick, and the coordinates in degrees and minutes with their sides. Texts are UTF-8.
struct PlaceFields {
    std::string zoneHour;
    std::string zoneMinute;
    bool daylightSaving = false;
    std::string longitudeDegrees;
    std::string longitudeMinutes;
    bool longitudeEast = true;
    std::string latitudeDegrees;
    std::string latitudeMinutes;
    bool latitudeSouth = false;
};

} // namespace velmora
