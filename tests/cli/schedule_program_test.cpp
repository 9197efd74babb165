// velmora-cli schedule, run as a user runs it.
#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "run_program.h"

namespace velmora {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
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
    EXPECT_THAT(csv.out, ::testing::StartsWith("day,weekday,paksha,tithi,star,bird,"));
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 1 + 3 * 50);
    // Two days after the new moon of 2006-12-20 14:01 UT; the Owl sleeps first on a bright Friday.
    EXPECT_THAT(csv.out,
                HasSubstr("\n2006-12-22,Friday,Shukla Paksha,Shukla Tritiya,Uttara Ashadha,Owl,0,0,1,day,1,"
                          "Sleeping,1,Owl,Sleeping,2006-12-22T08:0"));
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

TEST(Schedule, ClocksNearTwelveHoursKeepTheDayOnItsDate) {
    // Auckland at +12:00: the sunrise of each date on that date, the night running
    // forward to the next date's sunrise (reference times 07:31:14 and 07:31:38 on
    // 06-13 and 06-14, 06:46:28 on 04-15).
    for (const auto& [day, sunrise, nextSunrise] :
         {std::tuple{"2024-06-13", "2024-06-13T07:31", "2024-06-14T07:31"},
          std::tuple{"2024-04-15", "2024-04-15T06:46", "2024-04-16T06:47"}}) {
        SCOPED_TRACE(day);
        const auto run = RunCli({"schedule", "--bird", "Cock", "--day", day, "--longitude", "174.76",
                                 "--latitude", "-36.85", "--zone", "+12:00", "--json"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto json = nlohmann::json::parse(run.out);
        EXPECT_THAT(json.at("sunrise").get<std::string>(), ::testing::StartsWith(sunrise));
        EXPECT_THAT(json.at("next_sunrise").get<std::string>(), ::testing::StartsWith(nextSunrise));
        for (const auto& period : json.at("periods")) {
            EXPECT_LT(period.at("start").get<std::string>(), period.at("end").get<std::string>());
        }
    }
}

// Days without a whole day, in each format: what is known, and nothing else.
// Longyearbyen 2024-04-18: polar day from a sunrise at 00:14 (a Thursday, bright
// fortnight; none of the Cock's days). Nordkapp 2024-08-01: no sunrise; the day
// from the sunrise at 23:39 the evening before covers it. The South Pole on
// 2024-03-10: polar day, no sunrise.
struct PolarRow {
    std::string day;
    std::string longitude;
    std::string latitude;
    std::string text;      // lines the text shows
    std::string textLacks; // a line it must not show
    nlohmann::json json;   // keys the JSON gives
    std::string csv;       // the CSV row, up to the minutes of covered_by
};

TEST(Schedule, DaysWithoutAWholeDaySayWhatIsKnown) {
    const std::vector<PolarRow> rows = {
        {"2024-04-18",
         "15.65",
         "78.22",
         "Sun:           rises, then stays up for more than 24 hours (polar day); no periods\n"
         "Weekday:       Thursday\nFortnight:     Shukla Paksha (at sunrise)\nTithi:         Shukla Dashami "
         "(at sunrise)\nStar:          Ashlesha (at sunrise)\nSunrise:       "
         "2024-04-18T00:14",
         "Sunset:",
         {{"sun", "stays_up"},
          {"weekday", "Thursday"},
          {"paksha", "Shukla Paksha"},
          {"sunset", nullptr},
          {"covered_by", nullptr},
          {"death_day", false},
          {"periods", nlohmann::json::array()}},
         "2024-04-18,Thursday,Shukla Paksha,Shukla Dashami,Ashlesha,Cock,0,0,0,polar_day,,,,,,,,,\n"},
        {"2024-08-01",
         "25.72",
         "71.17",
         "Sun:           does not rise on this date, though not polar: no day of its own; no periods\n"
         "Covered by:    the day from the sunrise at 2024-07-31T23:39",
         "Weekday:",
         {{"sun", "no_day_of_its_own"},
          {"weekday", nullptr},
          {"paksha", nullptr},
          {"sunrise", nullptr},
          {"death_day", nullptr},
          {"periods", nlohmann::json::array()}},
         "2024-08-01,,,,,Cock,,,,no_day_of_its_own,,,,,,,,,2024-07-31T23:39"},
        {"2024-03-10",
         "0",
         "-90",
         "Sun:           stays up (polar day); no periods\n",
         "Fortnight:",
         {{"sun", "stays_up"},
          {"paksha", nullptr},
          {"sunrise", nullptr},
          {"ruling_day_by_day", nullptr},
          {"periods", nlohmann::json::array()}},
         "2024-03-10,,,,,Cock,,,,polar_day,,,,,,,,,\n"},
    };
    for (const PolarRow& row : rows) {
        SCOPED_TRACE(row.day);
        const std::vector<std::string> arguments = {"schedule",   "--bird",      "Cock",        "--day",
                                                    row.day,      "--longitude", row.longitude, "--latitude",
                                                    row.latitude, "--zone",      "+1:00"};
        const auto text = RunCli(arguments);
        ASSERT_EQ(text.exitCode, 0) << text.err;
        EXPECT_THAT(text.out, HasSubstr(row.text));
        EXPECT_THAT(text.out, Not(HasSubstr(row.textLacks)));
        EXPECT_THAT(text.out, Not(HasSubstr("Periods")));

        const auto json = RunCli(With(arguments, {"--json"}));
        ASSERT_EQ(json.exitCode, 0) << json.err;
        const auto got = nlohmann::json::parse(json.out);
        for (const auto& [key, want] : row.json.items()) {
            EXPECT_EQ(got.at(key), want) << key;
        }

        const auto csv = RunCli(With(arguments, {"--csv"}));
        ASSERT_EQ(csv.exitCode, 0) << csv.err;
        EXPECT_THAT(csv.out, HasSubstr("\n" + row.csv));
        EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 2);
    }
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
    // Values without their option's form are usage errors (2), as in `reading`;
    // well-formed ones that name no real date, zone or place are refused (1).
    const std::vector<Case> cases = {
        {{{"--bird", "owl"}}, 1, "--bird: expected Vulture, Owl, Crow, Cock or Peacock, got \"owl\""},
        {{{"--bird", ""}, {"--star", "Ardra"}, {"--paksha", "Shukla"}}, 1, "--paksha: expected"},
        {{{"--bird", ""}, {"--star", "Pluto"}, {"--paksha", "Shukla Paksha"}},
         1,
         "--star: no star is called \"Pluto\""},
        {{{"--day", "1900-12-31"}},
         1,
         "--day: expected a date from 1901-01-01 to 2050-12-31, got \"1900-12-31\""},
        {{{"--day", "2023-02-29"}}, 1, "--day: expected a date from 1901-01-01"},
        {{{"--day", "20230101"}}, 2, "--day: expected YYYY-MM-DD, got \"20230101\""},
        {{{"--day", "2023-2-28"}}, 2, "--day: expected YYYY-MM-DD"},
        {{{"--zone", "+15:00"}}, 1, "--zone: expected a signed H:MM from -12:00 to +14:00"},
        {{{"--zone", "+14:01"}}, 1, "--zone: expected a signed H:MM from -12:00 to +14:00, got \"+14:01\""},
        {{{"--zone", "5:60"}}, 1, "--zone: expected a signed H:MM from"},
        {{{"--zone", "5.5"}}, 2, "--zone: expected a signed H:MM, as in +5:30, got \"5.5\""},
        {{{"--zone", "5:3"}}, 2, "--zone: expected a signed H:MM, as in"},
        {{{"--latitude", "91"}}, 1, "--latitude: expected up to 90 degrees"},
        {{{"--longitude", "80:16X"}}, 1, "--longitude: expected up to 180 degrees"},
        {{{"--longitude", "80:60E"}}, 1, "--longitude: expected up to 180 degrees"},
        {{{"--longitude", "east"}}, 2, "--longitude: expected degrees east"},
        {{{"--latitude", "+-13"}}, 2, "--latitude: expected degrees north"},
        {{{"--latitude", "nan"}}, 2, "--latitude: expected degrees north"},
        {{{"--days", "0"}}, 1, "--days: expected 1 to"},
        {{{"--bird", ""}}, 2, "the bird is needed: --bird, --star with --paksha, or --reading"},
        {{{"--star", "Ardra"}, {"--paksha", "Shukla Paksha"}}, 2, "excludes"},
        // A malformed value is reported before a refused one.
        {{{"--bird", "owl"}, {"--zone", "5.5"}}, 2, "--zone: expected a signed H:MM, as in"},
        // What is echoed cannot move the terminal and is cut short.
        {{{"--bird", "\x1b[31mOwl\a"}}, 1, "got \"\\x1b[31mOwl\\x07\"\n"},
        {{{"--zone", std::string(5000, '9')}}, 2, "got \"" + std::string(40, '9') + "\"...\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const auto run = RunCli(ChennaiWith(c.changes));
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_THAT(run.err, HasSubstr(c.message));
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
        EXPECT_LT(run.err.size(), 200u);
        EXPECT_EQ(run.out, "");
    }
}

} // namespace
} // namespace velmora
