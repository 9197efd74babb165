#include "cli/batch_command.h"

#include <algorithm>
#include <charconv>
#include <random>
#include <sstream>
#include <string>
#include <tuple>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "example_arguments.h"
#include "in_process.h"
#include "wanted_reading.h"

namespace velmora {
namespace {

using testing::kBatchHeader;
using testing::ParseCsv;
using testing::RunInProcess;
using ::testing::StartsWith;
using testing::TempFolder;
using testing::WantedOf;
using testing::WantedReading;

TEST(RunBatch, AcceptsByteOrderMarkAndSpacedHeader) {
    std::istringstream input(
        "\xEF\xBB\xBFname, year,month,day,hour,minute,zone_hour,zone_minute,dst,"
        "longitude_deg,longitude_min,longitude_side,latitude_deg,latitude_min,latitude_side\n"
        "Asha,1947,8,15,0,0,5,30,0,77,12,E,28,36,N\n");
    std::ostringstream output;
    std::ostringstream errors;
    EXPECT_EQ(RunBatch(input, output, errors, {}), 0);
    EXPECT_EQ(errors.str(), "");
    EXPECT_NE(output.str().find("\nAsha,1947,8,15,0,0,5,30,0,77,12,E,28,36,N,Pushya,"), std::string::npos);
}

TEST(RunBatch, RefusesMissingOrWrongHeader) {
    for (const std::string text : {"", "Asha,1947,8,15,0,0,5,30,0,77,12,E,28,36,N\n", "name,year\n"}) {
        std::istringstream input(text);
        std::ostringstream output;
        std::ostringstream errors;
        EXPECT_EQ(RunBatch(input, output, errors, {}), 1) << text;
        EXPECT_EQ(output.str(), "") << text;
        EXPECT_TRUE(errors.str().starts_with("line 1: expected the header row: name,year,month,"))
            << errors.str();
    }
}

// Several chunks of rows with refusals of every kind among them: a bad year,
// a wrong field count, a quote out of place, a bad zone for the form's checks.
std::string MixedBatchInput(int rows) {
    std::string text = "name,year,month,day,hour,minute,zone_hour,zone_minute,dst,longitude_deg,"
                       "longitude_min,longitude_side,latitude_deg,latitude_min,latitude_side\n";
    for (int i = 0; i < rows; ++i) {
        const std::string n = std::to_string(i);
        switch (i % 97) {
        case 13:
            text += "P" + n + ",1800,1,1,0,0,5,30,0,77,12,E,28,36,N\n";
            break;
        case 40:
            text += "P" + n + ",1950,1,1,0,0\n";
            break;
        case 71:
            text += "\"P" + n + "\"x,1950,1,1,0,0,5,30,0,77,12,E,28,36,N\n";
            break;
        case 85:
            text += "P" + n + ",1950,1,1,0,0,x,30,0,77,12,E,28,36,N\n";
            break;
        default:
            text += "\"P, " + n + "\"," + std::to_string(1901 + i % 150) + "," + std::to_string(1 + i % 12) +
                    "," + std::to_string(1 + i % 28) + "," + std::to_string(i % 24) + "," +
                    std::to_string(i % 60) + "," + std::to_string(i % 13) + ",0," + std::to_string(i % 2) +
                    "," + std::to_string(i % 180) + ",5," + (i % 3 == 0 ? "W" : "E") + ",10,0,N\n";
        }
    }
    return text;
}

TEST(RunBatch, AnyNumberOfJobsGivesTheSameOutputAndMessages) {
    const std::string text = MixedBatchInput(5000);
    const auto run = [&](unsigned jobs) {
        std::istringstream input(text);
        std::ostringstream output;
        std::ostringstream errors;
        const int status = RunBatch(input, output, errors, {.details = true, .jobs = jobs});
        return std::tuple(status, output.str(), errors.str());
    };
    const auto [status, output, errors] = run(1);
    EXPECT_EQ(status, 1);
    // Of 5000 rows, 52 + 52 + 51 + 51 are refused (rows 13, 40, 71, 85 of every 97); line = row + 2.
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1 + 5000 - 206);
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 206);
    EXPECT_TRUE(errors.starts_with("line 15: year: ")) << errors.substr(0, 80);
    EXPECT_NE(
        errors.find("\nline 42: expected 15 fields, found 6\nline 73: malformed quoted field\nline 87: "),
        std::string::npos);
    EXPECT_TRUE(errors.ends_with("\nline 4989: expected 15 fields, found 6\n")); // the last chunk's, last
    for (const unsigned jobs : {2U, 3U, 8U}) {
        const auto [otherStatus, otherOutput, otherErrors] = run(jobs);
        EXPECT_EQ(otherStatus, status) << jobs;
        EXPECT_TRUE(otherOutput == output) << jobs; // not printed: a megabyte
        EXPECT_EQ(otherErrors, errors) << jobs;
    }
}

TEST(Batch, GoodAndBadRows) {
    const std::string input = std::string(kBatchHeader) +
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
    const auto run = RunInProcess({"batch", path.string()});

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
    EXPECT_THAT(run.out, StartsWith(std::string(kBatchHeader) +
                                    ",star,paksha,bird,ruling_days_day,ruling_days_night,death_days\n"));
    EXPECT_EQ(rows[1][0], "Asha");
    EXPECT_EQ(rows[1][15], "Pushya");
    EXPECT_EQ(rows[2][0], "Doe, \"Jo\"");
    EXPECT_EQ(rows[3][0], "Last");
    for (const auto& row : rows) {
        EXPECT_EQ(row.size(), 21u);
    }
    // Same result from standard input.
    const auto piped = RunInProcess({"batch"}, input);
    EXPECT_EQ(piped.out, run.out);
    EXPECT_EQ(piped.exitCode, 1);
}

TEST(Batch, UnreadableInputSaysWhy) {
    const TempFolder folder;
    const auto missing = (folder.Path() / "missing.csv").string();
    const auto notThere = RunInProcess({"batch", missing});
    EXPECT_EQ(notThere.exitCode, 1);
    EXPECT_EQ(notThere.err, "velmora-cli: cannot read " + missing + ": No such file or directory\n");
    EXPECT_EQ(notThere.out, "");

    const auto folderRun = RunInProcess({"batch", folder.Path().string()});
    EXPECT_EQ(folderRun.exitCode, 1);
    EXPECT_EQ(folderRun.err, "velmora-cli: cannot read " + folder.Path().string() + ": Is a directory\n");
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
    std::string input = std::string(kBatchHeader) + "\n";
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
    const auto run = RunInProcess({"batch", "--details"}, input);
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
    const auto run =
        RunInProcess({"batch", "--details"}, std::string(kBatchHeader) + "\n" + row +
                                                 "Other,1990,3,3,3,3,9,0,1,10,0,W,10,0,S\n" +
                                                 "Bad,1947,8,15,0,0,x,30,0,77,12,E,28,36,N\n" + row);
    const auto rows = ParseCsv(run.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1], rows[3]);
}

} // namespace
} // namespace velmora
