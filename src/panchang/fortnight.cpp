#include "panchang/fortnight.h"

#include <cmath>

#include "ephemeris/calendar.h"
#include "panchang/delta_t.h"
#include "panchang/moon.h"
#include "panchang/nutation.h"
#include "panchang/sun.h"

namespace velmora {

Fortnight FortnightOf(int sunWholeDeg, int moonWholeDeg) {
    int elongation = moonWholeDeg - sunWholeDeg;
    if (elongation < 0) {
        elongation += 360;
    }
    return elongation < 180 ? Fortnight::Bright : Fortnight::Dark;
}

PanchangValues ComputePanchangAtUT(double julianDateUT) {
    PanchangValues values;
    values.momentJulianDateTT = julianDateUT + DeltaTHours(julianDateUT) / 24.0;
    const double nutationDeg = NutationInLongitudeDeg(values.momentJulianDateTT);
    values.moonLongitudeDeg = MoonApparentLongitudeDeg(values.momentJulianDateTT, nutationDeg);
    values.sunLongitudeDeg = SunApparentLongitudeDeg(values.momentJulianDateTT, nutationDeg);
    values.fortnight = FortnightOf(static_cast<int>(std::floor(values.sunLongitudeDeg)),
                                   static_cast<int>(std::floor(values.moonLongitudeDeg)));
    return values;
}

PanchangValues ComputePanchang(const BirthMoment& moment) {
    // The universal hours count from the civil date's midnight and may run past either end of it.
    return ComputePanchangAtUT(CivilDayNumber(moment.month, moment.day, moment.year) +
                               moment.universalHoursUT / 24.0);
}

} // namespace velmora
