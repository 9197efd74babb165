#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "example_arguments.h"
#include "in_process.h"

namespace velmora {
namespace {

using testing::kBatchHeader;
using testing::RunInProcess;

// 1947-08-15 at 20:05 in Delhi: Ashlesha begins at 20:08.
const std::vector<std::string> kNearAStarEdge = {"reading", "--name",     "Asha",   "--date",   "1947-08-15",
                                                 "--time",  "20:05",      "--zone", "5:30",     "--longitude",
                                                 "77:12E",  "--latitude", "28:36N", "--margins"};

TEST(Margins, ReadingAsJson) {
    std::vector<std::string> arguments = kNearAStarEdge;
    arguments.emplace_back("--json");
    const auto run = RunInProcess(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["star"], "Pushya");
    EXPECT_EQ(json["star_minutes_before"], 1268);
    EXPECT_EQ(json["star_minutes_after"], 3);
    EXPECT_TRUE(json["paksha_minutes_before"].is_null());
    EXPECT_EQ(json["paksha_minutes_after"], 1167);
    EXPECT_TRUE(json["reading_before"].is_null());
    EXPECT_EQ(json["reading_after"],
              nlohmann::json::parse(
                  R"({"minutes": 3, "star": "Ashlesha", "paksha": "Krishna Paksha", "bird": "Cock"})"));
}

TEST(Margins, ReadingAsText) {
    const auto run = RunInProcess(kNearAStarEdge);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("star_minutes_after: 3\n"), std::string::npos);
    EXPECT_NE(run.out.find("paksha_minutes_before: none within 24 hours\n"), std::string::npos);
    EXPECT_NE(run.out.find("A birth time 3 minutes later gives Ashlesha, still with the Cock.\n"),
              std::string::npos);
}

TEST(Margins, BatchAppendsFourColumns) {
    const std::string input = std::string(kBatchHeader) + "\nAsha,1947,8,15,20,5,5,30,0,77,12,E,28,36,N\n";
    const auto run = RunInProcess({"batch", "--margins"}, input);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(",death_days,star_minutes_before,star_minutes_after,paksha_minutes_before,"
                           "paksha_minutes_after\n"),
              std::string::npos);
    EXPECT_NE(run.out.find(",1268,3,,1167\n"), std::string::npos);
}

} // namespace
} // namespace velmora
