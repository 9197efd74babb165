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

Fortnight FortnightFromName(std::string_view name) {
    return name == kShuklaPaksha ? Fortnight::Bright : Fortnight::Dark;
}

std::string TithiName(int tithi) {
    const int ofFortnight = (tithi - 1) % 15; // 0..14
    if (ofFortnight == 14) {
        return tithi == 15 ? "Purnima" : "Amavasya";
    }
    return std::string(tithi <= 15 ? "Shukla " : "Krishna ") +
           std::string(kTithiNames[static_cast<std::size_t>(ofFortnight)]);
}

} // namespace velmora
