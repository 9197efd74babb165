#include "cli/whose_day.h"

namespace velmora {

std::variant<WhoseDay, OptionRefusal> ResolveWhoseDay(const BirdOptions& bird, const DayPlaceOptions& place) {
    auto at = ResolveDayPlace(place);
    if (auto* refusal = std::get_if<OptionRefusal>(&at)) {
        return std::move(*refusal);
    }
    const auto whose = ResolveBird(bird);
    if (const auto* refusal = std::get_if<OptionRefusal>(&whose)) {
        return *refusal;
    }
    return WhoseDay{std::get<Bird>(whose), std::move(std::get<DayPlace>(at))};
}

} // namespace velmora
