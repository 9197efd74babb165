#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/birth_star.h"

namespace velmora {

double DayNumber(int month, int day, int year) {
    const double n = 12.0 * (year + 4800.0) + month - 3.0; // months since March of -4800
    const double m = n - 12.0 * std::floor(n / 12.0);      // 0 = March .. 11 = February
    double j = std::floor((365.0 * n + 2.0 * m + 7.0) / 12.0) + day + std::floor(n / 48.0) - 32083.0;
    if (j > 2299171.0) {
        j = j + std::floor(n / 4800.0) - std::floor(n / 1200.0) + 38.0;
    }
    return j;
}

void PrepareBirthMoment(const BirthRecord& record, EngineState& state) {
    state.DegreesToRadians = kDegreesToRadians;
    state.RadiansToDegrees = kRadiansToDegrees;
    state.WorkingMonth = record.BirthMonth;
    state.WorkingDay = record.BirthDay;
    state.WorkingYear = record.BirthYear;
    state.BirthLocalHours = record.BirthHour + record.BirthMinute / 60.0;
    state.EffectiveZoneHours = record.ZoneHours + record.ZoneMinutes / 60.0;
    state.SignedLongitude = record.LongitudeDegrees + record.LongitudeMinutes / 60.0;
    if (record.LongitudeSide != kFalse) {
        state.SignedLongitude = -state.SignedLongitude;
    }
    // The zone carries no sign: a place east of Greenwich keeps a clock ahead
    // of universal time, so summer time there adds an hour and elsewhere takes one off.
    if (record.DaylightSaving != kFalse) {
        if (state.SignedLongitude < 0.0) {
            state.EffectiveZoneHours += 1.0;
        } else {
            state.EffectiveZoneHours -= 1.0;
        }
    }
    state.BirthDayNumber = DayNumber(state.WorkingMonth, state.WorkingDay, state.WorkingYear);
    if (state.SignedLongitude < 0.0) {
        state.UniversalHours = state.BirthLocalHours - state.EffectiveZoneHours;
    } else {
        state.UniversalHours = state.BirthLocalHours + state.EffectiveZoneHours;
    }
    state.JulianCenturies =
        ((state.BirthDayNumber - 2451545.0) + state.UniversalHours / 24.0 - 0.5) / 36525.0;
}

} // namespace velmora
