#pragma once

#include <string>
#include <variant>

#include "cli/option_refusal.h"
#include "places/zone_clock.h"
#include "schedule/local_clock.h"

namespace CLI {
class App;
}

namespace velmora {

// Where a day is reckoned, as typed: a place to look up, or its coordinates
// with a fixed zone.
struct DayPlaceOptions {
    std::string place;
    std::string longitude; // signed decimal degrees (east positive) or DEG:MIN with E or W
    std::string latitude;  // signed decimal degrees (north positive) or DEG:MIN with N or S
    std::string zone;      // signed H:MM, the standard offset from UTC
    bool daylightSaving = false;
};

// The place of a day and the clocks kept there.
struct DayPlace {
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0;
    std::variant<FixedOffsetClock, places::ZoneClock> clock;
    std::string label; // the place found, or the coordinates as given

    const LocalClock& Clock() const;
};

// --place, or --longitude, --latitude, --zone and --dst, on `command`.
void AddDayPlaceOptions(CLI::App* command, DayPlaceOptions& options);

// The place of the options: a looked-up place's first candidate with the
// clocks of its time zone, or the coordinates with a fixed offset. Values
// without their option's form are usage errors; well-formed ones that name
// no place or an angle or zone out of range are refused. The gazetteer is
// loaded only for --place.
std::variant<DayPlace, OptionRefusal> ResolveDayPlace(const DayPlaceOptions& options);

} // namespace velmora
