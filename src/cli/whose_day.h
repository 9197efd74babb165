#pragma once

#include <variant>

#include "cli/bird_options.h"
#include "cli/day_place_options.h"

namespace velmora {

// The bird and the place of a command that reckons days: schedule and plan.
struct WhoseDay {
    Bird bird = Bird::Vulture;
    DayPlace place;
};

// The place of the options, then the bird, or the first refusal.
std::variant<WhoseDay, OptionRefusal> ResolveWhoseDay(const BirdOptions& bird, const DayPlaceOptions& place);

} // namespace velmora
