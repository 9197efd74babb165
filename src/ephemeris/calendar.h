#pragma once

#include <chrono>

namespace velmora {

// The one home of dates: civil dates are std::chrono::year_month_day, moments
// are Julian dates named with their time scale (julianDateUT, julianDateTT).

// The Julian date of the epoch J2000.0, 2000 January 1.5, and the days of a Julian century.
inline constexpr double kJ2000JulianDate = 2451545.0;
inline constexpr double kDaysPerJulianCentury = 36525.0;

// The Julian date of the Unix epoch, 1970 January 1, 0h UT.
inline constexpr double kUnixEpochJulianDate = 2440587.5;

// Day number at noon of a civil date: Julian calendar up to day number
// 2299171, Gregorian after. Impossible dates count on (29 Feb 1901 = 1 Mar 1901);
// a fraction of a day passes through.
double DayNumber(double month, double day, double year);

// Julian date of the midnight that begins the civil date: DayNumber less half a day.
double CivilDayNumber(double month, double day, double year);

// The civil date in which a Julian date falls (Julian calendar before 15 October
// 1582, Gregorian from then), whatever its time scale.
std::chrono::year_month_day DayNumberToCalendar(double julianDate);

// Julian date (UT) of 0h UT on a Gregorian date.
double JulianDateUTAtMidnight(std::chrono::year_month_day date);

// The local date and weekday of a UT moment on a clock `utcOffsetHours` ahead of UT.
std::chrono::year_month_day LocalDateAt(double julianDateUT, double utcOffsetHours);
std::chrono::weekday LocalWeekdayAt(double julianDateUT, double utcOffsetHours);

// A UT moment on the system clock, to the nearest second (UT taken for UTC), and back.
std::chrono::sys_seconds NearestSecondAt(double julianDateUT);
double JulianDateUTOf(std::chrono::sys_time<std::chrono::milliseconds> moment);

} // namespace velmora
