#pragma once

#include <cstdint>
#include <initializer_list>

#include "model/ids.h"

namespace velmora {

// Some of the five activities, as a plan's condition names them.
class ActivitySet {
public:
    constexpr ActivitySet() = default;
    constexpr ActivitySet(std::initializer_list<Activity> activities) {
        for (const Activity activity : activities) {
            Add(activity);
        }
    }

    static constexpr ActivitySet All() {
        return {Activity::Ruling, Activity::Eating, Activity::Walking, Activity::Sleeping, Activity::Dying};
    }

    constexpr void Add(Activity activity) { bits_ = static_cast<std::uint8_t>(bits_ | Bit(activity)); }
    constexpr bool Has(Activity activity) const { return (bits_ & Bit(activity)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }

    constexpr bool operator==(const ActivitySet&) const = default;

private:
    static constexpr std::uint8_t Bit(Activity activity) {
        return static_cast<std::uint8_t>(1U << IndexOf(activity));
    }

    std::uint8_t bits_ = 0; // Ruling the lowest bit
};

} // namespace velmora
