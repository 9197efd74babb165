// velmora-cli schedule, run as a user runs it.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "run_program.h"

namespace velmora {
namespace {

using ::testing::HasSubstr;
using testing::RunCli;

// Vancouver on 2006-12-21: Environment Canada printed sunrise 8:05 and sunset 16:16.
const std::vector<std::string> kVancouver = {"schedule",   "--bird",      "Owl",     "--day",
                                             "2006-12-21", "--longitude", "-123.12", "--latitude",
                                             "49.28",      "--zone",      "-8:00"};

std::vector<std::string> With(std::vector<std::string> arguments, const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// Minutes after midnight of "YYYY-MM-DDTHH:MM:SS+hh:mm".
double ClockMinutes(const std::string& stamp) {
    return std::stoi(stamp.substr(11, 2)) * 60.0 + std::stoi(stamp.substr(14, 2)) +
           std::stoi(stamp.substr(17, 2)) / 60.0;
}

TEST(Schedule, JsonDayRunsFromSunriseToNextSunrise) {
    const auto run = RunCli(With(kVancouver, {"--json"}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("bird"), "Owl");
    EXPECT_EQ(json.at("day"), "2006-12-21");
    EXPECT_EQ(json.at("weekday"), "Thursday");
    EXPECT_EQ(json.at("paksha"), "Shukla Paksha"); // new moon 2006-12-20 14:01 UT
    const std::string sunrise = json.at("sunrise");
    EXPECT_THAT(sunrise, ::testing::StartsWith("2006-12-21T08:0"));
    EXPECT_THAT(sunrise, ::testing::EndsWith("-08:00"));
    EXPECT_NEAR(ClockMinutes(sunrise), 8 * 60 + 5, 1.5);
    EXPECT_NEAR(ClockMinutes(json.at("sunset")), 16 * 60 + 16, 1.5);

    const auto& periods = json.at("periods");
    ASSERT_EQ(periods.size(), 10u);
    EXPECT_EQ(periods.front().at("start"), json.at("sunrise"));
    EXPECT_EQ(periods[5].at("start"), json.at("sunset"));
    EXPECT_EQ(periods.back().at("end"), json.at("next_sunrise"));
    for (std::size_t i = 0; i < periods.size(); ++i) {
        EXPECT_EQ(periods[i].at("part"), i < 5 ? "day" : "night");
        EXPECT_EQ(periods[i].at("yama"), static_cast<int>(i % 5 + 1));
        if (i > 0) {
            EXPECT_EQ(periods[i].at("start"), periods[i - 1].at("end"));
        }
    }
}

TEST(Schedule, StarAndFortnightChooseTheBird) {
    // Ardra is an Owl star in the bright fortnight and a Cock star in the dark one.
    for (const auto& [paksha, bird] :
         {std::pair{"Shukla Paksha", "Owl"}, std::pair{"Krishna Paksha", "Cock"}}) {
        std::vector<std::string> arguments = kVancouver;
        arguments[1] = "--star";
        arguments[2] = "Ardra";
        const auto run = RunCli(With(arguments, {"--paksha", paksha, "--json"}));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(nlohmann::json::parse(run.out).at("bird"), bird);
    }
}

TEST(Schedule, SeveralDaysAsJsonArrayAndCsv) {
    const auto json = RunCli(With(kVancouver, {"--days", "3", "--json"}));
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const auto days = nlohmann::json::parse(json.out);
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days[2].at("day"), "2006-12-23");
    EXPECT_EQ(days[2].at("weekday"), "Saturday");
    EXPECT_EQ(days[0].at("next_sunrise"), days[1].at("sunrise"));

    // Friday is a death day of the Owl in the bright fortnight.
    const auto csv = RunCli(With(kVancouver, {"--days", "3", "--csv"}));
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_THAT(csv.out, ::testing::StartsWith("day,weekday,paksha,bird,"));
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 31);
    EXPECT_THAT(csv.out, HasSubstr("\n2006-12-22,Friday,Shukla Paksha,Owl,0,0,1,day,1,2006-12-22T08:0"));
}

TEST(Schedule, TextNamesTheBirdsDay) {
    // Owl, bright fortnight: Monday and Wednesday are its ruling days by day.
    const auto run = RunCli({"schedule", "--bird", "Owl", "--day", "2024-04-10", "--longitude", "80:16E",
                             "--latitude", "13:05N", "--zone", "+5:30"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("Weekday:       Wednesday\n"));
    EXPECT_THAT(run.out, HasSubstr("Fortnight:     Shukla Paksha (at sunrise)\n"));
    EXPECT_THAT(run.out, HasSubstr("Bird's day:    ruling day (day time)\n"));
    EXPECT_THAT(run.out, HasSubstr("  night 5  2024-04-11T0"));
}

TEST(Schedule, PolarDayIsSaidNotGuessed) {
    const auto run = RunCli({"schedule", "--bird", "Crow", "--day", "2025-06-21", "--longitude", "18.96",
                             "--latitude", "69.65", "--zone", "+1:00", "--dst", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("sun"), "stays_up");
    EXPECT_TRUE(json.at("sunrise").is_null());
    EXPECT_TRUE(json.at("periods").empty());
}

// The Chennai example with the options of `changes` set (an empty value drops the option).
std::vector<std::string> ChennaiWith(const std::vector<std::pair<std::string, std::string>>& changes) {
    std::vector<std::pair<std::string, std::string>> options = {{"--bird", "Owl"},
                                                                {"--day", "2024-04-10"},
                                                                {"--longitude", "80.27"},
                                                                {"--latitude", "13.08"},
                                                                {"--zone", "+5:30"}};
    for (const auto& change : changes) {
        const auto found = std::find_if(options.begin(), options.end(),
                                        [&change](const auto& pair) { return pair.first == change.first; });
        if (found == options.end()) {
            options.push_back(change);
        } else {
            found->second = change.second;
        }
    }
    std::vector<std::string> arguments = {"schedule"};
    for (const auto& [option, value] : options) {
        if (!value.empty()) {
            arguments.insert(arguments.end(), {option, value});
        }
    }
    return arguments;
}

TEST(Schedule, RefusedOptions) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> changes;
        int exitCode;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{{"--bird", "owl"}}, 1, "--bird: expected Vulture, Owl, Crow, Cock or Peacock, got \"owl\""},
        {{{"--bird", ""}, {"--star", "Ardra"}, {"--paksha", "Shukla"}}, 1, "--paksha: expected"},
        {{{"--bird", ""}, {"--star", "Pluto"}, {"--paksha", "Shukla Paksha"}},
         1,
         "--star: no star is called \"Pluto\""},
        {{{"--day", "1900-12-31"}}, 1, "--day: expected YYYY-MM-DD from 1901 to 2050"},
        {{{"--day", "2023-02-29"}}, 1, "--day: expected YYYY-MM-DD"},
        {{{"--zone", "+15:00"}}, 1, "--zone: expected a signed H:MM"},
        {{{"--zone", "5:3"}}, 1, "--zone: expected a signed H:MM"},
        {{{"--latitude", "91"}}, 1, "--latitude: expected"},
        {{{"--longitude", "80:16X"}}, 1, "--longitude: expected"},
        {{{"--longitude", "80:60E"}}, 1, "--longitude: expected"},
        {{{"--days", "0"}}, 1, "--days: expected 1 to"},
        {{{"--bird", ""}}, 2, "--star with --paksha, or --bird"},
        {{{"--star", "Ardra"}, {"--paksha", "Shukla Paksha"}}, 2, "excludes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const auto run = RunCli(ChennaiWith(c.changes));
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_THAT(run.err, HasSubstr(c.message));
        EXPECT_EQ(run.out, "");
    }
}

} // namespace
} // namespace velmora
