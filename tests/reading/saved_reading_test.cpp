#include <gtest/gtest.h>

#include "reading/reading_session.h"
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

// The file decision every front end makes. The lines are those of the worked
// example's hand-written file (data/pushya_krishna_1947.tam), byte by byte.
TEST(SavedReadingFile, BytesThatAreNoTextAreAForeignFile) {
    const std::string pushya = "\x67\x8c\x8a\x7f\x90\x78";
    const std::string krishna = "\x62\x89\x80\x8a\x7f\x85\x78\x37\x67\x78\x82\x8a\x7f\x78";
    const std::string golden = pushya + "\r\n" + krishna + "\r\n";
    using Outcome = ReadingSession::ReopenOutcome;
    struct Case {
        const char* what;
        std::string bytes;
        Outcome want;
    };
    const Case cases[] = {
        {"the worked example", golden, Outcome::Shown},
        {"LF and CR line ends", pushya + "\n" + krishna + "\r", Outcome::Shown},
        {"the empty reading", "\r\n\r\n", Outcome::Shown},
        {"an empty file", "", Outcome::Shown},
        {"1000 NUL bytes", std::string(1000, '\0'), Outcome::NotAReading},
        {"NUL bytes up to the read limit", std::string(kSavedReadingReadLimit, '\0'), Outcome::NotAReading},
        {"one NUL byte", std::string(1, '\0'), Outcome::NotAReading},
        {"NUL bytes after the lines", golden + std::string(4, '\0'), Outcome::NotAReading},
        {"a TAB in the star line", pushya + "\t\r\n" + krishna + "\r\n", Outcome::NotAReading},
        {"the highest code no text has", "\x16\r\n" + krishna + "\r\n", Outcome::NotAReading},
        {"the empty reading and a bell", "\r\n\r\n\x07", Outcome::NotAReading},
        // Beyond the bytes that are read nothing counts.
        {"NUL bytes past the read limit",
         pushya + "\r\n" + krishna + "\r\n" + std::string(kSavedReadingReadLimit, 'x') + std::string(9, '\0'),
         Outcome::Shown},
    };
    for (const Case& c : cases) {
        ReadingSession session;
        EXPECT_EQ(session.ReopenSavedFile(c.bytes), c.want) << c.what;
        EXPECT_EQ(session.Results().asRead.has_value(), c.want == Outcome::Shown) << c.what;
    }
}

// Text that names no reading is refused by the same call: a known star with a
// fortnight line of "Skk", and one line as long as the bytes that are read.
TEST(SavedReadingFile, TextThatNamesNoReadingIsRefused) {
    ReadingSession session;
    EXPECT_EQ(session.ReopenSavedFile("\x67\x8c\x8a\x7f\x90\x78\r\n\x6a\x82\x82\r\n"),
              ReadingSession::ReopenOutcome::NotAReading);
    EXPECT_EQ(session.ReopenSavedFile(std::string(kSavedReadingReadLimit, '\x78')),
              ReadingSession::ReopenOutcome::NotAReading);
    EXPECT_FALSE(session.Results().asRead.has_value());
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
