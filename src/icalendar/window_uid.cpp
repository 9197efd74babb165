#include "icalendar/window_uid.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "ephemeris/calendar.h"

namespace velmora {
namespace {

// FNV-1a, 64 bits: stable across builds and machines, unlike std::hash.
std::uint64_t Fnv1a(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::string SetBits(const ActivitySet& set) {
    std::string bits;
    for (std::size_t i = 0; i < kActivityCount; ++i) {
        bits += set.Has(static_cast<Activity>(i)) ? '1' : '0';
    }
    return bits;
}

// Every part of the condition, each field in a fixed form.
std::string ConditionKey(const PlanCondition& condition) {
    std::string key = SetBits(condition.mainActivities) + "/" + SetBits(condition.subActivities) + "/" +
                      std::to_string(std::llround(condition.minStrength * 1000.0)) + "/";
    if (condition.wakingHours) {
        key += std::to_string(condition.wakingHours->startMinute) + "-" +
               std::to_string(condition.wakingHours->endMinute);
    }
    key += "/" + std::to_string(static_cast<int>(condition.days)) + "/";
    if (condition.against) {
        key += std::to_string(IndexOf(*condition.against));
    }
    return key + "/" + std::to_string(std::llround(condition.minMinutes * 60.0));
}

} // namespace

std::string WindowUid(Bird bird, const PlanWindow& window, const PlanCondition& condition) {
    const std::string key = std::to_string(IndexOf(bird)) + "/" +
                            std::to_string(NearestSecondAt(window.startUT).time_since_epoch().count()) + "/" +
                            std::to_string(NearestSecondAt(window.endUT).time_since_epoch().count()) + "/" +
                            ConditionKey(condition);
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    std::string hex;
    for (std::uint64_t hash = Fnv1a(key), i = 0; i < 16; ++i, hash >>= 4) {
        hex.insert(hex.begin(), kHexDigits[hash & 0xFU]);
    }
    return hex + "@velmora";
}

} // namespace velmora
