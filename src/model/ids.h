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
inline constexpr std::size_t kFortnightCount = 2;

// The five birds; the order is the one the birds are listed and numbered in.
enum class Bird : std::uint8_t { Vulture, Owl, Crow, Cock, Peacock };
inline constexpr std::size_t kBirdCount = 5;

// What a bird does in a period of the day, strongest first.
enum class Activity : std::uint8_t { Ruling, Eating, Walking, Sleeping, Dying };
inline constexpr std::size_t kActivityCount = 5;

// Sunrise to sunset, and sunset to the next sunrise.
enum class DayHalf : std::uint8_t { Day, Night };
inline constexpr std::size_t kDayHalfCount = 2;

constexpr std::size_t IndexOf(Star star) {
    return static_cast<std::size_t>(star);
}
constexpr std::size_t IndexOf(Fortnight fortnight) {
    return static_cast<std::size_t>(fortnight);
}
constexpr std::size_t IndexOf(Bird bird) {
    return static_cast<std::size_t>(bird);
}
constexpr std::size_t IndexOf(Activity activity) {
    return static_cast<std::size_t>(activity);
}
constexpr std::size_t IndexOf(DayHalf half) {
    return static_cast<std::size_t>(half);
}

} // namespace velmora
