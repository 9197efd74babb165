#pragma once

// Tamil names shown in place of the English ones; every table follows the
// order of its English counterpart, and the terms are those of
// docs/tamil-glossary.md. The English names stay the keys of every look-up
// and of the saved files.

#include <array>
#include <string_view>

namespace velmora::tamil {

// At the positions of velmora::kStarNames (Ashwini first, Revati last).
inline constexpr auto StarNames = std::to_array<std::string_view>({
    "அசுவினி",    // Ashwini
    "பரணி",       // Bharani
    "கார்த்திகை",   // Krittika
    "ரோகிணி",     // Rohini
    "மிருகசீரிடம்", // Mrigasira
    "திருவாதிரை", // Ardra
    "புனர்பூசம்",   // Punarvasu
    "பூசம்",       // Pushya
    "ஆயில்யம்",     // Ashlesha
    "மகம்",        // Magha
    "பூரம்",       // Poorva Phalguni
    "உத்திரம்",     // Uttara Phalguni
    "அஸ்தம்",       // Hasta
    "சித்திரை",    // Chitra
    "சுவாதி",     // Swati
    "விசாகம்",     // Vishakha
    "அனுஷம்",      // Anuradha
    "கேட்டை",      // Jyeshtha
    "மூலம்",       // Moola
    "பூராடம்",     // Purva Ashadha
    "உத்திராடம்",   // Uttara Ashadha
    "திருவோணம்",   // Shravana
    "அவிட்டம்",     // Dhanistha
    "சதயம்",       // Shatabhisha
    "பூரட்டாதி",   // Poorva Bhadrapada
    "உத்திரட்டாதி", // Uttara Bhadrapada
    "ரேவதி",      // Revati
});
static_assert(StarNames.size() == 27);

// At the positions of velmora::kBirdNames.
inline constexpr auto BirdNames = std::to_array<std::string_view>({
    "வல்லூறு", // Vulture
    "ஆந்தை",   // Owl
    "காகம்",   // Crow
    "கோழி",   // Cock
    "மயில்",   // Peacock
});
static_assert(BirdNames.size() == 5);

inline constexpr std::string_view kBrightFortnight = "வளர்பிறை"; // Shukla Paksha
inline constexpr std::string_view kDarkFortnight = "தேய்பிறை";   // Krishna Paksha
inline constexpr auto FortnightNames = std::to_array<std::string_view>({kBrightFortnight, kDarkFortnight});
static_assert(FortnightNames.size() == 2);

// Sunday first, as std::chrono::weekday counts.
inline constexpr auto WeekdayNames = std::to_array<std::string_view>({
    "ஞாயிறு", // Sunday
    "திங்கள்",  // Monday
    "செவ்வாய்", // Tuesday
    "புதன்",   // Wednesday
    "வியாழன்", // Thursday
    "வெள்ளி",  // Friday
    "சனி",    // Saturday
});
static_assert(WeekdayNames.size() == 7);

// The five activities a bird passes through in each part of the day.
inline constexpr auto ActivityNames = std::to_array<std::string_view>({
    "அரசு",  // Ruling
    "ஊண்",    // Eating
    "நடை",   // Walking
    "துயில்", // Sleeping
    "சாவு",  // Dying
});
static_assert(ActivityNames.size() == 5);

// The first letter of each activity's name, with its vowel sign.
inline constexpr auto ActivityLetters = std::to_array<std::string_view>({
    "அ",  // Ruling
    "ஊ",  // Eating
    "ந",  // Walking
    "து", // Sleeping
    "சா", // Dying
});
static_assert(ActivityLetters.size() == 5);

} // namespace velmora::tamil
