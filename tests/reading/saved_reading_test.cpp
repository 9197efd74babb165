#include <gtest/gtest.h>

#include "reading/saved_reading.h"
#include "reading/saved_reading_name.h"
#include "texts/names.h"

namespace velmora {
namespace {

TEST(ReadingCodec, ShiftKeepsOrderAndLengthAndRoundTrips) {
    std::vector<std::string_view> names(kStarNames.begin(), kStarNames.end());
    names.push_back(kShuklaPaksha);
    names.push_back(kKrishnaPaksha);
    for (const std::string_view name : names) {
        const std::string encoded = EncodeReadingText(name);
        ASSERT_EQ(encoded.size(), name.size()) << name;
        for (std::size_t i = 0; i < name.size(); ++i) {
            EXPECT_EQ(static_cast<unsigned char>(encoded[i]),
                      static_cast<unsigned char>(name[i]) + ReadingShift);
            EXPECT_GE(static_cast<unsigned char>(encoded[i]), 1);
        }
        EXPECT_EQ(DecodeReadingText(encoded), name);
    }
}

TEST(ReadingCodec, CodesPushedOutOfTheByteRangeAreLeftOut) {
    const std::string high = {'A', static_cast<char>(250), 'B'};
    EXPECT_EQ(EncodeReadingText(high),
              std::string({static_cast<char>('A' + ReadingShift), static_cast<char>('B' + ReadingShift)}));
    const std::string low = {static_cast<char>(5), 'x'};
    EXPECT_EQ(DecodeReadingText(low), std::string(1, static_cast<char>('x' - ReadingShift)));
}

TEST(SavedReading, FileLayout) {
    EXPECT_EQ(EncodeSavedReading("", ""), std::string("\r\n\r\n"));
    const std::string file = EncodeSavedReading("Revati", "Shukla Paksha");
    EXPECT_EQ(file, EncodeReadingText("Revati") + "\r\n" + EncodeReadingText("Shukla Paksha") + "\r\n");
    const SavedReadingLines back = DecodeSavedReading(file);
    EXPECT_EQ(back.starLine, "Revati");
    EXPECT_EQ(back.fortnightLine, "Shukla Paksha");
}

TEST(SavedReading, LinesAsTheyCome) {
    const std::string star = EncodeReadingText("Magha");
    const std::string paksha = EncodeReadingText("Krishna Paksha");
    struct Case {
        const char* what;
        std::string bytes;
        std::string wantStar;
        std::string wantPaksha;
    };
    const Case cases[] = {
        {"empty file", "", "", ""},
        {"one line without end", star, "Magha", ""},
        {"one line", star + "\r\n", "Magha", ""},
        {"LF endings", star + "\n" + paksha + "\n", "Magha", "Krishna Paksha"},
        {"CR endings", star + "\r" + paksha + "\r", "Magha", "Krishna Paksha"},
        {"further lines ignored", star + "\r\n" + paksha + "\r\nmore\r\n", "Magha", "Krishna Paksha"},
        {"empty first line", "\r\n" + paksha + "\r\n", "", "Krishna Paksha"},
    };
    for (const auto& c : cases) {
        const SavedReadingLines r = DecodeSavedReading(c.bytes);
        EXPECT_EQ(r.starLine, c.wantStar) << c.what;
        EXPECT_EQ(r.fortnightLine, c.wantPaksha) << c.what;
    }
}

TEST(SavedReading, OnlyTheFirstBytesAreRead) {
    std::string huge(kSavedReadingReadLimit * 4, 'a');
    huge += "\r\nsecond\r\n";
    const SavedReadingLines r = DecodeSavedReading(huge);
    EXPECT_EQ(r.starLine.size(), kSavedReadingReadLimit);
    EXPECT_EQ(r.fortnightLine, "");
}

TEST(SavedReadingName, TheOpenTestAndTheSaveName) {
    struct Case {
        const char* name;
        bool opens;
        bool savesAs;
    };
    const Case cases[] = {
        {"", true, false},
        {"ab", true, false},
        {"abc", false, false},
        {"tam", true, false},
        {".tam", true, true},
        {"asha.tam", true, true},
        {"ashatam", true, false},
        {"asha.TAM", false, false},
        {"asha.Tam", false, false},
        {"asha.tam.bak", false, false},
        {"/home/a/b.tam", true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PassesSavedReadingNameTest(c.name), c.opens) << '"' << c.name << '"';
        EXPECT_EQ(IsSavedReadingFileName(c.name), c.savesAs) << '"' << c.name << '"';
    }
    // The length counts the units of each encoding: two accented letters are
    // four bytes on the command line but two characters in a file dialog.
    EXPECT_FALSE(PassesSavedReadingNameTest(std::string_view("\xc3\xa9\xc3\xa9")));
    EXPECT_TRUE(PassesSavedReadingNameTest(std::u16string_view(u"\u00e9\u00e9")));
    EXPECT_TRUE(PassesSavedReadingNameTest(std::u16string_view(u"r\u00e9ading.tam")));
    EXPECT_FALSE(PassesSavedReadingNameTest(std::u16string_view(u"reading.TAM")));
}

} // namespace
} // namespace velmora
