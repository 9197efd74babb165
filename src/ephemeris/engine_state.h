#pragma once

#include <string>

namespace velmora {

// The values the astronomical engine leaves for the rest of the reading; the
// panchang reads the working date, BirthLocalHours, EffectiveZoneHours and
// UniversalHours from here. Every field is overwritten by ComputeBirthStar.
struct EngineState {
    double DegreesToRadians = 0.0;
    double RadiansToDegrees = 0.0;
    int WorkingMonth = 0;
    int WorkingDay = 0;
    int WorkingYear = 0;
    double BirthLocalHours = 0.0;       // clock time, decimal hours
    double EffectiveZoneHours = 0.0;    // unsigned zone after the daylight-saving step
    double SignedLongitude = 0.0;       // degrees, west positive
    double BirthDayNumber = 0.0;        // day number at noon of the birth date
    double UniversalHours = 0.0;        // not wrapped into 0..24
    double JulianCenturies = 0.0;       // from 2000 January 1.5
    double AyanamsaDegrees = 0.0;       // negative
    double MoonTropicalLongitude = 0.0; // degrees, 0..360, before the sidereal correction
    double MoonLongitude = 0.0;         // degrees; sidereal once ComputeBirthStar has run
    double StarPosition = 0.0;          // sidereal longitude in star widths, 0..27
    int StarIndex = 0;                  // 0..26
    std::string MoonStarNameValue;
};

} // namespace velmora
