#include "texts/look_ups.h"

#include <cstddef>
#include <optional>

#include "ephemeris/star_names.h"
#include "panchang/panchang.h"
#include "texts/paragraphs.h"

namespace velmora {

namespace {

// Positions in BirdNames; the position is also the bird's picture.
constexpr int kVulture = 0;
constexpr int kOwl = 1;
constexpr int kCrow = 2;
constexpr int kCock = 3;
constexpr int kPeacock = 4;

struct StarBirds {
    int Bright;
    int Dark;
};

// Bird of each star, at the positions of StarNames.
constexpr std::array<StarBirds, kStarCount> kStarBirds = {{
    {kVulture, kPeacock}, // Ashwini
    {kVulture, kPeacock}, // Bharani
    {kVulture, kPeacock}, // Krittika
    {kVulture, kPeacock}, // Rohini
    {kVulture, kPeacock}, // Mrigasira
    {kOwl, kCock},        // Ardra
    {kOwl, kCock},        // Punarvasu
    {kOwl, kCock},        // Pushya
    {kOwl, kCock},        // Ashlesha
    {kOwl, kCock},        // Magha
    {kOwl, kCock},        // Poorva Phalguni
    {kCrow, kCrow},       // Uttara Phalguni
    {kCrow, kCrow},       // Hasta
    {kCrow, kCrow},       // Chitra
    {kCrow, kCrow},       // Swati
    {kCrow, kCrow},       // Vishakha
    {kCock, kOwl},        // Anuradha
    {kCock, kOwl},        // Jyeshtha
    {kCock, kOwl},        // Moola
    {kCock, kOwl},        // Purva Ashadha
    {kCock, kOwl},        // Uttara Ashadha
    {kPeacock, kVulture}, // Shravana
    {kPeacock, kVulture}, // Dhanistha
    {kPeacock, kVulture}, // Shatabhisha
    {kPeacock, kVulture}, // Poorva Bhadrapada
    {kPeacock, kVulture}, // Uttara Bhadrapada
    {kPeacock, kVulture}, // Revati
}};

struct BirdDays {
    std::string_view RulingDay;
    std::string_view RulingNight;
    std::string_view Death;
};

// Days of each bird, at the positions of BirdNames. The bright and dark lists
// spell two-day entries differently; they are shown exactly as written.
constexpr std::array<BirdDays, BirdNames.size()> kBrightDays = {{
    {"Sunday , Tuesday", "Friday", "Thursday , Saturday"}, // Vulture
    {"Monday , Wednesday", "Saturday", "Sunday , Friday"}, // Owl
    {"Thursday", "Sunday , Tuesday", "Monday"},            // Crow
    {"Friday", "Monday , Wednesday", "Tuesday"},           // Cock
    {"Saturday", "Thursday", "Wednesday"},                 // Peacock
}};
constexpr std::array<BirdDays, BirdNames.size()> kDarkDays = {{
    {"Friday", "Sunday, Tuesday", "Tuesday"},                      // Vulture
    {"Thursday", "Wednesday", "Monday"},                           // Owl
    {"Wednesday", "Thursday", "Sunday"},                           // Crow
    {"Sunday, Tuesday", "Monday, Saturday", "Thursday, Saturday"}, // Cock
    {"Monday, Saturday", "Friday", "Wednesday, Friday"},           // Peacock
}};

// Exact, case-sensitive match of the whole key; the empty entry 27 is never
// compared, so an empty name finds nothing.
std::optional<std::size_t> FindStar(std::string_view starName) {
    for (std::size_t i = 0; i < kStarCount; ++i) {
        if (StarNames[i] == starName) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

void LookupNakshatraInformation(const std::string& starName, ReadingResults& results) {
    const auto star = FindStar(starName);
    if (!star) {
        return;
    }
    results.StarDescription = StarDescriptionTable[*star];
    results.PakshiDescription = PakshiDescriptionTable[*star];
}

void ComputePanchPakshi(ReadingResults& results) {
    const auto star = FindStar(results.StarName);
    if (!star) {
        return;
    }
    const bool bright = results.PakshaName == kShuklaPaksha;
    const int bird = bright ? kStarBirds[*star].Bright : kStarBirds[*star].Dark;
    const BirdDays& days = bright ? kBrightDays[bird] : kDarkDays[bird];
    results.RulingBird = BirdNames[bird];
    results.RulingDaysDay = days.RulingDay;
    results.RulingDaysNight = days.RulingNight;
    results.DeathDays = days.Death;
    results.BirdPicture = bird;
}

} // namespace velmora
