#include "places/zone_clock.h"

#include <date/tz.h>

#include <chrono>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace velmora::places {
namespace {

constexpr double kUnixEpochJulianDate = 2440587.5;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kSecondsPerHour = 3600.0;

} // namespace

std::optional<ZoneClock> ZoneClock::Find(std::string_view timeZoneId) {
    try {
        return ZoneClock(date::locate_zone(timeZoneId), std::string(timeZoneId));
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

ZoneClock::ZoneClock(const date::time_zone* zone, std::string timeZoneId)
    : zone_(zone), timeZoneId_(std::move(timeZoneId)) {}

double ZoneClock::UtcOffsetHoursAt(double julianDateUT) const {
    const auto seconds =
        static_cast<long long>(std::floor((julianDateUT - kUnixEpochJulianDate) * kSecondsPerDay));
    const date::sys_seconds moment{std::chrono::seconds{seconds}};
    return static_cast<double>(zone_->get_info(moment).offset.count()) / kSecondsPerHour;
}

} // namespace velmora::places
