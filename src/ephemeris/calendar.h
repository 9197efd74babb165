#pragma once

namespace velmora {

// The Julian date of the epoch J2000.0, 2000 January 1.5, and the days of a Julian century.
inline constexpr double kJ2000JulianDate = 2451545.0;
inline constexpr double kDaysPerJulianCentury = 36525.0;

// Day number at noon of a civil date: Julian calendar up to day number
// 2299171, Gregorian after. Impossible dates count on (29 Feb 1901 = 1 Mar 1901);
// a fraction of a day passes through.
double DayNumber(double month, double day, double year);

// Julian date of the midnight that begins the civil date: DayNumber less half a day.
double CivilDayNumber(double month, double day, double year);

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};
// The civil date in which Julian date J falls (Gregorian from 15 October 1582).
CalendarDate DayNumberToCalendar(double julianDate);

} // namespace velmora
