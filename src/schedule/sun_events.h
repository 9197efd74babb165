#pragma once

#include <vector>

namespace velmora {

// A place on the Earth and the clock it keeps.
struct ObserverPlace {
    double LatitudeDeg = 0.0;    // north positive
    double LongitudeDeg = 0.0;   // east positive
    double UtcOffsetHours = 0.0; // local clock minus UT, daylight saving included
};

// The moment the Sun's upper limb crosses the horizon (centre at -0.833 degrees:
// semi-diameter and standard refraction), as a Julian date in UT.
struct SunEvent {
    double MomentUT = 0.0;
    bool Rising = false; // false: setting
};

// Every rising and setting over a span, in time order, risings and settings
// alternating; a few just outside the span may be included.
struct SunEvents {
    bool UpAtStart = false; // the Sun up before the first event, or throughout when there is none
    std::vector<SunEvent> Events;
};

// The risings and settings at `place` from `fromUT` to `toUT`. Grazing passes are
// found down to the accuracy of the solar series; within about 0.1 degree of a
// pole a dip of a few seconds may be missed. An event is the same to the bit
// whichever span finds it, so a long span may stand in for many short ones.
SunEvents SunEventsBetween(double fromUT, double toUT, const ObserverPlace& place);

} // namespace velmora
