// velmora-cli reading and open, in process.
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "example_arguments.h"
#include "in_process.h"
#include "reading/saved_reading.h"
#include "wanted_reading.h"

namespace velmora {
namespace {

using testing::ExampleSession;
using testing::ExampleWith;
using testing::kExampleReading;
using testing::ReadFile;
using testing::RunInProcess;
using ::testing::StartsWith;
using testing::TempFolder;
using testing::WantedOf;
using testing::WantedReading;
using testing::With;

TEST(Reading, ExampleAsText) {
    const auto run = RunInProcess(kExampleReading);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    const ReadingSession example = ExampleSession();
    const WantedReading want = WantedOf(example.Results());
    EXPECT_EQ(run.out, "Star:                Pushya\n"
                       "Fortnight:           " +
                           want.fortnight +
                           "\n"
                           "Ruling bird:         " +
                           want.bird +
                           "\n"
                           "Ruling days (day):   " +
                           want.rulingDaysDay +
                           "\n"
                           "Ruling days (night): " +
                           want.rulingDaysNight +
                           "\n"
                           "Death days:          " +
                           want.deathDays + "\n");
}

TEST(Reading, ExampleAsJsonWithParagraphs) {
    const auto run = RunInProcess(With(kExampleReading, {"--json", "--full"}));
    EXPECT_EQ(run.exitCode, 0);
    const auto json = nlohmann::json::parse(run.out);
    const ReadingSession example = ExampleSession();
    const WantedReading want = WantedOf(example.Results());
    EXPECT_EQ(json.at("star"), "Pushya");
    EXPECT_EQ(json.at("paksha"), want.fortnight);
    EXPECT_EQ(json.at("bird"), want.bird);
    EXPECT_EQ(json.at("ruling_days_day"), want.rulingDaysDay);
    EXPECT_EQ(json.at("ruling_days_night"), want.rulingDaysNight);
    EXPECT_EQ(json.at("death_days"), want.deathDays);
    EXPECT_EQ(json.at("star_description"), want.starDescription);
    EXPECT_EQ(json.at("pakshi_description"), want.pakshiDescription);
    EXPECT_EQ(json.size(), 8u);
}

TEST(Reading, ZoneInTwoFieldsAsTypedInTheForm) {
    // "-5" and "30.4" convert as the window converts them: sign dropped, rounded.
    const auto separate = RunInProcess({"reading", "--name", "Asha", "--date", "1947-08-15", "--time",
                                        "00:00", "--zone-hour=-5", "--zone-minute", "30.4", "--longitude",
                                        "77:12E", "--latitude", "28:36N"});
    EXPECT_EQ(separate.exitCode, 0) << separate.err;
    EXPECT_EQ(separate.out, RunInProcess(kExampleReading).out);
}

TEST(Reading, RefusedValuesInTheWindowsWords) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"--date", "1947-02-30", "velmora-cli: --date: Please Enter Correct Date Or Month!\n"},
        {"--date", "1900-01-01", "velmora-cli: --date: expected a year from 1901 to 2050, got \"1900\"\n"},
        // A typed field the form refuses is named by the whole value given.
        {"--zone", "ab:30", "velmora-cli: --zone: \"ab:30\" is not a number\n"},
        {"--zone", "+14:30", "velmora-cli: --zone: \"+14:30\" is out of range (-12:00 to +14:00)\n"},
        {"--zone", "14:01", "velmora-cli: --zone: \"14:01\" is out of range (-12:00 to +14:00)\n"},
        {"--zone", "5:75", "velmora-cli: --zone: \"5:75\" is out of range (0 to 59)\n"},
        {"--latitude", "91:00N",
         "velmora-cli: --latitude: \"91:00N\" is out of range (0 to 90 degrees, 90 only with 0 minutes)\n"},
        {"--longitude", "77:6xE", "velmora-cli: --longitude: \"77:6xE\" is not a number\n"},
        {"--time", "24:00", "velmora-cli: --time: expected an hour from 0 to 23, got \"24\"\n"},
        {"--name", " ", "velmora-cli: --name: Please Enter Name\n"},
        {"--latitude", "28:36E", "velmora-cli: --latitude: expected N or S, got \"E\"\n"},
    };
    for (const auto& [option, value, want] : cases) {
        const auto run = RunInProcess(ExampleWith(option, value));
        EXPECT_EQ(run.exitCode, 1) << want;
        EXPECT_EQ(run.err, want);
        EXPECT_EQ(run.out, "");
    }
}

