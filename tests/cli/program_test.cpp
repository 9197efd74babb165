// The built velmora-cli, run as a user runs it.
#include <algorithm>
#include <charconv>
#include <random>
#include <sstream>
#include <tuple>

#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/csv_reader.h"
#include "cli/reading_output.h"
#include "reading/reading_session.h"
#include "reading/saved_reading.h"
#include "run_program.h"
#include "support/example_births.h"

namespace velmora {
namespace {

using ::testing::HasSubstr;
using testing::ReadFile;
using testing::RunCli;
using ::testing::StartsWith;
using testing::TempFolder;

const std::vector<std::string> kExampleReading = {"reading", "--name",     "Asha",   "--date", "1947-08-15",
                                                  "--time",  "00:00",      "--zone", "5:30",   "--longitude",
                                                  "77:12E",  "--latitude", "28:36N"};

constexpr std::string_view kHeader =
    "name,year,month,day,hour,minute,zone_hour,zone_minute,dst,longitude_deg,"
    "longitude_min,longitude_side,latitude_deg,latitude_min,latitude_side";

std::vector<std::string> With(std::vector<std::string> arguments, const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// The example with one option's value replaced.
std::vector<std::string> ExampleWith(const std::string& option, const std::string& value) {
    std::vector<std::string> arguments = kExampleReading;
    const auto found = std::find(arguments.begin(), arguments.end(), option);
    if (found == arguments.end()) {
        arguments.insert(arguments.end(), {option, value});
    } else {
        *(found + 1) = value;
    }
    return arguments;
}

// The example computed here, through the same core calls the window makes.
ReadingSession ExampleSession() {
    const BirthFormFields fields = testing::Delhi1947Form();
    ReadingSession session;
    EXPECT_EQ(session.Calculate(fields), std::nullopt);
    return session;
}

// The lines a reading shows, as owned texts.
struct WantedReading {
    std::string star, fortnight, bird, rulingDaysDay, rulingDaysNight, deathDays;
    std::string starDescription, pakshiDescription;
};

WantedReading WantedOf(const ReadingResults& results) {
    const LocalizedReading shown = Localize(results, Language::English);
    const ReadingLines& lines = shown.lines;
    return {std::string(lines.star),
            std::string(lines.fortnight),
            std::string(lines.bird),
            std::string(lines.rulingDaysDay),
            std::string(lines.rulingDaysNight),
            std::string(lines.deathDays),
            std::string(shown.texts.description),
            std::string(shown.texts.pakshiDescription)};
}

std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
    std::istringstream stream(text);
    CsvReader reader(stream);
    CsvRecord record;
    std::vector<std::vector<std::string>> rows;
    while (reader.Next(record) == CsvResult::Record) {
        rows.push_back(record.fields);
    }
    return rows;
}

TEST(Reading, ExampleAsText) {
    const auto run = RunCli(kExampleReading);
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
    const auto run = RunCli(With(kExampleReading, {"--json", "--full"}));
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
    const auto separate =
        RunCli({"reading", "--name", "Asha", "--date", "1947-08-15", "--time", "00:00", "--zone-hour=-5",
                "--zone-minute", "30.4", "--longitude", "77:12E", "--latitude", "28:36N"});
    EXPECT_EQ(separate.exitCode, 0) << separate.err;
    EXPECT_EQ(separate.out, RunCli(kExampleReading).out);
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
        const auto run = RunCli(ExampleWith(option, value));
        EXPECT_EQ(run.exitCode, 1) << want;
        EXPECT_EQ(run.err, want);
        EXPECT_EQ(run.out, "");
    }
}

TEST(Reading, SaveThenOpenGivesTheSameReading) {
    const TempFolder folder;
    const auto path = (folder.Path() / "asha.tam").string();
    const auto saved = RunCli(With(kExampleReading, {"--save", path}));
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    const ReadingSession example = ExampleSession();
    const WantedReading want = WantedOf(example.Results());
    EXPECT_EQ(ReadFile(path), EncodeSavedReading(example.Results()));

    const auto opened = RunCli({"open", path});
    EXPECT_EQ(opened.exitCode, 0);
    EXPECT_EQ(opened.out, saved.out);

    // Saving again replaces the file and leaves no temporary file behind.
    ASSERT_EQ(RunCli(With(kExampleReading, {"--save", path})).exitCode, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(Reading, FailedSaveSaysWhyAndKeepsWhatWasThere) {
    const TempFolder folder;
    const auto missingFolder = (folder.Path() / "missing" / "asha.tam").string();
    const auto run = RunCli(With(kExampleReading, {"--save", missingFolder}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "velmora-cli: cannot save " + missingFolder + ": No such file or directory\n");

    // A folder in the way of the file: the rename fails and the folder stays as it was.
    const auto blocked = folder.Path() / "blocked.tam";
    std::filesystem::create_directory(blocked);
    folder.Write("blocked.tam/inside", "kept");
    const auto blockedRun = RunCli(With(kExampleReading, {"--save", blocked.string()}));
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

    const auto text = RunCli({"open", path.string()});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_THAT(text.out, StartsWith("Star:                Rohini\nFortnight:           Shukla Paksha\n"
                                     "Ruling bird:         " +
                                     WantedOf(want.Results()).bird + "\n"));

    const auto json = nlohmann::json::parse(RunCli({"open", "--json", path.string()}).out);
    EXPECT_EQ(json.at("star"), "Rohini");
    EXPECT_EQ(json.at("death_days"), WantedOf(want.Results()).deathDays);
}

TEST(Open, RefusesWhatTheWindowRefuses) {
    const TempFolder folder;
    const auto upperCase = folder.Write("saved.TAM", EncodeSavedReading("Rohini", "Shukla Paksha"));
    const auto refused = RunCli({"open", upperCase.string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "velmora-cli: " + upperCase.string() + ": Please Check The File.\n");

    const auto missing = (folder.Path() / "missing.tam").string();
    const auto notThere = RunCli({"open", missing});
    EXPECT_EQ(notThere.exitCode, 1);
    EXPECT_EQ(notThere.err, "velmora-cli: cannot open " + missing + ": No such file or directory\n");
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
            const auto run = RunCli({"open", json, c.path});
            EXPECT_EQ(run.exitCode, c.exitCode) << c.path;
            EXPECT_EQ(run.err, c.err);
            EXPECT_EQ((run.out + run.err).find('\x1b'), std::string::npos) << c.path;
        }
    }
}

TEST(Batch, GoodAndBadRows) {
    const std::string input = std::string(kHeader) +
                              "\n"
                              "Asha,1947,8,15,0,0,5,30,0,77,12,E,28,36,N\n"                  // 2
                              "No Zone,1947,8,15,0,0,,30,0,77,12,E,28,36,N\n"                // 3
                              "Feb,1999,2,30,0,0,5,30,0,77,12,E,28,36,N\n"                   // 4
                              "\"Doe, \"\"Jo\"\"\",2000,1,1,12,0,5,30,1,77,12,E,28,36,N\r\n" // 5
                              "Short,2000,1,1\n"                                             // 6
                              "Old,1900,1,1,12,0,5,30,0,77,12,E,28,36,N\n"                   // 7
                              "Dst,2000,1,1,12,0,5,30,2,77,12,E,28,36,N\n"                   // 8
                              "Side,2000,1,1,12,0,5,30,0,77,12,X,28,36,N\n"                  // 9
                              "Letters,2000,1,1,12,0,5,30,0,77,12,E,2x,36,N\n"               // 10
                              "\"Broken,2000,1,1,12,0,5,30,0,77,12,E,28,36,N\n"              // 11
                              "Last,2010,6,30,23,59,4,0,0,0,5,W,51,30,N\n";                  // 12
    const TempFolder folder;
    const auto path = folder.Write("births.csv", input);
    const auto run = RunCli({"batch", path.string()});

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "line 3: zone_hour: Please Enter Hour of the Time Zone\n"
                       "line 4: day: Please Enter Correct Date Or Month!\n"
                       "line 6: expected 15 fields, found 4\n"
                       "line 7: year: expected a year from 1901 to 2050, got \"1900\"\n"
                       "line 8: dst: expected 0 or 1, got \"2\"\n"
                       "line 9: longitude_side: expected E or W, got \"X\"\n"
                       "line 10: latitude_deg: \"2x\" is not a number\n"
                       "line 11: malformed quoted field\n");
    const auto rows = ParseCsv(run.out);
    ASSERT_EQ(rows.size(), 4u) << run.out;
    EXPECT_THAT(run.out, StartsWith(std::string(kHeader) +
                                    ",star,paksha,bird,ruling_days_day,ruling_days_night,death_days\n"));
    EXPECT_EQ(rows[1][0], "Asha");
    EXPECT_EQ(rows[1][15], "Pushya");
    EXPECT_EQ(rows[2][0], "Doe, \"Jo\"");
    EXPECT_EQ(rows[3][0], "Last");
    for (const auto& row : rows) {
        EXPECT_EQ(row.size(), 21u);
    }
    // Same result from standard input.
    const auto piped = RunCli({"batch"}, input);
    EXPECT_EQ(piped.out, run.out);
    EXPECT_EQ(piped.exitCode, 1);
}

TEST(Batch, UnreadableInputSaysWhy) {
    const TempFolder folder;
    const auto missing = (folder.Path() / "missing.csv").string();
    const auto notThere = RunCli({"batch", missing});
    EXPECT_EQ(notThere.exitCode, 1);
    EXPECT_EQ(notThere.err, "velmora-cli: cannot open " + missing + ": No such file or directory\n");
    EXPECT_EQ(notThere.out, "");

    const auto folderRun = RunCli({"batch", folder.Path().string()});
    EXPECT_EQ(folderRun.exitCode, 1);
    EXPECT_EQ(folderRun.err, "velmora-cli: cannot read " + folder.Path().string() + ": Is a directory\n");
}

TEST(Batch, AllGoodExitsZero) {
    const auto run =
        RunCli({"batch", "-"}, std::string(kHeader) + "\nAsha,1947,8,15,0,0,5,30,0,77,12,E,28,36,N\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ParseCsv(run.out).size(), 2u);
}

double ParseDouble(const std::string& text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << text;
    return value;
}

TEST(Batch, DetailsEqualTheCoreBitForBit) {
    // A spread of rows over the form's whole range, including texts the form converts.
    std::mt19937 random(1947);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const char* const zoneHours[] = {"5", "-5", "+3", " 4 ", "5.5", "4.5", "0", "11", "9.75"};
    const char* const zoneMinutes[] = {"0", "30", "45", "-30", "15.5"};
    std::string input = std::string(kHeader) + "\n";
    std::vector<BirthFormFields> want;
    for (int i = 0; i < 300; ++i) {
        BirthFormFields fields;
        fields.name = "Person " + std::to_string(i);
        fields.year = pick(1901, 2050);
        fields.monthIndex = pick(0, 11);
        fields.dayIndex = pick(0, 27);
        fields.hour = pick(0, 23);
        fields.minute = pick(0, 59);
        fields.zoneHour = zoneHours[pick(0, 8)];
        fields.zoneMinute = zoneMinutes[pick(0, 4)];
        fields.daylightSaving = pick(0, 1) == 1;
        fields.longitudeDegrees = std::to_string(pick(0, 179));
        fields.longitudeMinutes = std::to_string(pick(0, 59));
        fields.longitudeEast = pick(0, 1) == 1;
        fields.latitudeDegrees = std::to_string(pick(0, 89));
        fields.latitudeMinutes = std::to_string(pick(0, 59));
        fields.latitudeSouth = pick(0, 1) == 1;
        want.push_back(fields);
        input += fields.name + "," + std::to_string(fields.year) + "," +
                 std::to_string(fields.monthIndex + 1) + "," + std::to_string(fields.dayIndex + 1) + "," +
                 std::to_string(fields.hour) + "," + std::to_string(fields.minute) + "," + fields.zoneHour +
                 "," + fields.zoneMinute + "," + (fields.daylightSaving ? "1" : "0") + "," +
                 fields.longitudeDegrees + "," + fields.longitudeMinutes + "," +
                 (fields.longitudeEast ? "E" : "W") + "," + fields.latitudeDegrees + "," +
                 fields.latitudeMinutes + "," + (fields.latitudeSouth ? "S" : "N") + "\n";
    }
    const auto run = RunCli({"batch", "--details"}, input);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto rows = ParseCsv(run.out);
    ASSERT_EQ(rows.size(), want.size() + 1);
    EXPECT_EQ(rows[0].size(), 30u);

    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 2));
        ReadingSession session;
        ASSERT_EQ(session.Calculate(want[i]), std::nullopt);
        const WantedReading results = WantedOf(session.Results());
        const std::vector<std::string>& got = rows[i + 1];
        ASSERT_EQ(got.size(), 30u);
        EXPECT_EQ(got[0], want[i].name);
        EXPECT_EQ(got[15], results.star);
        EXPECT_EQ(got[16], results.fortnight);
        EXPECT_EQ(got[17], results.bird);
        EXPECT_EQ(got[18], results.rulingDaysDay);
        EXPECT_EQ(got[19], results.rulingDaysNight);
        EXPECT_EQ(got[20], results.deathDays);
        // EXPECT_EQ on doubles: the printed text must read back to the identical value.
        EXPECT_EQ(ParseDouble(got[21]), session.Moment().universalHoursUT);
        EXPECT_EQ(ParseDouble(got[22]), session.Moment().julianCenturiesUT);
        EXPECT_EQ(ParseDouble(got[23]), session.BirthStar().moonTropicalDeg);
        EXPECT_EQ(ParseDouble(got[24]), session.BirthStar().ayanamsaDeg);
        EXPECT_EQ(ParseDouble(got[25]), session.BirthStar().moonSiderealDeg);
        ASSERT_TRUE(session.BirthStar().star.has_value());
        EXPECT_EQ(got[26], std::to_string(IndexOf(*session.BirthStar().star)));
        EXPECT_EQ(ParseDouble(got[27]), session.Panchang().momentJulianDateTT);
        EXPECT_EQ(ParseDouble(got[28]), session.Panchang().moonLongitudeDeg);
        EXPECT_EQ(ParseDouble(got[29]), session.Panchang().sunLongitudeDeg);
    }
}

TEST(Batch, RowsAreIndependent) {
    // A refused row between two equal rows changes nothing in the second.
    const std::string row = "Asha,1947,8,15,0,0,5,30,0,77,12,E,28,36,N\n";
    const auto run = RunCli({"batch", "--details"}, std::string(kHeader) + "\n" + row +
                                                        "Other,1990,3,3,3,3,9,0,1,10,0,W,10,0,S\n" +
                                                        "Bad,1947,8,15,0,0,x,30,0,77,12,E,28,36,N\n" + row);
    const auto rows = ParseCsv(run.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1], rows[3]);
}

TEST(Output, WriteFailureIsNotSuccess) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    const TempFolder folder;
    const auto saved = folder.Write("saved.tam", EncodeSavedReading("Rohini", "Shukla Paksha"));
    const std::string batchInput = std::string(kHeader) + "\nAsha,1947,8,15,0,0,5,30,0,77,12,E,28,36,N\n";
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
