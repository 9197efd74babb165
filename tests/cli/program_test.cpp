// The built velmora-cli, run as a user runs it: what reaches the shell.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "example_arguments.h"
#include "reading/saved_reading.h"
#include "run_program.h"
#include "wanted_reading.h"

namespace velmora {
namespace {

using testing::ExampleWith;
using ::testing::HasSubstr;
using testing::kBatchHeader;
using testing::kExampleReading;
using testing::ParseCsv;
using testing::RunCli;
using testing::TempFolder;
using testing::With;

TEST(Batch, AllGoodExitsZero) {
    const auto run =
        RunCli({"batch", "-"}, std::string(kBatchHeader) + "\nAsha,1947,8,15,0,0,5,30,0,77,12,E,28,36,N\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ParseCsv(run.out).size(), 2u);
}

TEST(Output, WriteFailureIsNotSuccess) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    const TempFolder folder;
    const auto saved = folder.Write("saved.tam", EncodeSavedReading("Rohini", "Shukla Paksha"));
    const std::string batchInput =
        std::string(kBatchHeader) + "\nAsha,1947,8,15,0,0,5,30,0,77,12,E,28,36,N\n";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {kExampleReading, ""}, {{"open", saved.string()}, ""}, {{"batch"}, batchInput}};
    for (const auto& [arguments, input] : cases) {
        const auto run = RunCli(arguments, input, "/dev/full");
        EXPECT_EQ(run.exitCode, 1) << arguments[0];
        EXPECT_EQ(run.err, "velmora-cli: error while writing the output\n") << arguments[0];
    }
}

TEST(Usage, ErrorsExitTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"reading"},
        {"reading", "--name", "Asha"},
        With(kExampleReading, {"--bogus"}),
        With(kExampleReading, {"--zone-hour", "5", "--zone-minute", "30"}),
        ExampleWith("--date", "15/08/1947"),
        With(kExampleReading, {"--date", "1947-08-16"}),
        With(kExampleReading, {"--save", "reading.txt"}),
        {"reading", "--name", "Asha", "--date", "1947-08-15", "--time", "00:00", "--longitude", "77:12E",
         "--latitude", "28:36N"},
        {"open"},
        {"batch", "a.csv", "b.csv"},
        {"batch", "--jobs", "0"},
        {"batch", "--jobs", "two"},
    };
    for (const auto& arguments : cases) {
        const auto run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(arguments);
        EXPECT_NE(run.err, "") << ::testing::PrintToString(arguments);
        EXPECT_EQ(run.out, "") << ::testing::PrintToString(arguments);
    }
}

TEST(Usage, HelpAndVersion) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--help"}, {"reading", "--help"}, {"batch", "--help"}, {"open", "--help"}}) {
        const auto run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_THAT(run.out, HasSubstr("Usage:"));
    }
    EXPECT_THAT(RunCli({"--help"}).out, HasSubstr("velmora-cli reading --name"));
    EXPECT_THAT(RunCli({"batch", "--help"}).out, HasSubstr("longitude_side"));

    const auto version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "velmora-cli " VELMORA_VERSION "\n");
}

} // namespace
} // namespace velmora
