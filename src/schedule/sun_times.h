#pragma once

namespace velmora {

// A place on the Earth and the clock it keeps.
struct Place {
    double LatitudeDeg = 0.0;    // north positive
    double LongitudeDeg = 0.0;   // east positive
    double UtcOffsetHours = 0.0; // local clock minus UT, daylight saving included
};

struct LocalDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    friend bool operator==(const LocalDate&, const LocalDate&) = default;
};

enum class SunDayStatus {
    Normal,       // the Sun rises, sets and rises again
    SunStaysUp,   // polar day: one of the three events does not happen, the Sun is above the horizon
    SunStaysDown, // polar night: one of the three events does not happen, the Sun is below the horizon
};

// Sunrise, sunset and the next sunrise (the Sun's upper limb at -0.833 degrees:
// semi-diameter and standard refraction) as Julian dates in UT. The times are
// meaningful only when Status is Normal.
struct SunDay {
    SunDayStatus Status = SunDayStatus::Normal;
    double SunriseUT = 0.0;
    double SunsetUT = 0.0;
    double NextSunriseUT = 0.0;
};

// The sunrise that falls on the local date `date` at `place`, the sunset after
// it and the sunrise after that.
SunDay ComputeSunDay(const LocalDate& date, const Place& place);

// Julian date (UT) of 0h UT on a Gregorian calendar date.
double JulianDayAtMidnightUT(const LocalDate& date);

// The local calendar date and the weekday (0 = Sunday) of a UT moment.
LocalDate LocalDateOf(double julianDayUT, double utcOffsetHours);
int WeekdayOf(double julianDayUT, double utcOffsetHours);

} // namespace velmora
