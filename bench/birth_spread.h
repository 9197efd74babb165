#pragma once

#include <cstdint>
#include <vector>

#include "model/birth_record.h"

namespace velmora::bench {

// Births spread over every supported year, both hemispheres, with and without summer time.
inline std::vector<BirthRecord> SpreadOfBirths() {
    std::vector<BirthRecord> births;
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; month += 3) {
            BirthRecord r;
            r.BirthYear = year;
            r.BirthMonth = month;
            r.BirthDay = 1 + (year * 7 + month) % 28;
            r.BirthHour = (year + month) % 24;
            r.BirthMinute = (year * 13) % 60;
            r.ZoneHours = static_cast<std::int16_t>(year % 12);
            r.ZoneMinutes = static_cast<std::int16_t>(year % 2 == 0 ? 30 : 0);
            r.LongitudeDegrees = static_cast<std::int16_t>((year * 3) % 180);
            r.LongitudeMinutes = static_cast<std::int16_t>(month * 4);
            r.LongitudeEast = month % 2 == 0;
            r.DaylightSaving = year % 3 == 0;
            births.push_back(r);
        }
    }
    return births;
}

} // namespace velmora::bench
