#include "cli/csv_writer.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(CsvOutput, QuotesOnlyWhereNeeded) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "plain"},
        {"", ""},
        {" spaced ", " spaced "},
        {"Sunday, Tuesday", "\"Sunday, Tuesday\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"carriage\r", "\"carriage\r\""},
    };
    for (const auto& [field, want] : cases) {
        std::string got;
        AppendCsvField(got, field);
        EXPECT_EQ(got, want) << "field " << field;
    }
}

TEST(CsvOutput, NumbersReadBackExactly) {
    const double values[] = {0.0,
                             -0.0,
                             0.1,
                             1.0 / 3.0,
                             -22.966275504182306,
                             2451545.0,
                             359.99999999999994,
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::max()};
    for (const double value : values) {
        std::string text;
        AppendShortestNumber(text, value);
        double back = 1.0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(error, std::errc()) << text;
        EXPECT_EQ(end, text.data() + text.size()) << text;
        EXPECT_EQ(std::signbit(back), std::signbit(value)) << text;
        EXPECT_EQ(back, value) << text;
    }
}

} // namespace
} // namespace velmora
