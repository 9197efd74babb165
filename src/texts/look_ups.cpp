#include "texts/look_ups.h"

#include <array>
#include <chrono>

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

using std::chrono::Friday;
using std::chrono::Monday;
using std::chrono::Saturday;
using std::chrono::Sunday;
using std::chrono::Thursday;
using std::chrono::Tuesday;
using std::chrono::Wednesday;

struct BirdDays {
    WeekdaySet rulingDay;
    WeekdaySet rulingNight;
    WeekdaySet death;
};

// Days of each bird, in bird order.
constexpr auto kBrightDays = std::to_array<BirdDays>({
    {{Sunday, Tuesday}, {Friday}, {Thursday, Saturday}}, // Vulture
    {{Monday, Wednesday}, {Saturday}, {Sunday, Friday}}, // Owl
    {{Thursday}, {Sunday, Tuesday}, {Monday}},           // Crow
    {{Friday}, {Monday, Wednesday}, {Tuesday}},          // Cock
    {{Saturday}, {Thursday}, {Wednesday}},               // Peacock
});
static_assert(kBrightDays.size() == kBirdCount);
constexpr auto kDarkDays = std::to_array<BirdDays>({
    {{Friday}, {Sunday, Tuesday}, {Tuesday}},                      // Vulture
    {{Thursday}, {Wednesday}, {Monday}},                           // Owl
    {{Wednesday}, {Thursday}, {Sunday}},                           // Crow
    {{Sunday, Tuesday}, {Monday, Saturday}, {Thursday, Saturday}}, // Cock
    {{Monday, Saturday}, {Friday}, {Wednesday, Friday}},           // Peacock
});
static_assert(kDarkDays.size() == kBirdCount);

} // namespace

RulingBird BirdWithDays(Bird bird, Fortnight fortnight) {
    const BirdDays& days = (fortnight == Fortnight::Bright ? kBrightDays : kDarkDays)[IndexOf(bird)];
    return {bird, days.rulingDay, days.rulingNight, days.death};
}

RulingBird LookUpRulingBird(Star star, Fortnight fortnight) {
    const StarBirds& birds = kStarBirds[IndexOf(star)];
    return BirdWithDays(fortnight == Fortnight::Bright ? birds.bright : birds.dark, fortnight);
}

} // namespace velmora
