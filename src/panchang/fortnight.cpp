#include <cmath>

#include "panchang/panchang.h"

namespace velmora {

std::string_view ComputePaksha(int sunWholeDeg, int moonWholeDeg) {
    int elongation = moonWholeDeg - sunWholeDeg;
    if (elongation < 0) {
        elongation += 360;
    }
    return elongation < 180 ? kShuklaPaksha : kKrishnaPaksha;
}

void ComputePanchang(const EngineState& engine, PanchangState& state) {
    // The universal moment follows the engine's direction rule: a zone east of
    // Greenwich is subtracted from the clock time, any other is added.
    const double universalMoment =
        CivilDayNumber(engine.WorkingMonth, engine.WorkingDay, engine.WorkingYear) +
        engine.UniversalHours / 24.0;
    state.PanchangMoment = universalMoment + DeltaTHours(universalMoment) / 24.0;
    state.MoonLongitudeDeg = PanchangMoonLongitude(state.PanchangMoment);
    state.SunLongitudeDeg = PanchangSunLongitude(state.PanchangMoment);
    state.PakshaName = std::string(ComputePaksha(static_cast<int>(std::floor(state.SunLongitudeDeg)),
                                                 static_cast<int>(std::floor(state.MoonLongitudeDeg))));
}

} // namespace velmora
