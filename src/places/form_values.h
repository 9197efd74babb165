#pragma once

#include "model/place_fields.h"
#include "places/zone_at_time.h"

#include <string>

namespace velmora::places {

// What a place found by name writes into the birth form: whole degrees and
// minutes with their sides, the standard offset with its sign ("+5", "-3",
// "+0"; minutes "30", "00") plus the daylight-saving tick, and the place's names.
struct PlaceFormValues : PlaceFields {
    std::string city{};
    std::string state{};
    std::string country{};
    std::string timeZoneId{}; // IANA: the clocks of other dates at the place
};

// The coordinates rounded to the nearest whole minute, as ToDegreesMinutes
// rounds them. The form adds one hour for daylight saving, so the zone is the
// offset in force less an hour when daylight saving applies: London's double
// summer time (+2:00) gives "+1" and the tick.
PlaceFormValues FormValuesFor(const GazetteerPlace& place, const ZoneAtTime& zone);

} // namespace velmora::places
