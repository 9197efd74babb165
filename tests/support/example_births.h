#pragma once

#include <cstdint>

#include "model/birth_record.h"
#include "reading/validation.h"

namespace velmora::testing {

// A birth record as the form would fill it.
inline BirthRecord MakeBirthRecord(int year, int month, int day, int hour, int minute, int zoneHours,
                                   int zoneMinutes, int longitudeDeg, int longitudeMin, bool east,
                                   bool daylightSaving = false) {
    BirthRecord r;
    r.BirthYear = year;
    r.BirthMonth = month;
    r.BirthDay = day;
    r.BirthHour = hour;
    r.BirthMinute = minute;
    r.ZoneHours = static_cast<std::int16_t>(zoneHours);
    r.ZoneMinutes = static_cast<std::int16_t>(zoneMinutes);
    r.LongitudeDegrees = static_cast<std::int16_t>(longitudeDeg);
    r.LongitudeMinutes = static_cast<std::int16_t>(longitudeMin);
    r.LongitudeEast = east;
    r.DaylightSaving = daylightSaving;
    return r;
}

// The worked example as typed into the form: 15 August 1947, 00:00, zone 5:30,
// 77 deg 12' East, 28 deg 36' North. Its star is Pushya.
inline BirthFormFields Delhi1947Form() {
    BirthFormFields f;
    f.name = "Asha";
    f.monthIndex = 7;
    f.dayIndex = 14;
    f.year = 1947;
    f.zoneHour = "5";
    f.zoneMinute = "30";
    f.longitudeDegrees = "77";
    f.longitudeMinutes = "12";
    f.longitudeEast = true;
    f.latitudeDegrees = "28";
    f.latitudeMinutes = "36";
    f.latitudeSouth = false;
    return f;
}

} // namespace velmora::testing
