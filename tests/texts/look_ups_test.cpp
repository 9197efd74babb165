#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "texts/localized.h"
#include "texts/look_ups.h"
#include "texts/names.h"
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

// A day list as the English reading writes it.
std::string Days(WeekdaySet days, Fortnight fortnight) {
    return DayListText(days, fortnight, Language::English);
}

// The bird of a star given by name in a fortnight given by name, as a saved file gives them.
RulingBird Compute(std::string_view star, std::string_view fortnight) {
    const auto id = FindStar(star);
    if (!id) {
        throw std::invalid_argument(std::string(star));
    }
    return LookUpRulingBird(*id, FortnightFromName(fortnight));
}

class PanchPakshiOfStar : public testing::TestWithParam<int> {};

// Every star in both fortnights: bird, its three day lists and its picture.
TEST_P(PanchPakshiOfStar, SelectsBirdAndDaysForBothFortnights) {
    const StarBirdsRow& star = kExpectedStarBirds[GetParam()];

    const RulingBird bright = Compute(star.Key, "Shukla Paksha");
    const BirdDaysRow& brightDays = ExpectedDays(star.BrightBird);
    EXPECT_EQ(BirdName(bright.bird), star.BrightBird);
    EXPECT_EQ(Days(bright.rulingDaysDay, Fortnight::Bright), brightDays.BrightDay);
    EXPECT_EQ(Days(bright.rulingDaysNight, Fortnight::Bright), brightDays.BrightNight);
    EXPECT_EQ(Days(bright.deathDays, Fortnight::Bright), brightDays.BrightDeath);
    EXPECT_EQ(static_cast<int>(bright.bird), brightDays.Picture);

    const RulingBird dark = Compute(star.Key, "Krishna Paksha");
    const BirdDaysRow& darkDays = ExpectedDays(star.DarkBird);
    EXPECT_EQ(BirdName(dark.bird), star.DarkBird);
    EXPECT_EQ(Days(dark.rulingDaysDay, Fortnight::Dark), darkDays.DarkDay);
    EXPECT_EQ(Days(dark.rulingDaysNight, Fortnight::Dark), darkDays.DarkNight);
    EXPECT_EQ(Days(dark.deathDays, Fortnight::Dark), darkDays.DarkDeath);
    EXPECT_EQ(static_cast<int>(dark.bird), darkDays.Picture);
}

INSTANTIATE_TEST_SUITE_P(AllStars, PanchPakshiOfStar, testing::Range(0, 27), [](const auto& info) {
    std::string name = kExpectedStarBirds[info.param].Key;
    std::erase(name, ' ');
    return name;
});

TEST(PanchPakshi, ArdraInBothFortnights) {
    const RulingBird bright = Compute("Ardra", "Shukla Paksha");
    EXPECT_EQ(BirdName(bright.bird), "Owl");
    EXPECT_EQ(Days(bright.rulingDaysDay, Fortnight::Bright), "Monday , Wednesday");
    EXPECT_EQ(Days(bright.rulingDaysNight, Fortnight::Bright), "Saturday");
    EXPECT_EQ(Days(bright.deathDays, Fortnight::Bright), "Sunday , Friday");

    const RulingBird dark = Compute("Ardra", "Krishna Paksha");
    EXPECT_EQ(BirdName(dark.bird), "Cock");
    EXPECT_EQ(Days(dark.rulingDaysDay, Fortnight::Dark), "Sunday, Tuesday");
    EXPECT_EQ(Days(dark.rulingDaysNight, Fortnight::Dark), "Monday, Saturday");
    EXPECT_EQ(Days(dark.deathDays, Fortnight::Dark), "Thursday, Saturday");
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
        EXPECT_EQ(BirdName(Compute("Ardra", c.Paksha).bird), c.Bird);
        const std::string_view explanation =
            kEnglishTexts.fortnightExplanations[IndexOf(FortnightFromName(c.Paksha))];
        EXPECT_TRUE(explanation.starts_with(std::string_view(c.Bird) == "Owl" ? "Also known as the bright"
                                                                              : "Also known as the dark"));
    }
}

TEST(StarNames, OnlyTheExactNameIsFound) {
    for (const StarBirdsRow& row : kExpectedStarBirds) {
        const auto star = FindStar(row.Key);
        ASSERT_TRUE(star.has_value()) << row.Key;
        EXPECT_EQ(StarName(*star), row.Key);
    }
    for (const char* name : {"", "ashwini", " Ashwini", "Ashwini ", "ASHWINI", "Jyeshta", "Aslesha",
                             "Poorva  Phalguni", "Krishna Paksha"}) {
        EXPECT_FALSE(FindStar(name).has_value()) << '"' << name << '"';
    }
}

TEST(LookUps, KeyFindsItsOwnParagraphs) {
    const StarTexts texts = StarParagraphs(Star::Jyeshtha, Fortnight::Bright, Language::English);
    EXPECT_EQ(texts.description.rfind("        Jyeshta is the eighteenth Nakshatra of the zodiac", 0), 0u);
    EXPECT_EQ(
        texts.pakshiDescription.rfind("        As per Panch-Pakshi Shastra, the bird of Jyeshta is Cock.", 0),
        0u);
}

// The bird paragraph's first sentence names the bird the reading shows, in
// both fortnights; the bright paragraphs are the star's own, unchanged.
TEST(LookUps, BirdParagraphNamesTheBirdShown) {
    struct Group {
        int first, last;
        std::string_view bright, dark;
    };
    const Group groups[] = {{0, 4, "Vulture", "Peacock"},
                            {5, 10, "Owl", "Cock"},
                            {11, 15, "Crow", "Crow"},
                            {16, 20, "Cock", "Owl"},
                            {21, 26, "Peacock", "Vulture"}};
    for (const Group& group : groups) {
        for (int i = group.first; i <= group.last; ++i) {
            for (const Fortnight fortnight : {Fortnight::Bright, Fortnight::Dark}) {
                const auto star = static_cast<Star>(i);
                const bool bright = fortnight == Fortnight::Bright;
                const std::string_view bird = bright ? group.bright : group.dark;
                const std::string_view paragraph =
                    StarParagraphs(star, fortnight, Language::English).pakshiDescription;
                const std::string_view first = paragraph.substr(0, paragraph.find(". "));
                SCOPED_TRACE(std::string(StarName(star)) + (bright ? " bright" : " dark"));
                EXPECT_EQ(BirdName(LookUpRulingBird(star, fortnight).bird), bird);
                EXPECT_TRUE(first.ends_with(" is " + std::string(bird))) << first;
                EXPECT_EQ(first.find("in the dark fortnight") != std::string_view::npos, !bright) << first;
                if (bright) {
                    EXPECT_EQ(paragraph, PakshiDescriptionTable[static_cast<std::size_t>(i)]);
                }
            }
        }
    }
}

} // namespace
} // namespace velmora
