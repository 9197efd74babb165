#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "schedule/local_clock.h"

namespace date {
class time_zone;
}

namespace velmora::places {

// The clocks of an IANA time zone, from the system's time-zone database: a
// schedule at a named place shows each moment in the offset then in force.
class ZoneClock final : public LocalClock {
public:
    // Nothing for a zone the database does not know.
    static std::optional<ZoneClock> Find(std::string_view timeZoneId);

    double UtcOffsetHoursAt(double julianDateUT) const override;

    const std::string& timeZoneId() const { return timeZoneId_; }

private:
    ZoneClock(const date::time_zone* zone, std::string timeZoneId);

    const date::time_zone* zone_; // owned by the database, which lives as long as the program
    std::string timeZoneId_;
};

} // namespace velmora::places
