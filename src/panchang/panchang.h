#pragma once

#include <string>
#include <string_view>

#include "ephemeris/engine_state.h"

namespace velmora {

inline constexpr std::string_view kShuklaPaksha = "Shukla Paksha";
inline constexpr std::string_view kKrishnaPaksha = "Krishna Paksha";

// Julian date of the midnight that begins the civil date (Julian calendar up
// to 15 October 1582, Gregorian from the 16th); a fraction of day passes through.
double CivilDayNumber(double month, double day, double year);

struct CalendarDate {
    int CalendarYear = 0;
    int CalendarMonth = 0;
    int CalendarDay = 0;
};
// The civil date in which Julian date J falls.
CalendarDate DayNumberToCalendar(double julianDate);

// Delta T (dynamical minus universal time) in hours for Julian date J.
double DeltaTHours(double julianDate);

// x brought into 0..360 by whole turns; 360 stays 360.
double NormalizeDegrees(double x);

// Nutation in longitude, degrees, for Julian date J (dynamical time).
double NutationInLongitude(double julianDateTT);

// Eccentric anomaly (radians) for mean anomaly M and tolerance in degrees.
double SolveKepler(double meanAnomalyDeg, double eccentricity, double toleranceDeg);

// Apparent geocentric longitudes of date, degrees 0..360, for a Julian date
// on the dynamical time scale.
double PanchangSunLongitude(double julianDateTT);
double PanchangMoonLongitude(double julianDateTT);

// What the panchang leaves for the reading.
struct PanchangState {
    double PanchangMoment = 0.0;   // Julian date, dynamical time
    double MoonLongitudeDeg = 0.0; // apparent, 0..360
    double SunLongitudeDeg = 0.0;  // apparent, 0..360
    std::string PakshaName;        // "Shukla Paksha" or "Krishna Paksha"
};

// The fortnight from the whole degrees of each body separately.
std::string_view ComputePaksha(int sunWholeDeg, int moonWholeDeg);

// Birth moment from the engine's values (universal hours follow the engine's
// direction rule), Moon and Sun, and the fortnight into `state`.
void ComputePanchang(const EngineState& engine, PanchangState& state);

} // namespace velmora
