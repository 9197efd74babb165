#include "texts/look_ups.h"

#include <array>
#include <string_view>

#include "texts/dark_fortnight_paragraphs.h"
#include "texts/paragraphs.h"

namespace velmora {
namespace {

struct StarBirds {
    Bird bright;
    Bird dark;
};

// Bird of each star in each fortnight, in star order.
constexpr auto kStarBirds = std::to_array<StarBirds>({
    {Bird::Vulture, Bird::Peacock}, // Ashwini
    {Bird::Vulture, Bird::Peacock}, // Bharani
    {Bird::Vulture, Bird::Peacock}, // Krittika
    {Bird::Vulture, Bird::Peacock}, // Rohini
    {Bird::Vulture, Bird::Peacock}, // Mrigasira
    {Bird::Owl, Bird::Cock},        // Ardra
    {Bird::Owl, Bird::Cock},        // Punarvasu
    {Bird::Owl, Bird::Cock},        // Pushya
    {Bird::Owl, Bird::Cock},        // Ashlesha
    {Bird::Owl, Bird::Cock},        // Magha
    {Bird::Owl, Bird::Cock},        // Poorva Phalguni
    {Bird::Crow, Bird::Crow},       // Uttara Phalguni
    {Bird::Crow, Bird::Crow},       // Hasta
    {Bird::Crow, Bird::Crow},       // Chitra
    {Bird::Crow, Bird::Crow},       // Swati
    {Bird::Crow, Bird::Crow},       // Vishakha
    {Bird::Cock, Bird::Owl},        // Anuradha
    {Bird::Cock, Bird::Owl},        // Jyeshtha
    {Bird::Cock, Bird::Owl},        // Moola
    {Bird::Cock, Bird::Owl},        // Purva Ashadha
    {Bird::Cock, Bird::Owl},        // Uttara Ashadha
    {Bird::Peacock, Bird::Vulture}, // Shravana
    {Bird::Peacock, Bird::Vulture}, // Dhanistha
    {Bird::Peacock, Bird::Vulture}, // Shatabhisha
    {Bird::Peacock, Bird::Vulture}, // Poorva Bhadrapada
    {Bird::Peacock, Bird::Vulture}, // Uttara Bhadrapada
    {Bird::Peacock, Bird::Vulture}, // Revati
});
static_assert(kStarBirds.size() == kStarCount);

struct BirdDays {
    std::string_view rulingDay;
    std::string_view rulingNight;
    std::string_view death;
};

// Days of each bird, in bird order. The bright and dark lists spell two-day
// entries differently; they are shown exactly as written.
constexpr auto kBrightDays = std::to_array<BirdDays>({
    {"Sunday , Tuesday", "Friday", "Thursday , Saturday"}, // Vulture
    {"Monday , Wednesday", "Saturday", "Sunday , Friday"}, // Owl
    {"Thursday", "Sunday , Tuesday", "Monday"},            // Crow
    {"Friday", "Monday , Wednesday", "Tuesday"},           // Cock
    {"Saturday", "Thursday", "Wednesday"},                 // Peacock
});
static_assert(kBrightDays.size() == kBirdCount);
constexpr auto kDarkDays = std::to_array<BirdDays>({
    {"Friday", "Sunday, Tuesday", "Tuesday"},                      // Vulture
    {"Thursday", "Wednesday", "Monday"},                           // Owl
    {"Wednesday", "Thursday", "Sunday"},                           // Crow
    {"Sunday, Tuesday", "Monday, Saturday", "Thursday, Saturday"}, // Cock
    {"Monday, Saturday", "Friday", "Wednesday, Friday"},           // Peacock
});
static_assert(kDarkDays.size() == kBirdCount);

} // namespace

StarTexts LookUpStarTexts(Star star, Fortnight fortnight) {
    const std::size_t index = IndexOf(star);
    return {StarDescriptionTable[index], fortnight == Fortnight::Bright
                                             ? PakshiDescriptionTable[index]
                                             : DarkFortnightBirdParagraph(static_cast<int>(index))};
}

RulingBird LookUpRulingBird(Star star, Fortnight fortnight) {
    const bool bright = fortnight == Fortnight::Bright;
    const Bird bird = bright ? kStarBirds[IndexOf(star)].bright : kStarBirds[IndexOf(star)].dark;
    const BirdDays& days = bright ? kBrightDays[IndexOf(bird)] : kDarkDays[IndexOf(bird)];
    return {bird, days.rulingDay, days.rulingNight, days.death};
}

} // namespace velmora