TEST(Reading, SaveThenOpenGivesTheSameReading) {
    const TempFolder folder;
    const auto path = (folder.Path() / "asha.tam").string();
    const auto saved = RunInProcess(With(kExampleReading, {"--save", path}));
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    const ReadingSession example = ExampleSession();
    const WantedReading want = WantedOf(example.Results());
    EXPECT_EQ(ReadFile(path), EncodeSavedReading(example.Results()));

    const auto opened = RunInProcess({"open", path});
    EXPECT_EQ(opened.exitCode, 0);
    EXPECT_EQ(opened.out, saved.out);

    // Saving again replaces the file and leaves no temporary file behind.
    ASSERT_EQ(RunInProcess(With(kExampleReading, {"--save", path})).exitCode, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(Reading, FailedSaveSaysWhyAndKeepsWhatWasThere) {
    const TempFolder folder;
    const auto missingFolder = (folder.Path() / "missing" / "asha.tam").string();
    const auto run = RunInProcess(With(kExampleReading, {"--save", missingFolder}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "velmora-cli: cannot save " + missingFolder + ": No such file or directory\n");

    // A folder in the way of the file: the rename fails and the folder stays as it was.
    const auto blocked = folder.Path() / "blocked.tam";
    std::filesystem::create_directory(blocked);
    folder.Write("blocked.tam/inside", "kept");
    const auto blockedRun = RunInProcess(With(kExampleReading, {"--save", blocked.string()}));
    EXPECT_EQ(blockedRun.exitCode, 1);
    EXPECT_THAT(blockedRun.err, StartsWith("velmora-cli: cannot save " + blocked.string() + ": "));
    EXPECT_EQ(ReadFile(blocked / "inside"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "the temporary file is removed";
}

TEST(Open, FileWrittenByTheCodec) {
    const TempFolder folder;
    const auto path = folder.Write("saved.tam", EncodeSavedReading("Rohini", "Shukla Paksha"));
    ReadingSession want;
    want.Reopen({"Rohini", "Shukla Paksha"});

    const auto text = RunInProcess({"open", path.string()});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_THAT(text.out, StartsWith("Star:                Rohini\nFortnight:           Shukla Paksha\n"
                                     "Ruling bird:         " +
                                     WantedOf(want.Results()).bird + "\n"));

    const auto json = nlohmann::json::parse(RunInProcess({"open", "--json", path.string()}).out);
    EXPECT_EQ(json.at("star"), "Rohini");
    EXPECT_EQ(json.at("death_days"), WantedOf(want.Results()).deathDays);
}

TEST(Open, RefusesWhatTheWindowRefuses) {
    const TempFolder folder;
    const auto upperCase = folder.Write("saved.TAM", EncodeSavedReading("Rohini", "Shukla Paksha"));
    const auto refused = RunInProcess({"open", upperCase.string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "velmora-cli: " + upperCase.string() + ": Please Check The File.\n");

    const auto missing = (folder.Path() / "missing.tam").string();
    const auto notThere = RunInProcess({"open", missing});
    EXPECT_EQ(notThere.exitCode, 1);
    EXPECT_EQ(notThere.err, "velmora-cli: cannot read " + missing + ": No such file or directory\n");
}

// What is not a saved reading is refused, without waiting on it and without a
// control character reaching the terminal; the empty reading still opens.
TEST(Open, WhatIsNoReadingIsRefused) {
    const TempFolder folder;
    const auto odd = folder.Write("odd.tam", std::string("\xff\x01\x80zz\r\n\"\\\r\n", 11));
    const auto escapes =
        folder.Write("esc.tam", EncodeSavedReading("\x1b]0;owned\x07\x1b[2J", "Shukla Paksha"));
    const auto pipe = folder.Path() / "pipe.tam";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto empty = folder.Write("empty.tam", "\r\n\r\n");
    const auto zeros = folder.Write("zeros.tam", std::string(1000, '\0'));
    struct Case {
        std::string path;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {odd.string(), 1, "velmora-cli: " + odd.string() + " is not a Velmora reading.\n"},
        {escapes.string(), 1, "velmora-cli: " + escapes.string() + " is not a Velmora reading.\n"},
        {pipe.string(), 1, "velmora-cli: cannot read " + pipe.string() + ": not a regular file\n"},
        {zeros.string(), 1, "velmora-cli: " + zeros.string() + " is not a Velmora reading.\n"},
        {empty.string(), 0, ""},
    };
    for (const Case& c : cases) {
        for (const char* json : {"--json", "--full"}) {
            const auto run = RunInProcess({"open", json, c.path});
            EXPECT_EQ(run.exitCode, c.exitCode) << c.path;
            EXPECT_EQ(run.err, c.err);
            EXPECT_EQ((run.out + run.err).find('\x1b'), std::string::npos) << c.path;
        }
    }
}

} // namespace
} // namespace velmora
