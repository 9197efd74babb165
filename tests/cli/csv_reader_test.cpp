#include "cli/csv_reader.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct Read {
    CsvResult result;
    std::uint64_t line;
    std::vector<std::string> fields; // for Record only
};

struct ReaderCase {
    std::string name;
    std::string input;
    std::size_t maxRecordBytes;
    std::vector<Read> reads; // before End
};

std::vector<Read> ReadAll(const std::string& input, std::size_t maxRecordBytes) {
    std::istringstream stream(input);
    CsvReader reader(stream, maxRecordBytes);
    CsvRecord record;
    std::vector<Read> reads;
    for (CsvResult result; (result = reader.Next(record)) != CsvResult::End;) {
        reads.push_back(
            {result, record.line, result == CsvResult::Record ? record.fields : std::vector<std::string>{}});
        if (reads.size() > 100) {
            break; // a reader that never ends fails below instead of hanging
        }
    }
    return reads;
}

std::string Describe(const std::vector<Read>& reads) {
    std::string text;
    for (const Read& read : reads) {
        text += "line " + std::to_string(read.line) + ": ";
        switch (read.result) {
        case CsvResult::Record:
            for (const std::string& field : read.fields) {
                text += "[" + field + "]";
            }
            break;
        case CsvResult::Malformed:
            text += "malformed";
            break;
        case CsvResult::TooLong:
            text += "too long";
            break;
        case CsvResult::End:
            text += "end";
            break;
        }
        text += "\n";
    }
    return text;
}

void PrintTo(const ReaderCase& c, std::ostream* out) {
    *out << c.name;
}

class CsvReaderTest : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(CsvReaderTest, ReadsRecords) {
    const ReaderCase& c = GetParam();
    EXPECT_EQ(Describe(ReadAll(c.input, c.maxRecordBytes)), Describe(c.reads));
}

constexpr std::size_t kRoomy = 1024;
constexpr auto R = CsvResult::Record;
constexpr auto M = CsvResult::Malformed;
constexpr auto L = CsvResult::TooLong;

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvReaderTest,
    ::testing::Values(
        ReaderCase{"Empty", "", kRoomy, {}},
        ReaderCase{"PlainLf", "a,b\nc,d\n", kRoomy, {{R, 1, {"a", "b"}}, {R, 2, {"c", "d"}}}},
        ReaderCase{"CrLf", "a,b\r\nc,d\r\n", kRoomy, {{R, 1, {"a", "b"}}, {R, 2, {"c", "d"}}}},
        ReaderCase{"LoneCr", "a,b\rc,d", kRoomy, {{R, 1, {"a", "b"}}, {R, 2, {"c", "d"}}}},
        ReaderCase{"NoFinalLineEnd", "a\nb", kRoomy, {{R, 1, {"a"}}, {R, 2, {"b"}}}},
        ReaderCase{"EmptyFields", ",x,\n\"\"\n", kRoomy, {{R, 1, {"", "x", ""}}, {R, 2, {""}}}},
        ReaderCase{"BlankLinesSkipped", "\na\n\r\n\nb\n", kRoomy, {{R, 2, {"a"}}, {R, 5, {"b"}}}},
        ReaderCase{"SpacesKept", " a , b \n", kRoomy, {{R, 1, {" a ", " b "}}}},
        ReaderCase{"QuotedComma", "\"a,b\",c\n", kRoomy, {{R, 1, {"a,b", "c"}}}},
        ReaderCase{"EscapedQuotes", "\"say \"\"hi\"\"\",\"\"\"\"\n", kRoomy, {{R, 1, {"say \"hi\"", "\""}}}},
        ReaderCase{"LineBreaksInQuotes",
                   "\"one\ntwo\",x\n\"three\r\nfour\"\nnext\n",
                   kRoomy,
                   {{R, 1, {"one\ntwo", "x"}}, {R, 3, {"three\r\nfour"}}, {R, 5, {"next"}}}},
        ReaderCase{
            "TextAfterClosingQuote", "\"ab\"x,1\nnext,2\n", kRoomy, {{M, 1, {}}, {R, 2, {"next", "2"}}}},
        ReaderCase{"QuoteInsideUnquotedField", "ab\"c,1\nnext\n", kRoomy, {{M, 1, {}}, {R, 2, {"next"}}}},
        ReaderCase{"UnterminatedQuoteResumesNextLine",
                   "h\na,\"bc\nd,e\r\nf,g\n",
                   kRoomy,
                   {{R, 1, {"h"}}, {M, 2, {}}, {R, 3, {"d", "e"}}, {R, 4, {"f", "g"}}}},
        ReaderCase{"QuoteClosedLaterThenBadText",
                   "a,\"b\nc,\"d\"\ne\n",
                   kRoomy,
                   {{M, 1, {}}, {R, 2, {"c", "d"}}, {R, 3, {"e"}}}},
        ReaderCase{"UnterminatedQuoteOnLastLine", "a\n\"b,c", kRoomy, {{R, 1, {"a"}}, {M, 2, {}}}},
        ReaderCase{"AtTheCap", "abc,d\nx\n", 5, {{R, 1, {"abc", "d"}}, {R, 2, {"x"}}}},
        ReaderCase{"OverLongSkippedToLineEnd", "abc,de\r\nx\n", 5, {{L, 1, {}}, {R, 2, {"x"}}}},
        ReaderCase{"OverLongQuotedOnOneLine", "\"abcdefgh\"\nx\n", 5, {{L, 1, {}}, {R, 2, {"x"}}}},
        ReaderCase{
            "QuoteOpenAcrossLinesAtCap", "\"ab\ncdefghi\nx\n", 6, {{M, 1, {}}, {L, 2, {}}, {R, 3, {"x"}}}}),
    [](const ::testing::TestParamInfo<ReaderCase>& info) { return info.param.name; });

TEST(CsvReader, CrLfSplitAcrossInputChunks) {
    // The CR ends the first 64 KiB the reader takes in, the LF starts the next.
    const std::string longField(64 * 1024 - 1, 'a');
    const std::vector<Read> reads = ReadAll(longField + "\r\nb\n", 1 << 20);
    EXPECT_EQ(Describe(reads), Describe({{R, 1, {longField}}, {R, 2, {"b"}}}));
}

TEST(CsvReader, OverLongRecordCostsOnlyItself) {
    // Far beyond the cap; memory stays bounded and the next line is read normally.
    const std::string huge(5 * CsvReader::kDefaultMaxRecordBytes, 'z');
    EXPECT_EQ(Describe(ReadAll("h\n" + huge + "\nafter\n", CsvReader::kDefaultMaxRecordBytes)),
              Describe({{R, 1, {"h"}}, {L, 2, {}}, {R, 3, {"after"}}}));
}

TEST(CsvReader, UnterminatedQuoteDoesNotSwallowTheFile) {
    std::string input = "a,\"never closed\n";
    for (int row = 0; row < 5000; ++row) {
        input += "x," + std::to_string(row) + "\n";
    }
    const std::vector<Read> reads = ReadAll(input, 1024);
    // The reader caps its own output at 100 reads; the first rows are what matters.
    ASSERT_GT(reads.size(), 3u);
    EXPECT_EQ(Describe({reads[0], reads[1], reads[2]}),
              Describe({{M, 1, {}}, {R, 2, {"x", "0"}}, {R, 3, {"x", "1"}}}));
}

} // namespace
} // namespace velmora
