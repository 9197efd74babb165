#pragma once

#include "model/ids.h"
#include "model/reading_results.h"

namespace velmora {

// The star's own paragraph, and the paragraph of its bird in the fortnight:
// the bird differs between the fortnights, and so does what is said of it.
StarTexts LookUpStarTexts(Star star, Fortnight fortnight);

// The star's bird in the fortnight, with that bird's days in that fortnight.
RulingBird LookUpRulingBird(Star star, Fortnight fortnight);

} // namespace velmora
