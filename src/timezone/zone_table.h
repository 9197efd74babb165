#pragma once

#include <array>
#include <string_view>

namespace velmora {

// One row of the time-zone picker: what the list shows, and the texts it
// writes into the zone hour and minute fields (sign reversed from the offset).
struct TimeZoneRow {
    std::string_view listText;
    std::string_view hourText;
    std::string_view minuteText;
};

extern const std::array<TimeZoneRow, 71> TimeZoneTable;

} // namespace velmora
