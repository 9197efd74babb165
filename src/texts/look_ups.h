#pragma once

#include "model/ids.h"
#include "model/reading_results.h"

namespace velmora {

// The star's bird in the fortnight, with that bird's days in that fortnight.
RulingBird LookUpRulingBird(Star star, Fortnight fortnight);

// A bird's ruling and death days in the fortnight: the days of the reading's
// lists and of the daily schedule.
RulingBird BirdWithDays(Bird bird, Fortnight fortnight);

} // namespace velmora
