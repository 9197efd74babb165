#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/ids.h"

namespace velmora {

// The names as shown and saved; the exact spelling is the key a saved file is read by.
inline constexpr auto kStarNames = std::to_array<std::string_view>({
    "Ashwini",
    "Bharani",
    "Krittika",
    "Rohini",
    "Mrigasira",
    "Ardra",
    "Punarvasu",
    "Pushya",
    "Ashlesha",
    "Magha",
    "Poorva Phalguni",
    "Uttara Phalguni",
    "Hasta",
    "Chitra",
    "Swati",
    "Vishakha",
    "Anuradha",
    "Jyeshtha",
    "Moola",
    "Purva Ashadha",
    "Uttara Ashadha",
    "Shravana",
    "Dhanistha",
    "Shatabhisha",
    "Poorva Bhadrapada",
    "Uttara Bhadrapada",
    "Revati",
});
static_assert(kStarNames.size() == kStarCount);

inline constexpr auto kBirdNames =
    std::to_array<std::string_view>({"Vulture", "Owl", "Crow", "Cock", "Peacock"});
static_assert(kBirdNames.size() == kBirdCount);

// What a bird does in a period, at the positions of velmora::Activity.
inline constexpr auto kActivityNames =
    std::to_array<std::string_view>({"Ruling", "Eating", "Walking", "Sleeping", "Dying"});
static_assert(kActivityNames.size() == kActivityCount);

inline constexpr std::string_view kShuklaPaksha = "Shukla Paksha";
inline constexpr std::string_view kKrishnaPaksha = "Krishna Paksha";

constexpr std::string_view StarName(Star star) {
    return kStarNames[IndexOf(star)];
}
constexpr std::string_view BirdName(Bird bird) {
    return kBirdNames[IndexOf(bird)];
}
constexpr std::string_view FortnightName(Fortnight fortnight) {
    return fortnight == Fortnight::Bright ? kShuklaPaksha : kKrishnaPaksha;
}

constexpr std::string_view ActivityName(Activity activity) {
    return kActivityNames[IndexOf(activity)];
}

// The star whose name is exactly `name` (case and spaces count); nothing otherwise.
std::optional<Star> FindStar(std::string_view name);

// The bird whose name is exactly `name`; nothing otherwise.
std::optional<Bird> FindBird(std::string_view name);

// Only the exact bright name is bright; any other text, the empty one included, is dark.
Fortnight FortnightFromName(std::string_view name);

} // namespace velmora
