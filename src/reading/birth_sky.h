#pragma once

#include "ephemeris/birth_moment.h"
#include "model/birth_record.h"
#include "model/sky_values.h"

namespace velmora {

// What the astronomy gives a checked record, before any look-up: the one
// computation of a reading, shared by the session and the margins' search.
struct BirthSky {
    BirthMoment moment;
    BirthStarValues birthStar;
    PanchangValues panchang;
};

BirthSky ComputeBirthSky(const BirthRecord& record);

} // namespace velmora
