#pragma once

#include "model/birth_record.h"

namespace velmora {

// The moment of a birth as the astronomy needs it, derived once from the record.
struct BirthMoment {
    int month = 1; // civil date of the clock time
    int day = 1;
    int year = 1901;
    double clockHours = 0.0;        // local clock time, decimal hours
    double hoursAheadOfUtc = 0.0;   // the clock's lead on UTC, daylight saving included
    double longitudeDegWest = 0.0;  // west positive
    double dayNumberNoon = 0.0;     // day number at noon of the civil date
    double universalHoursUT = 0.0;  // hours from the date's midnight, not wrapped into 0..24
    double julianCenturiesUT = 0.0; // from 2000 January 1.5
};

// Clock hours, the zone as hours ahead of UTC, signed longitude, universal hours
// and Julian centuries of a birth record.
BirthMoment PrepareBirthMoment(const BirthRecord& record);

} // namespace velmora
