#pragma once

#include <string_view>

#include "places/gazetteer.h"
#include "reading/validation.h"

namespace velmora {

// Writes into the coordinate and zone fields of `fields` the best match for
// `query` and the zone in force there at the fields' date and time, as the
// window's place look-up writes them into the form. The date and time are
// those of the form's lists; one that is no real date (30 February) needs no
// place, since the form refuses it, and gets a place on the equator at
// Greenwich on UTC. False, with the fields as they were, when no place matches.
bool FillPlaceFields(BirthFormFields& fields, std::string_view query, const places::Gazetteer& gazetteer);

} // namespace velmora
