#pragma once

namespace velmora {

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
