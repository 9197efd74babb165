#pragma once

#include "model/birth_moment.h"
#include "model/birth_record.h"

namespace velmora {

// Clock hours, effective zone, signed longitude, universal hours and Julian
// centuries of a birth record.
BirthMoment PrepareBirthMoment(const BirthRecord& record);

} // namespace velmora
