#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "places/zone_rules.h"
#include "schedule/local_clock.h"

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
    ZoneClock(ZoneRules rules, std::string timeZoneId);

    ZoneRules rules_;
    std::string timeZoneId_;
};

} // namespace velmora::places
