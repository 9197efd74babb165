#include "panchang/delta_t.h"

#include <array>
#include <cmath>

#include "ephemeris/calendar.h"
#include "panchang/powers.h"

namespace velmora {

double DeltaTHours(double julianDateUT) {
    // Delta T in seconds at the start of each tenth year.
    constexpr auto kDeltaTSeconds = std::to_array<double>({
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
    });
    static_assert(kDeltaTSeconds.size() == 40);
    const std::chrono::year_month_day date = DayNumberToCalendar(julianDateUT);
    const int year = static_cast<int>(date.year());
    const int month = static_cast<int>(static_cast<unsigned>(date.month()));
    const int day = static_cast<int>(static_cast<unsigned>(date.day()));
    const double y = year + (month - 1) / 12.0 + (day - 1) / 365.25;     // decimal year
    const double t = (julianDateUT - 2378497.0) / kDaysPerJulianCentury; // centuries from 1800 January 1, 12h
    double deltaTSeconds = 0.0;
    if (y >= 1620.0 && y < 2010.0) {
        const double i = std::floor((y - 1620.0) / 10.0);
        const double f = y - (1620.0 + 10.0 * i);
        const auto row = static_cast<std::size_t>(i);
        deltaTSeconds = kDeltaTSeconds[row] + f * (kDeltaTSeconds[row + 1] - kDeltaTSeconds[row]) / 10.0;
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
