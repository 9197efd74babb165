#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>

#include "texts/localized.h"
#include "texts/names.h"
#include "texts/paragraphs.h"

namespace velmora {
namespace {

struct StarProse {
    const char* Key;
    const char* ProseName;
    const char* Ordinal;
    const char* Bird;
};

// How each star is named and counted in its paragraphs; the prose names differ
// from the keys in eleven rows.
constexpr std::array<StarProse, 27> kStarProse = {{
    {"Ashwini", "Ashwini", "first", "Vulture"},
    {"Bharani", "Bharani", "second", "Vulture"},
    {"Krittika", "Krittika", "third", "Vulture"},
    {"Rohini", "Rohini", "fourth", "Vulture"},
    {"Mrigasira", "Mrigasira", "fifth", "Vulture"},
    {"Ardra", "Ardra", "sixth", "Owl"},
    {"Punarvasu", "Punarvasu", "seventh", "Owl"},
    {"Pushya", "Pushya", "eighth", "Owl"},
    {"Ashlesha", "Aslesha", "ninth", "Owl"},
    {"Magha", "Magha", "tenth", "Owl"},
    {"Poorva Phalguni", "Poorvaphalguni", "eleventh", "Owl"},
    {"Uttara Phalguni", "Uttarphalguni", "twelfth", "Crow"},
    {"Hasta", "Hasta", "thirteenth", "Crow"},
    {"Chitra", "Chitra", "fourteenth", "Crow"},
    {"Swati", "Swati", "fifteenth", "Crow"},
    {"Vishakha", "Vishakha", "sixteenth", "Crow"},
    {"Anuradha", "Anuradha", "seventeenth", "Cock"},
    {"Jyeshtha", "Jyeshta", "eighteenth", "Cock"},
    {"Moola", "Moola", "nineteenth", "Cock"},
    {"Purva Ashadha", "Poorvashada", "twentieth", "Cock"},
    {"Uttara Ashadha", "Uttarashada", "twenty first", "Cock"},
    {"Shravana", "Sravana", "twenty second", "Peacock"},
    {"Dhanistha", "Dhanishtha", "twenty third", "Peacock"},
    {"Shatabhisha", "Satabisha", "twenty-fourth", "Peacock"},
    {"Poorva Bhadrapada", "Poorvabhadra", "twenty-fifth", "Peacock"},
    {"Uttara Bhadrapada", "Uttarabhadra", "twenty-sixth", "Peacock"},
    {"Revati", "Revati", "twenty-seventh", "Peacock"},
}};

constexpr std::string_view kEightBlanks = "        ";

// Labels show the texts as they stand: printable ASCII on one line.
bool IsPlainOneLineAscii(std::string_view text) {
    for (const char c : text) {
        if (c < 0x20 || c > 0x7e) {
            return false;
        }
    }
    return true;
}

class ParagraphsOfStar : public testing::TestWithParam<int> {};

TEST_P(ParagraphsOfStar, LookUpGivesParagraphsWithRequiredOpenings) {
    const StarProse& star = kStarProse[GetParam()];
    const auto id = FindStar(star.Key);
    ASSERT_TRUE(id.has_value()) << star.Key;
    const StarTexts texts = StarParagraphs(*id, Fortnight::Bright, Language::English);

    const std::string description(texts.description);
    EXPECT_TRUE(description.starts_with(std::string(kEightBlanks) + star.ProseName + " is the " +
                                        star.Ordinal + " Nakshatra of the zodiac"))
        << description;
    EXPECT_GE(description.size(), 280u);
    EXPECT_LE(description.size(), 491u);
    EXPECT_TRUE(IsPlainOneLineAscii(description));

    const std::string pakshi(texts.pakshiDescription);
    EXPECT_TRUE(pakshi.starts_with(std::string(kEightBlanks) + "As per Panch-Pakshi Shastra, the bird of " +
                                   star.ProseName + " is " + star.Bird + "."))
        << pakshi;
    EXPECT_GE(pakshi.size(), 487u);
    EXPECT_LE(pakshi.size(), 824u);
    EXPECT_TRUE(IsPlainOneLineAscii(pakshi));
    EXPECT_NE(pakshi.find("you"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(AllStars, ParagraphsOfStar, testing::Range(0, 27), [](const auto& info) {
    std::string name = kStarProse[info.param].Key;
    std::erase(name, ' ');
    return name;
});

TEST(Paragraphs, FirstStarOpensWithAWholeSentence) {
    EXPECT_TRUE(
        StarDescriptionTable[0].starts_with("        Ashwini is the first Nakshatra of the zodiac. "));
}

// Each star has its own text after the opening, not one text with the names swapped.
TEST(Paragraphs, EveryStarHasItsOwnProse) {
    for (const auto* table : {&StarDescriptionTable, &PakshiDescriptionTable}) {
        std::set<std::string_view> bodies;
        for (const std::string_view paragraph : *table) {
            const std::size_t afterOpening = paragraph.find(". ");
            ASSERT_NE(afterOpening, std::string_view::npos) << paragraph;
            bodies.insert(paragraph.substr(afterOpening + 2, 60));
        }
        EXPECT_EQ(bodies.size(), 27u);
    }
}

TEST(Paragraphs, FixedParagraphsOpenAndEndAsRequired) {
    struct Case {
        const char* Name;
        std::string_view Text;
        std::string_view Opening;
        std::string_view Ending;
        std::size_t ApproximateLength;
    };
    const Case cases[] = {
        {"introduction", kEnglishTexts.introduction,
         "Tamil Astrology Or Panch-Pakshi Shastra is one of the most ancient forms of Indian astrology", ".",
         570},
        {"nakshatra", kEnglishTexts.nakshatraExplanation,
         "        According to Vedic astrology, each of the 12 zodiacs is divided into 27 parts of 13 "
         "degrees "
         "and 20 minutes. ",
         ".", 715},
        {"ruling days", kEnglishTexts.rulingDaysExplanation,
         "        As per the Panch Pakshi Shastra, it is believed that the five birds - the Vulture, Cock, "
         "Peacock, Owl and the Crow, rule certain days of the week. ",
         " However, the ruling days are different for day and night.", 430},
        {"death days", kEnglishTexts.deathDaysExplanation,
         "        Death days the days on which your bird is the least powerful. ",
         " Unlike the ruling days, the death days of a bird are same for day as well as night.", 450},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_TRUE(c.Text.starts_with(c.Opening));
        EXPECT_TRUE(c.Text.ends_with(c.Ending));
        EXPECT_TRUE(IsPlainOneLineAscii(c.Text));
        EXPECT_NEAR(static_cast<double>(c.Text.size()), static_cast<double>(c.ApproximateLength),
                    c.ApproximateLength * 0.05);
    }
    EXPECT_FALSE(kEnglishTexts.introduction.starts_with(" "));
    EXPECT_NE(kEnglishTexts.introduction.find("five elements"), std::string_view::npos);
}

} // namespace
} // namespace velmora
