#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora {

// The 27 birth stars in zodiac order from sidereal longitude 0.
enum class Star : std::uint8_t {
    Ashwini,
    Bharani,
    Krittika,
    Rohini,
    Mrigasira,
    Ardra,
    Punarvasu,
    Pushya,
    Ashlesha,
    Magha,
    PoorvaPhalguni,
    UttaraPhalguni,
    Hasta,
    Chitra,
    Swati,
    Vishakha,
    Anuradha,
    Jyeshtha,
    Moola,
    PurvaAshadha,
    UttaraAshadha,
    Shravana,
    Dhanistha,
    Shatabhisha,
    PoorvaBhadrapada,
    UttaraBhadrapada,
    Revati,
};
inline constexpr std::size_t kStarCount = 27;

// The lunar fortnight: bright (waxing, Shukla) or dark (waning, Krishna).
enum class Fortnight : std::uint8_t { Bright, Dark };

// The five birds; the order is the one the birds are listed and numbered in.
enum class Bird : std::uint8_t { Vulture, Owl, Crow, Cock, Peacock };
inline constexpr std::size_t kBirdCount = 5;

constexpr std::size_t IndexOf(Star star) {
    return static_cast<std::size_t>(star);
}
constexpr std::size_t IndexOf(Bird bird) {
    return static_cast<std::size_t>(bird);
}

} // namespace velmora
