#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "texts/look_ups.h"
#include "texts/paragraphs.h"

namespace velmora {
namespace {

struct StarBirdsRow {
    const char* Key;
    const char* BrightBird;
    const char* DarkBird;
};

// Typed from the teaching's table, not from the program's arrays.
constexpr std::array<StarBirdsRow, 27> kExpectedStarBirds = {{
    {"Ashwini", "Vulture", "Peacock"},
    {"Bharani", "Vulture", "Peacock"},
    {"Krittika", "Vulture", "Peacock"},
    {"Rohini", "Vulture", "Peacock"},
    {"Mrigasira", "Vulture", "Peacock"},
    {"Ardra", "Owl", "Cock"},
    {"Punarvasu", "Owl", "Cock"},
    {"Pushya", "Owl", "Cock"},
    {"Ashlesha", "Owl", "Cock"},
    {"Magha", "Owl", "Cock"},
    {"Poorva Phalguni", "Owl", "Cock"},
    {"Uttara Phalguni", "Crow", "Crow"},
    {"Hasta", "Crow", "Crow"},
    {"Chitra", "Crow", "Crow"},
    {"Swati", "Crow", "Crow"},
    {"Vishakha", "Crow", "Crow"},
    {"Anuradha", "Cock", "Owl"},
    {"Jyeshtha", "Cock", "Owl"},
    {"Moola", "Cock", "Owl"},
    {"Purva Ashadha", "Cock", "Owl"},
    {"Uttara Ashadha", "Cock", "Owl"},
    {"Shravana", "Peacock", "Vulture"},
    {"Dhanistha", "Peacock", "Vulture"},
    {"Shatabhisha", "Peacock", "Vulture"},
    {"Poorva Bhadrapada", "Peacock", "Vulture"},
    {"Uttara Bhadrapada", "Peacock", "Vulture"},
    {"Revati", "Peacock", "Vulture"},
}};

struct BirdDaysRow {
    const char* Bird;
    int Picture;
    const char* BrightDay;
    const char* BrightNight;
    const char* BrightDeath;
    const char* DarkDay;
    const char* DarkNight;
    const char* DarkDeath;
};

constexpr std::array<BirdDaysRow, 5> kExpectedBirdDays = {{
    {"Vulture", 0, "Sunday , Tuesday", "Friday", "Thursday , Saturday", "Friday", "Sunday, Tuesday",
     "Tuesday"},
    {"Owl", 1, "Monday , Wednesday", "Saturday", "Sunday , Friday", "Thursday", "Wednesday", "Monday"},
    {"Crow", 2, "Thursday", "Sunday , Tuesday", "Monday", "Wednesday", "Thursday", "Sunday"},
    {"Cock", 3, "Friday", "Monday , Wednesday", "Tuesday", "Sunday, Tuesday", "Monday, Saturday",
     "Thursday, Saturday"},
    {"Peacock", 4, "Saturday", "Thursday", "Wednesday", "Monday, Saturday", "Friday", "Wednesday, Friday"},
}};

const BirdDaysRow& ExpectedDays(std::string_view bird) {
    for (const auto& row : kExpectedBirdDays) {
        if (bird == row.Bird) {
            return row;
        }
    }
    throw std::invalid_argument(std::string(bird));
}

ReadingResults Compute(std::string star, std::string paksha) {
    ReadingResults results;
    results.StarName = std::move(star);
    results.PakshaName = std::move(paksha);
    ComputePanchPakshi(results);
    return results;
}

void ExpectSame(const ReadingResults& actual, const ReadingResults& expected) {
    EXPECT_EQ(actual.StarDescription, expected.StarDescription);
    EXPECT_EQ(actual.PakshiDescription, expected.PakshiDescription);
    EXPECT_EQ(actual.RulingBird, expected.RulingBird);
    EXPECT_EQ(actual.RulingDaysDay, expected.RulingDaysDay);
    EXPECT_EQ(actual.RulingDaysNight, expected.RulingDaysNight);
    EXPECT_EQ(actual.DeathDays, expected.DeathDays);
    EXPECT_EQ(actual.BirdPicture, expected.BirdPicture);
}

class PanchPakshiOfStar : public testing::TestWithParam<int> {};

// Every star in both fortnights: bird, its three day lists and its picture.
TEST_P(PanchPakshiOfStar, SelectsBirdAndDaysForBothFortnights) {
    const StarBirdsRow& star = kExpectedStarBirds[GetParam()];

    const ReadingResults bright = Compute(star.Key, "Shukla Paksha");
    const BirdDaysRow& brightDays = ExpectedDays(star.BrightBird);
    EXPECT_EQ(bright.RulingBird, star.BrightBird);
    EXPECT_EQ(bright.RulingDaysDay, brightDays.BrightDay);
    EXPECT_EQ(bright.RulingDaysNight, brightDays.BrightNight);
    EXPECT_EQ(bright.DeathDays, brightDays.BrightDeath);
    EXPECT_EQ(bright.BirdPicture, brightDays.Picture);

    const ReadingResults dark = Compute(star.Key, "Krishna Paksha");
    const BirdDaysRow& darkDays = ExpectedDays(star.DarkBird);
    EXPECT_EQ(dark.RulingBird, star.DarkBird);
    EXPECT_EQ(dark.RulingDaysDay, darkDays.DarkDay);
    EXPECT_EQ(dark.RulingDaysNight, darkDays.DarkNight);
    EXPECT_EQ(dark.DeathDays, darkDays.DarkDeath);
    EXPECT_EQ(dark.BirdPicture, darkDays.Picture);

    // The paragraphs belong to the other look-up.
    EXPECT_TRUE(bright.StarDescription.empty());
    EXPECT_TRUE(bright.PakshiDescription.empty());
}

INSTANTIATE_TEST_SUITE_P(AllStars, PanchPakshiOfStar, testing::Range(0, 27), [](const auto& info) {
    std::string name = kExpectedStarBirds[info.param].Key;
    std::erase(name, ' ');
    return name;
});

TEST(PanchPakshi, ArdraInBothFortnights) {
    const ReadingResults bright = Compute("Ardra", "Shukla Paksha");
    EXPECT_EQ(bright.RulingBird, "Owl");
    EXPECT_EQ(bright.RulingDaysDay, "Monday , Wednesday");
    EXPECT_EQ(bright.RulingDaysNight, "Saturday");
    EXPECT_EQ(bright.DeathDays, "Sunday , Friday");
    EXPECT_EQ(bright.BirdPicture, 1);

    const ReadingResults dark = Compute("Ardra", "Krishna Paksha");
    EXPECT_EQ(dark.RulingBird, "Cock");
    EXPECT_EQ(dark.RulingDaysDay, "Sunday, Tuesday");
    EXPECT_EQ(dark.RulingDaysNight, "Monday, Saturday");
    EXPECT_EQ(dark.DeathDays, "Thursday, Saturday");
    EXPECT_EQ(dark.BirdPicture, 3);
}

// Only the exact bright name is bright; anything else, the empty text
// included, reads as the dark fortnight.
TEST(PanchPakshi, FortnightNameIsMatchedExactly) {
    struct Case {
        const char* Paksha;
        const char* Bird;
    };
    const Case cases[] = {
        {"Shukla Paksha", "Owl"},   {"Krishna Paksha", "Cock"}, {"", "Cock"},       {"shukla paksha", "Cock"},
        {"Shukla Paksha ", "Cock"}, {" Shukla Paksha", "Cock"}, {"Shukla", "Cock"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("paksha \"") + c.Paksha + "\"");
        EXPECT_EQ(Compute("Ardra", c.Paksha).RulingBird, c.Bird);
        EXPECT_EQ(FortnightExplanation(c.Paksha), std::string_view(c.Bird) == "Owl"
                                                      ? kBrightFortnightExplanation
                                                      : kDarkFortnightExplanation);
    }
}

const char* const kUnknownStarNames[] = {
    "",        "ashwini", " Ashwini",         "Ashwini ",       "ASHWINI",
    "Jyeshta", "Aslesha", "Poorva  Phalguni", "Krishna Paksha",
};

// A name that is not exactly one of the keys changes nothing, whether the
// results are fresh or hold an earlier reading.
TEST(LookUps, UnknownStarNameKeepsPreviousResults) {
    ReadingResults fresh;
    fresh.PakshaName = "Shukla Paksha";
    ReadingResults magha = fresh;
    magha.StarName = "Magha";
    LookupNakshatraInformation(magha.StarName, magha);
    ComputePanchPakshi(magha);
    ASSERT_EQ(magha.RulingBird, "Owl");
    ASSERT_FALSE(magha.StarDescription.empty());

    for (const ReadingResults& before : {fresh, magha}) {
        for (const char* name : kUnknownStarNames) {
            SCOPED_TRACE(std::string("star \"") + name + "\"");
            ReadingResults after = before;
            after.StarName = name;
            LookupNakshatraInformation(name, after);
            ComputePanchPakshi(after);
            ExpectSame(after, before);
        }
    }
}

TEST(LookUps, KeyFindsItsOwnParagraphs) {
    ReadingResults results;
    LookupNakshatraInformation("Jyeshtha", results);
    EXPECT_EQ(results.StarDescription.rfind("        Jyeshta is the eighteenth Nakshatra of the zodiac", 0),
              0u);
    EXPECT_EQ(results.PakshiDescription.rfind(
                  "        As per Panch-Pakshi Shastra, the bird of Jyeshta is Cock.", 0),
              0u);
    EXPECT_TRUE(results.RulingBird.empty());
    EXPECT_EQ(results.BirdPicture, -1);
}

// The bird paragraph always names the bright-fortnight bird, so a dark-fortnight
// reading shows a ruling bird that differs from the one in the paragraph.
TEST(LookUps, DarkArdraKeepsBrightBirdInParagraph) {
    ReadingResults results;
    results.StarName = "Ardra";
    results.PakshaName = "Krishna Paksha";
    LookupNakshatraInformation(results.StarName, results);
    ComputePanchPakshi(results);
    EXPECT_EQ(
        results.PakshiDescription.rfind("        As per Panch-Pakshi Shastra, the bird of Ardra is Owl.", 0),
        0u);
    EXPECT_EQ(results.RulingBird, "Cock");
}

} // namespace
} // namespace velmora
