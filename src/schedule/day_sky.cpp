#include "schedule/day_sky.h"

#include <algorithm>
#include <cmath>

#include "ephemeris/birth_star.h"
#include "ephemeris/calendar.h"
#include "panchang/fortnight.h"

namespace velmora {

DaySky ComputeDaySkyAtUT(double julianDateUT) {
    const PanchangValues panchang = ComputePanchangAtUT(julianDateUT);
    DaySky sky;
    sky.elongationDeg = panchang.moonLongitudeDeg - panchang.sunLongitudeDeg;
    if (sky.elongationDeg < 0.0) {
        sky.elongationDeg += 360.0;
    }
    sky.fortnight = sky.elongationDeg < 180.0 ? Fortnight::Bright : Fortnight::Dark;
    sky.tithi = std::clamp(static_cast<int>(std::floor(sky.elongationDeg / 12.0)) + 1, 1, kTithisPerMonth);
    const double julianCenturiesUT = (julianDateUT - kJ2000JulianDate) / kDaysPerJulianCentury;
    sky.star = SelectBirthStar(panchang.moonLongitudeDeg, AyanamsaDeg(julianCenturiesUT)).star;
    return sky;
}

} // namespace velmora
