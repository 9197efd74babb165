#pragma once

#include <iosfwd>
#include <string>

namespace velmora {

// The options of `velmora-cli schedule`, as typed.
struct ScheduleOptions {
    std::string star;   // with paksha: the birth star
    std::string paksha; // "Shukla Paksha" or "Krishna Paksha", the fortnight of the birth
    std::string bird;   // instead of star and paksha
    std::string day;    // YYYY-MM-DD
    int days = 1;
    std::string longitude; // signed decimal degrees (east positive) or DEG:MIN with E or W
    std::string latitude;  // signed decimal degrees (north positive) or DEG:MIN with N or S
    std::string zone;      // signed H:MM, the standard offset from UTC
    bool daylightSaving = false;
    bool json = false;
    bool csv = false;
};

// Computes and prints the day frames asked for. Returns the exit status.
int RunSchedule(const ScheduleOptions& options, std::ostream& out, std::ostream& errors);

} // namespace velmora
