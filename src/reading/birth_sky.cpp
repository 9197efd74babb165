#include "reading/birth_sky.h"

#include "ephemeris/birth_star.h"
#include "panchang/fortnight.h"

namespace velmora {

BirthSky ComputeBirthSky(const BirthRecord& record) {
    BirthSky sky;
    sky.moment = PrepareBirthMoment(record);
    sky.birthStar = ComputeBirthStar(sky.moment);
    sky.panchang = ComputePanchang(sky.moment);
    return sky;
}

} // namespace velmora
