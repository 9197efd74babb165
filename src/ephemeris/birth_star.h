#pragma once

#include "ephemeris/birth_moment.h"
#include "model/sky_values.h"

namespace velmora {

// Sidereal correction in degrees (negative) for T Julian centuries from J2000.
double AyanamsaDeg(double julianCenturiesUT);

// Adds the ayanamsa to the tropical longitude (one turn added when the sum falls
// below 0) and selects the star of the sidereal longitude.
BirthStarValues SelectBirthStar(double moonTropicalDeg, double ayanamsaDeg);

// The whole engine: ayanamsa, Moon, sidereal correction and the star.
BirthStarValues ComputeBirthStar(const BirthMoment& moment);

} // namespace velmora
