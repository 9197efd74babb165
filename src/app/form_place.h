#pragma once

#include <QString>

namespace velmora {

// What the place look-up writes into the form: the place's names, its
// coordinates in whole degrees and minutes, and the standard zone with its sign
// and the daylight-saving tick at the birth date and time.
struct FormPlace {
    QString city;
    QString state;
    QString country;
    QString latitudeDegrees;
    QString latitudeMinutes;
    bool latitudeSouth = false;
    QString longitudeDegrees;
    QString longitudeMinutes;
    bool longitudeEast = true;
    QString zoneHour;
    QString zoneMinute;
    bool daylightSaving = false;
};

} // namespace velmora
