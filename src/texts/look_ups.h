#pragma once

#include "model/ids.h"
#include "model/reading_results.h"

namespace velmora {

// The star's own paragraphs.
StarTexts LookUpStarTexts(Star star);

// The star's bird in the fortnight, with that bird's days in that fortnight.
RulingBird LookUpRulingBird(Star star, Fortnight fortnight);

} // namespace velmora
