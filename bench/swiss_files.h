#pragma once

#include <swephexp.h>

namespace velmora::bench {

// Whether the other library found its ephemeris files: it says so in the flags it
// returns. Timed without them, it would be measured searching for them.
inline bool SwissFilesFound() {
    double moon[6];
    char error[AS_MAXCH];
    const int used = swe_calc_ut(2451545.0, SE_MOON, SEFLG_SWIEPH, moon, error);
    return used >= 0 && (used & SEFLG_SWIEPH) != 0;
}

} // namespace velmora::bench
