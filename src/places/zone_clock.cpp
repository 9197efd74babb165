#include "places/zone_clock.h"

#include <chrono>
#include <cmath>
#include <utility>

#include "ephemeris/calendar.h"

namespace velmora::places {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kSecondsPerHour = 3600.0;

} // namespace

std::optional<ZoneClock> ZoneClock::Find(std::string_view timeZoneId) {
    std::optional<ZoneRules> rules = ZoneRules::Find(timeZoneId);
    if (!rules) {
        return std::nullopt;
    }
    return ZoneClock(*rules, std::string(timeZoneId));
}

ZoneClock::ZoneClock(ZoneRules rules, std::string timeZoneId)
    : rules_(rules), timeZoneId_(std::move(timeZoneId)) {}

double ZoneClock::UtcOffsetHoursAt(double julianDateUT) const {
    const auto seconds =
        static_cast<long long>(std::floor((julianDateUT - kUnixEpochJulianDate) * kSecondsPerDay));
    const std::chrono::sys_seconds moment{std::chrono::seconds{seconds}};
    return static_cast<double>(rules_.At(moment).utcOffset.count()) / kSecondsPerHour;
}

} // namespace velmora::places
