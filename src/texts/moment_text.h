#pragma once

#include <chrono>
#include <string>

namespace velmora {

// How dates, moments and strengths are written in every language's output.

// YYYY-MM-DD.
std::string DateText(std::chrono::year_month_day date);

// A UT moment on a clock `utcOffsetHours` ahead of UT, to the nearest second, in
// ISO 8601 with the offset: 2024-03-31T07:12:05+01:00.
std::string LocalDateTimeText(double julianDateUT, double utcOffsetHours);

// The same moment as HH:MM, to the nearest minute.
std::string LocalClockText(double julianDateUT, double utcOffsetHours);

// Hours and minutes ahead of UT, signed: +05:30, -03:30, +00:00.
std::string UtcOffsetText(double utcOffsetHours);

// A strength as two decimals, 0.04 to 1.00.
std::string StrengthText(double strength);

} // namespace velmora
