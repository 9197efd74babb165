#pragma once

#include "ephemeris/birth_moment.h"
#include "model/ids.h"
#include "model/sky_values.h"

namespace velmora {

// The fortnight from the whole degrees of each body separately.
Fortnight FortnightOf(int sunWholeDeg, int moonWholeDeg);

// A moment given as a Julian date (UT) on the dynamical time scale, the Moon, the
// Sun and the fortnight of their whole degrees.
PanchangValues ComputePanchangAtUT(double julianDateUT);

// The birth moment on the dynamical time scale, the Moon, the Sun and the fortnight.
PanchangValues ComputePanchang(const BirthMoment& moment);

} // namespace velmora
