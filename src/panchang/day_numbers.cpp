#include <array>
#include <cmath>

#include "panchang/panchang.h"
#include "panchang/powers.h"

namespace velmora {

double CivilDayNumber(double month, double day, double year) {
    const double c = 12.0 * (year + 4800.0) + month - 3.0; // months from March of -4800
    const double a = (365.0 * c + 2.0 * (c - 12.0 * std::floor(c / 12.0)) + 7.0) / 12.0;
    double j = std::floor(a) + day + std::floor(c / 48.0) - 32083.0;
    if (j > 2299171.0) {
        j = j + std::floor(c / 4800.0) - std::floor(c / 1200.0) + 38.0;
    }
    return j - 0.5;
}

CalendarDate DayNumberToCalendar(double julianDate) {
    const double z = std::floor(julianDate + 0.5);
    const double f = (julianDate + 0.5) - z;
    double a = z;
    if (z >= 2299161.0) {
        const double alpha = std::floor((z - 1867216.25) / 36524.25);
        a = z + 1.0 + alpha - std::floor(alpha / 4.0);
    }
    const double b = a + 1524.0;
    const double c = std::floor((b - 122.1) / 365.25);
    const double dd = std::floor(365.25 * c);
    const double e = std::floor((b - dd) / 30.6001);
    const double dayWithFraction = b - dd - std::floor(30.6001 * e) + f;

    CalendarDate date;
    date.CalendarDay = static_cast<int>(std::floor(dayWithFraction));
    date.CalendarMonth = static_cast<int>(e < 13.5 ? e - 1.0 : e - 13.0);
    date.CalendarYear = static_cast<int>(date.CalendarMonth > 2.5 ? c - 4716.0 : c - 4715.0);
    return date;
}

double DeltaTHours(double julianDate) {
    // Delta T in seconds at the start of each tenth year.
    constexpr std::array<double, 40> DeltaTTable = {
        124.0, //  0  1620
        85.0,  //  1  1630
        62.0,  //  2  1640
        48.0,  //  3  1650
        37.0,  //  4  1660
        26.0,  //  5  1670
        16.0,  //  6  1680
        10.0,  //  7  1690
        9.0,   //  8  1700
        10.0,  //  9  1710
        11.0,  // 10  1720
        11.0,  // 11  1730
        12.0,  // 12  1740
        13.0,  // 13  1750
        15.0,  // 14  1760
        16.0,  // 15  1770
        17.0,  // 16  1780
        17.0,  // 17  1790
        13.7,  // 18  1800
        12.5,  // 19  1810
        12.0,  // 20  1820
        7.5,   // 21  1830
        5.7,   // 22  1840
        7.1,   // 23  1850
        7.9,   // 24  1860
        1.6,   // 25  1870
        -5.4,  // 26  1880
        -5.9,  // 27  1890
        -2.7,  // 28  1900
        10.5,  // 29  1910
        21.2,  // 30  1920
        24.0,  // 31  1930
        24.3,  // 32  1940
        29.2,  // 33  1950
        33.2,  // 34  1960
        40.2,  // 35  1970
        50.5,  // 36  1980
        56.9,  // 37  1990
        65.7,  // 38  2000
        75.5,  // 39  2010
    };
    const CalendarDate date = DayNumberToCalendar(julianDate);
    const double y =
        date.CalendarYear + (date.CalendarMonth - 1) / 12.0 + (date.CalendarDay - 1) / 365.25; // decimal year
    const double t = (julianDate - 2378497.0) / 36525.0; // centuries from 1800 January 1, 12h
    double deltaTSeconds = 0.0;
    if (y >= 1620.0 && y < 2010.0) {
        const double i = std::floor((y - 1620.0) / 10.0);
        const double f = y - (1620.0 + 10.0 * i);
        const auto row = static_cast<std::size_t>(i);
        deltaTSeconds = DeltaTTable[row] + f * (DeltaTTable[row + 1] - DeltaTTable[row]) / 10.0;
    } else if (y >= 2010.0) {
        deltaTSeconds = 25.5 * Squared(t) - 39.0;
    } else if (y >= 948.0) {
        deltaTSeconds = 25.5 * Squared(t);
    } else {
        deltaTSeconds = 1361.7 + 320.0 * t + 44.3 * Squared(t);
    }
    return deltaTSeconds / 3600.0;
}

} // namespace velmora
