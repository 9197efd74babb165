#pragma once

#include <array>
#include <string_view>

namespace velmora {

// The 27 birth stars in zodiac order from sidereal longitude 0; entry 27 stays
// empty and is never selected. The exact spelling is the key of every look-up.
inline constexpr std::array<std::string_view, 28> StarNames = {
    "Ashwini",           // 0
    "Bharani",           //
    "Krittika",          //
    "Rohini",            //
    "Mrigasira",         //
    "Ardra",             // 5
    "Punarvasu",         //
    "Pushya",            //
    "Ashlesha",          //
    "Magha",             //
    "Poorva Phalguni",   // 10
    "Uttara Phalguni",   //
    "Hasta",             //
    "Chitra",            //
    "Swati",             //
    "Vishakha",          // 15
    "Anuradha",          //
    "Jyeshtha",          //
    "Moola",             //
    "Purva Ashadha",     //
    "Uttara Ashadha",    // 20
    "Shravana",          //
    "Dhanistha",         //
    "Shatabhisha",       //
    "Poorva Bhadrapada", //
    "Uttara Bhadrapada", // 25
    "Revati",            //
    "",                  // 27: never selected
};

inline constexpr int kStarCount = 27;

} // namespace velmora
