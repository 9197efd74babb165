#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "reading/reading_session.h"
#include "reading/saved_reading.h"
#include "texts/localized.h"
#include "texts/reading_lines.h"

#include "support/example_births.h"

namespace velmora {
namespace {

// The hand-written file of the worked example (see data/README.md).
std::string GoldenFile() {
    std::ifstream file(VELMORA_TEST_DATA_DIR "/pushya_krishna_1947.tam", std::ios::binary);
    EXPECT_TRUE(file.good());
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(GoldenSavedReading, OpensAsTheWorkedExample) {
    const std::string bytes = GoldenFile();
    ASSERT_EQ(bytes.size(), 24u);
    ReadingSession session;
    ASSERT_EQ(session.ReopenSavedFile(bytes), ReadingSession::ReopenOutcome::Shown);
    const ReadingResults& r = session.Results();
    EXPECT_EQ(ShownStarLine(r), "Pushya");
    EXPECT_EQ(ShownFortnightLine(r), "Krishna Paksha");
    EXPECT_EQ(r.star, Star::Pushya);
    EXPECT_EQ(r.fortnight, Fortnight::Dark);
    EXPECT_EQ(Localize(r, Language::English).lines.bird, "Cock");
}

TEST(GoldenSavedReading, SavingTheWorkedExampleWritesTheSameBytes) {
    ReadingSession session;
    ASSERT_FALSE(session.Calculate(testing::Delhi1947Form()).has_value());
    EXPECT_EQ(EncodeSavedReading(session.Results()), GoldenFile());
}

} // namespace
} // namespace velmora
