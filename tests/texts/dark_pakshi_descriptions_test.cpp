#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>

#include "texts/paragraphs.h"

namespace velmora {
namespace {

struct DarkBirdOfStar {
    const char* ProseName;
    const char* Bird;
};

// The star's name as its paragraphs write it, and its bird in the dark fortnight.
constexpr std::array<DarkBirdOfStar, 27> kDarkBirds = {{
    {"Ashwini", "Peacock"},
    {"Bharani", "Peacock"},
    {"Krittika", "Peacock"},
    {"Rohini", "Peacock"},
    {"Mrigasira", "Peacock"},
    {"Ardra", "Cock"},
    {"Punarvasu", "Cock"},
    {"Pushya", "Cock"},
    {"Aslesha", "Cock"},
    {"Magha", "Cock"},
    {"Poorvaphalguni", "Cock"},
    {"Uttarphalguni", "Crow"},
    {"Hasta", "Crow"},
    {"Chitra", "Crow"},
    {"Swati", "Crow"},
    {"Vishakha", "Crow"},
    {"Anuradha", "Owl"},
    {"Jyeshta", "Owl"},
    {"Moola", "Owl"},
    {"Poorvashada", "Owl"},
    {"Uttarashada", "Owl"},
    {"Sravana", "Vulture"},
    {"Dhanishtha", "Vulture"},
    {"Satabisha", "Vulture"},
    {"Poorvabhadra", "Vulture"},
    {"Uttarabhadra", "Vulture"},
    {"Revati", "Vulture"},
}};

TEST(DarkFortnightParagraphs, EachNamesItsStarsDarkBirdInTheRequiredForm) {
    for (int star = 0; star < 27; ++star) {
        const DarkBirdOfStar& row = kDarkBirds[star];
        SCOPED_TRACE(row.ProseName);
        const std::string_view text = DarkPakshiDescriptionTable[static_cast<std::size_t>(star)];
        EXPECT_TRUE(text.starts_with(std::string("        As per Panch-Pakshi Shastra, in the dark fortnight "
                                                 "the bird of ") +
                                     row.ProseName + " is " + row.Bird + ". "))
            << text;
        EXPECT_NE(text[8], ' ');
        EXPECT_GE(text.size(), 487u);
        EXPECT_LE(text.size(), 824u);
        for (const char c : text) {
            ASSERT_TRUE(c >= 0x20 && c <= 0x7e) << "not plain one-line ASCII";
        }
        // The Crow is the one bird that stays the same; its readers must learn that.
        if (std::string_view(row.Bird) == "Crow") {
            EXPECT_NE(text.find("both fortnights"), std::string_view::npos);
        }
    }
}

TEST(DarkFortnightParagraphs, AllBrightAndDarkParagraphsDiffer) {
    std::set<std::string_view> paragraphs(PakshiDescriptionTable.begin(), PakshiDescriptionTable.end());
    paragraphs.insert(DarkPakshiDescriptionTable.begin(), DarkPakshiDescriptionTable.end());
    EXPECT_EQ(paragraphs.size(), 54u);
}

} // namespace
} // namespace velmora
