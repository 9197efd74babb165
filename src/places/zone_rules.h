#pragma once

#include "model/clock_caution.h"

#include <chrono>
#include <optional>
#include <string_view>

namespace date {
class time_zone;
}
struct _icaltimezone; // libical's zone

namespace velmora::places {

// What the clocks of a zone are set to.
struct ClockSetting {
    std::chrono::seconds utcOffset{0}; // ahead of UTC, daylight saving included
    bool daylightSaving = false;
};

// The setting that shows a local clock time; for a time skipped or repeated by a
// change of the clocks, the setting in force before the change, with the caution.
struct LocalClockSetting {
    ClockSetting inForce;
    std::optional<ClockCaution> caution;
};

// The clocks of an IANA zone from the system's zoneinfo files at any moment: the
// changes the file lists, and past the last of them the rule the file ends with.
// Safe to use from several threads at once.
class ZoneRules {
public:
    // Nothing for a zone the database does not know.
    static std::optional<ZoneRules> Find(std::string_view timeZoneId);

    ClockSetting At(std::chrono::sys_seconds moment) const;
    LocalClockSetting At(std::chrono::local_seconds clockTime) const;

private:
    ZoneRules(const date::time_zone* listed, _icaltimezone* rule);

    // Both owned by their libraries and kept as long as the program runs.
    const date::time_zone* listed_;
    _icaltimezone* rule_;
};

} // namespace velmora::places
