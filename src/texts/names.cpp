#include "texts/names.h"

namespace velmora {

std::optional<Star> FindStar(std::string_view name) {
    for (std::size_t i = 0; i < kStarNames.size(); ++i) {
        if (kStarNames[i] == name) {
            return static_cast<Star>(i);
        }
    }
    return std::nullopt;
}

std::optional<Bird> FindBird(std::string_view name) {
    for (std::size_t i = 0; i < kBirdNames.size(); ++i) {
        if (kBirdNames[i] == name) {
            return static_cast<Bird>(i);
        }
    }
    return std::nullopt;
}

Fortnight FortnightFromName(std::string_view name) {
    return name == kShuklaPaksha ? Fortnight::Bright : Fortnight::Dark;
}

} // namespace velmora
