// The command line in process: what reaches the terminal, and batch input in parts.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "example_arguments.h"
#include "in_process.h"

namespace velmora {
namespace {

using testing::ProgramRun;
using testing::RunInProcess;
using ::testing::StartsWith;
using testing::With;

constexpr std::string_view kSeeHelp = "Run with --help for more information.\n";

const std::vector<std::string> kChennaiSchedule = {"schedule",   "--bird",      "Owl",   "--day",
                                                   "2024-04-09", "--longitude", "80.27", "--latitude",
                                                   "13.08",      "--zone",      "+5:30"};

// Every message that echoes what was typed shows it with its control characters
// escaped and, when long, cut to its first 40 bytes.
TEST(CommandLine, MessagesEchoNoControlsAndNoLongValues) {
    const std::string zs(131000, 'z');
    const std::string qs(131000, 'q');
    std::vector<std::string> manyWords = {"open", "a.tam"};
    for (int i = 0; i < 20000; ++i) {
        manyWords.push_back("w");
    }
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string err;
    };
    const std::vector<Case> cases = {
        {With(kChennaiSchedule, {"--days", "\x1b[31mX\a"}), 2,
         "Could not convert: --days = \\x1b[31mX\\x07\n" + std::string(kSeeHelp)},
        {{"batch", "--jobs", "\x1b[31m"},
         2,
         "--jobs: expected a whole number from 1 to 1024, got \"\\x1b[31m\"\n" + std::string(kSeeHelp)},
        {{"batch", "--jobs=\x1b[1m" + zs},
         2,
         "--jobs: expected a whole number from 1 to 1024, got \"\\x1b[1m" + std::string(36, 'z') + "\"...\n" +
             std::string(kSeeHelp)},
        {{"open", "a.tam", "--lang", "\x1b]0;x\a"},
         2,
         "--lang: \\x1b]0;x\\x07 not in {en,ta}\n" + std::string(kSeeHelp)},
        {{"place", "London", "--limit",
          "\x9b"
          "2J"},
         2,
         "--limit: expected a whole number from 0 up, got \"\\x9b2J\"\n" + std::string(kSeeHelp)},
        {{"place", "London", "--limit",
          "\xc2\x9b"
          "2J"},
         2,
         "--limit: expected a whole number from 0 up, got \"\\xc2\\x9b2J\"\n" + std::string(kSeeHelp)},
        {{"open", "a.tam", "\x1b[31mextra"},
         2,
         "The following argument was not expected: \\x1b[31mextra\n" + std::string(kSeeHelp)},
        {{"batch", "--" + zs},
         2,
         "The following argument was not expected: --" + std::string(38, 'z') + "...\n" +
             std::string(kSeeHelp)},
        // A long echo is cut on a whole character: 13 three-byte letters are 39 bytes.
        {{"open", "a.tam", "ஆஆஆஆஆஆஆஆஆஆஆஆஆஆஆஆ"},
         2,
         "The following argument was not expected: ஆஆஆஆஆஆஆஆஆஆஆஆஆ...\n" + std::string(kSeeHelp)},
        {manyWords, 2,
         "The following arguments were not expected:" +
             [] {
                 std::string words;
                 while (words.size() < 400 - 42) {
                     words += " w";
                 }
                 return words;
             }() +
             "...\n" + std::string(kSeeHelp)},
        {{"place", "Zzqx\x1b[31m\a"}, 1, "velmora-cli: no place found for \"Zzqx\\x1b[31m\\x07\"\n"},
        {{"place", qs}, 1, "velmora-cli: no place found for \"" + std::string(40, 'q') + "\"...\n"},
        {{"place", "London", "--date", "\x1b[31m"},
         2,
         "velmora-cli: --date: expected YYYY-MM-DD, got \"\\x1b[31m\"\n"},
        {{"place", "London", "--time", "\x1b:00"},
         2,
         "velmora-cli: --time: expected HH:MM, got \"\\x1b:00\"\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.err.substr(0, 60));
        const ProgramRun run = RunInProcess(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "");
    }
}

constexpr std::string_view kHeader = testing::kBatchHeader;
constexpr std::string_view kResultHeader = ",star,paksha,bird,ruling_days_day,ruling_days_night,death_days\n";
constexpr std::string_view kRest = ",1947,8,15,0,0,5,30,0,77,12,E,28,36,N";

// Echoed fields keep their bytes, so that the literal text \x09 and a TAB stay
// apart; only output to a terminal shows control characters escaped.
TEST(CommandLine, BatchKeepsFieldBytesButOnATerminal) {
    struct Case {
        std::string field;   // as read, in CSV
        std::string kept;    // written to a file or pipe
        std::string escaped; // written to a terminal
    };
    const Case cases[] = {
        {"Asha\tK", "Asha\tK", "Asha\\x09K"},
        {"Asha\\x09K", "Asha\\x09K", "Asha\\x09K"},
        {"a\x1b[2Jb", "a\x1b[2Jb", "a\\x1b[2Jb"},
        {"del\x7f", "del\x7f", "del\\x7f"},
        {"\"two\nlines\x07\"", "\"two\nlines\x07\"", "\"two\nlines\\x07\""},
        {"\"Doe, \"\"Jo\"\"\"", "\"Doe, \"\"Jo\"\"\"", "\"Doe, \"\"Jo\"\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const std::string input = std::string(kHeader) + "\n" + c.field + std::string(kRest) + "\n";
        for (const bool terminal : {false, true}) {
            const ProgramRun run = RunInProcess({"batch"}, input, terminal);
            EXPECT_EQ(run.exitCode, 0) << run.err;
            const std::string rows = run.out.substr(run.out.find('\n') + 1);
            EXPECT_THAT(rows, StartsWith((terminal ? c.escaped : c.kept) + std::string(kRest) + ",Pushya,"))
                << terminal;
        }
    }
}

// Parts that each begin with the header row, joined in order, give the output
// of the whole; a part's messages say which part and line they mean.
TEST(CommandLine, BatchPartsJoinIntoTheWhole) {
    const std::string header = std::string(kHeader) + "\n";
    const std::string parts[] = {
        header + "A" + std::string(kRest) + "\nB" + std::string(kRest) + "\n",
        header + "C,1947,8,15,0,0,x,30,0,77,12,E,28,36,N\nD" + std::string(kRest) + "\n",
        header,
        header + "E,1990,2,30,0,0,5,30,0,77,12,E,28,36,N\n",
    };
    const ProgramRun whole =
        RunInProcess({"batch"}, parts[0] + parts[1].substr(header.size()) + parts[3].substr(header.size()));
    std::string joined;
    std::string errors;
    for (std::size_t i = 0; i < std::size(parts); ++i) {
        const ProgramRun part = RunInProcess({"batch", "--part", std::to_string(i + 1)}, parts[i]);
        EXPECT_EQ(part.exitCode, i == 1 || i == 3 ? 1 : 0) << i;
        joined += part.out;
        errors += part.err;
    }
    EXPECT_THAT(whole.out,
                StartsWith(header.substr(0, header.size() - 1) + std::string(kResultHeader) + "A,"));
    EXPECT_EQ(joined, whole.out);
    EXPECT_EQ(errors, "part 2, line 2: zone_hour: \"x\" is not a number\n"
                      "part 4, line 2: day: Please Enter Correct Date Or Month!\n");
    EXPECT_EQ(RunInProcess({"batch", "--part", "0"}, parts[0]).exitCode, 2);
}

} // namespace
} // namespace velmora
