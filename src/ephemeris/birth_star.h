#pragma once

#include "ephemeris/engine_state.h"
#include "reading/birth_record.h"

namespace velmora {

// Day number at noon of a civil date: Julian calendar up to day number
// 2299171, Gregorian after. Impossible dates count on (29 Feb 1901 = 1 Mar 1901).
double DayNumber(int month, int day, int year);

// Turns the birth record into clock hours, effective zone, signed longitude,
// universal hours and Julian centuries in `state`.
void PrepareBirthMoment(const BirthRecord& record, EngineState& state);

// Moon's tropical longitude in degrees (0..360, both ends possible) at
// state.JulianCenturies from the 25-term series; writes state.MoonLongitude.
void ComputeMoonLongitude(EngineState& state);

// Sidereal correction in degrees (negative) for T Julian centuries from J2000.
double ComputeAyanamsa(double julianCenturies);

// Adds state.AyanamsaDegrees to the tropical state.MoonLongitude (one turn
// added when it falls below 0) and selects the star of the sidereal longitude.
void SelectBirthStar(EngineState& state);

// The whole engine: birth moment, ayanamsa, Moon, sidereal correction and the
// star, left in state.MoonStarNameValue.
void ComputeBirthStar(const BirthRecord& record, EngineState& state);

} // namespace velmora
