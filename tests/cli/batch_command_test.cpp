#include "cli/batch_command.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

namespace velmora {
namespace {

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

} // namespace
} // namespace velmora
