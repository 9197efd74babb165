// velmora-cli schedule and now with a looked-up place, a saved reading, Tamil and hostile options.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "in_process.h"
#include "reading/saved_reading.h"
#include "run_program.h"

namespace velmora {
namespace {

using ::testing::HasSubstr;
using testing::RunInProcess;
using ::testing::StartsWith;
using testing::TempFolder;

const std::vector<std::string> kChennai = {"--longitude", "80.27", "--latitude", "13.08", "--zone", "+5:30"};

std::vector<std::string> Join(std::vector<std::string> first, const std::vector<std::string>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

TEST(DayCommands, LondonAcrossTheChangeOfClocksKeepsEachMomentInItsOffset) {
    // The clocks went from GMT to BST at 01:00 UT on 2024-03-31. Published sunrises:
    // 05:39 GMT on 03-30, 06:37 BST on 03-31.
    const auto run = RunInProcess({"schedule", "--bird", "Owl", "--place", "London, United Kingdom", "--day",
                                   "2024-03-29", "--days", "4", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto days = nlohmann::json::parse(run.out);
    ASSERT_EQ(days.size(), 4u);
    EXPECT_EQ(days[0].at("place"), "London, England, United Kingdom");
    EXPECT_THAT(days[1].at("sunrise").get<std::string>(), StartsWith("2024-03-30T05:39"));
    EXPECT_THAT(days[1].at("sunrise").get<std::string>(), ::testing::EndsWith("+00:00"));
    EXPECT_THAT(days[2].at("sunrise").get<std::string>(), StartsWith("2024-03-31T06:37"));
    EXPECT_THAT(days[2].at("sunrise").get<std::string>(), ::testing::EndsWith("+01:00"));
    EXPECT_EQ(days[1].at("next_sunrise"), days[2].at("sunrise"));
    // The night of the 30th holds the change: its moments before 01:00 UT in GMT, after in BST.
    int crossing = 0;
    for (const auto& period : days[1].at("periods")) {
        const std::string start = period.at("start");
        const std::string end = period.at("end");
        crossing += start.ends_with("+00:00") && end.ends_with("+01:00");
    }
    EXPECT_EQ(crossing, 1);
    for (const auto& day : {days[0], days[3]}) {
        const std::string offset = day.at("day") == "2024-03-29" ? "+00:00" : "+01:00";
        for (const auto& period : day.at("periods")) {
            EXPECT_THAT(period.at("end").get<std::string>(), ::testing::EndsWith(offset));
        }
    }
}

TEST(DayCommands, SavedReadingGivesItsBird) {
    const TempFolder folder;
    const auto saved = folder.Write("asha.tam", EncodeSavedReading("Ardra", "Krishna Paksha")).string();
    // Ardra is a Cock star in the dark fortnight.
    const auto run =
        RunInProcess(Join({"schedule", "--reading", saved, "--day", "2024-04-10", "--json"}, kChennai));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out).at("bird"), "Cock");
}

TEST(DayCommands, TamilChangesOnlyTheText) {
    const auto base = Join({"schedule", "--bird", "Owl", "--day", "2024-04-10"}, kChennai);
    const auto tamil = RunInProcess(Join(base, {"--lang", "ta"}));
    ASSERT_EQ(tamil.exitCode, 0) << tamil.err;
    // Wednesday, bright fortnight: an Owl's ruling day by day; Tamil names from the glossary.
    for (const char* line : {"பட்சி: ஆந்தை\n", "கிழமை: புதன்\n", "பட்சம்: வளர்பிறை (சூரிய உதயத்தில்)\n",
                             "பட்சியின் நாள்: அரசு நாள் (பகல்)\n", "  இரவு  5  2024-04-11T0"}) {
        EXPECT_THAT(tamil.out, HasSubstr(line));
    }
    EXPECT_THAT(tamil.out, ::testing::Not(HasSubstr("Wednesday")));
    for (const char* format : {"--json", "--csv"}) {
        EXPECT_EQ(RunInProcess(Join(base, {format, "--lang", "ta"})).out,
                  RunInProcess(Join(base, {format})).out);
    }
}

// `now` at moments of a Chennai day whose sunrise is 06:00 and sunset 18:2x (2024-04-10).
TEST(DayCommands, NowFindsThePeriodTheScheduleHas) {
    const auto scheduleRun = RunInProcess(
        Join({"schedule", "--bird", "Owl", "--day", "2024-04-09", "--days", "2", "--json"}, kChennai));
    ASSERT_EQ(scheduleRun.exitCode, 0) << scheduleRun.err;
    const auto days = nlohmann::json::parse(scheduleRun.out);
    struct Case {
        std::string at;
        std::string day; // the Panch-Pakshi day the moment belongs to
        std::string part;
    };
    const std::vector<Case> cases = {
        {"2024-04-10T05:00:00+05:30", "2024-04-09", "night"}, // before sunrise: yesterday's night
        {"2024-04-10T00:30:00Z", "2024-04-10", "day"},        // 06:00 IST, just after sunrise
        {"2024-04-10T12:00+05:30", "2024-04-10", "day"},
        {"2024-04-10T23:59:59+05:30", "2024-04-10", "night"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.at);
        const auto run = RunInProcess(Join({"now", "--bird", "Owl", "--at", c.at, "--json"}, kChennai));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto now = nlohmann::json::parse(run.out);
        EXPECT_EQ(now.at("day"), c.day);
        const auto& period = now.at("period");
        EXPECT_EQ(period.at("part"), c.part);
        const auto& day = days[c.day == "2024-04-09" ? 0 : 1];
        const auto& same = day.at("periods")[(c.part == "day" ? 0 : 5) + period.at("yama").get<int>() - 1];
        EXPECT_EQ(period.at("start"), same.at("start"));
        EXPECT_EQ(period.at("activity"), same.at("activity"));
        bool subFound = false;
        for (const auto& sub : same.at("sub_periods")) {
            subFound = subFound || (sub.at("start") == now.at("sub_period").at("start") &&
                                    sub.at("bird") == now.at("sub_period").at("bird"));
        }
        EXPECT_TRUE(subFound);
        // The next Ruling period starts after the moment and no Ruling period lies between.
        const std::string nextStart = now.at("next_ruling").at("start");
        EXPECT_GT(nextStart, now.at("at").get<std::string>());
        for (const auto& scheduleDay : days) {
            for (const auto& p : scheduleDay.at("periods")) {
                if (p.at("activity") == "Ruling" && p.at("start") > now.at("at") &&
                    p.at("start") < nextStart) {
                    ADD_FAILURE() << "an earlier Ruling period at " << p.at("start");
                }
            }
        }
    }
}

TEST(DayCommands, NowInAPolarDaySaysSo) {
    const auto run = RunInProcess({"now", "--bird", "Cock", "--longitude", "15.65", "--latitude", "78.22",
                                   "--zone", "+1:00", "--at", "2024-06-21T12:00:00+02:00"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("Sun:           stays up (polar day); no periods\n"));
    EXPECT_THAT(run.out, HasSubstr("Period:        no period now\n"));
}

TEST(DayCommands, HostileOptionsGetAClearMessage) {
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string message;
    };
    const TempFolder folder;
    const std::string foreign = folder
                                    .Write("foreign.tam", std::string("\x7f"
                                                                      "ELF\x02\x01",
                                                                      6))
                                    .string();
    const std::string missing = (folder.Path() / "missing.tam").string();
    const std::vector<std::string> schedule = {"schedule", "--bird", "Owl"};
    const std::vector<std::string> now = {"now", "--bird", "Owl"};
    const std::vector<Case> cases = {
        {Join(schedule, {"--day", "2051-01-01"}), 1, "--day: expected a date from 1901-01-01 to 2050-12-31"},
        {Join(schedule, {"--day", "2050-12-30", "--days", "5"}), 1, "run past 2050-12-31 (to 2051-01-03)"},
        {Join(schedule, {"--day", "2024-01-01", "--days", "0"}), 1, "--days: expected 1 to 3660, got 0"},
        {Join(schedule, {"--day", "2024-01-01", "--days", "1000000000"}), 1, "--days: expected 1 to 3660"},
        {Join(schedule, {"--day", "2024-01-01", "--days", "10^9"}), 2, "--days"},
        {Join(schedule, {"--days", "99999999999"}), 2, "--days"},
        {{"schedule", "--bird", "Owl", "--longitude", "80", "--latitude", "nan", "--zone", "+5:30"},
         2,
         "--latitude: expected degrees north"},
        {{"schedule", "--bird", "Owl", "--longitude", "inf", "--latitude", "13", "--zone", "+5:30"},
         2,
         "--longitude: expected degrees east"},
        {{"schedule", "--bird", "Owl", "--longitude", "1e400", "--latitude", "13", "--zone", "+5:30"},
         2,
         "--longitude: expected degrees east"},
        {{"schedule", "--bird", "Owl", "--place", "Qzxqzx Nowhere"},
         1,
         "--place: no place found for \"Qzxqzx Nowhere\""},
        {{"schedule", "--bird", "Owl", "--place", "London", "--zone", "+1:00"}, 2, "excludes"},
        {{"schedule", "--bird", "Owl", "--longitude", "80", "--latitude", "13"}, 2, "requires --zone"},
        {{"schedule", "--bird", "Owl"},
         2,
         "the place is needed: --place, or --longitude, --latitude and --zone"},
        {Join({"schedule", "--reading", missing}, kChennai), 1, "--reading: cannot read"},
        {Join({"schedule", "--reading", foreign}, kChennai), 1, "--reading: "},
        {Join({"schedule", "--reading", folder.Path().string()}, kChennai), 1, "--reading: "},
        {Join({"schedule", "--reading", foreign, "--bird", "Owl"}, kChennai), 2, "excludes"},
        {Join(now, {"--at", "yesterday"}), 2, "--at: expected an ISO 8601 moment"},
        {Join(now, {"--at", "2024-03-31T10:00:00"}), 2, "--at: expected an ISO 8601 moment"},
        {Join(now, {"--at", "2024-02-30T10:00:00Z"}), 2, "--at: expected an ISO 8601 moment"},
        {Join(now, {"--at", "1850-01-01T00:00:00Z"}), 1, "--at: expected a moment from 1901-01-02"},
        // Seconds the parser would read as a float, offsets no clock keeps, years beyond the clock's span.
        {Join(now, {"--at", "2024-03-31T10:00:nanZ"}), 2, "--at: expected an ISO 8601 moment"},
        {Join(now, {"--at", "2024-03-31T10:00+99:99"}), 2, "--at: expected an ISO 8601 moment"},
        {Join(now, {"--at", "2024-03-31T10:00-12:30"}), 2, "--at: expected an ISO 8601 moment"},
        {Join(now, {"--at", "0000-01-01T00:00Z"}), 1, "--at: expected a moment from 1901-01-02"},
        {Join(now, {"--at", "9999-12-31T23:59:59+14:00"}), 1, "--at: expected a moment from 1901-01-02"},
    };
    for (const Case& c : cases) {
        const std::string& second = c.arguments.size() > 3 ? c.arguments[3] : c.arguments.back();
        const bool atChennai = second == "--day" || second == "--days" || second == "--at";
        const std::vector<std::string> arguments = atChennai ? Join(c.arguments, kChennai) : c.arguments;
        SCOPED_TRACE(c.message);
        const auto run = RunInProcess(arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_THAT(run.err, HasSubstr(c.message));
        EXPECT_LT(run.err.size(), 400u);
        EXPECT_EQ(run.out, "");
    }
}

TEST(DayCommands, PolarLatitudesAreNoError) {
    for (const char* latitude : {"90", "-90", "89.99"}) {
        SCOPED_TRACE(latitude);
        const auto run = RunInProcess({"schedule", "--bird", "Owl", "--day", "2024-06-21", "--longitude", "0",
                                       "--latitude", latitude, "--zone", "+0:00", "--json"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto json = nlohmann::json::parse(run.out);
        EXPECT_EQ(json.at("sun"), latitude[0] == '-' ? "stays_down" : "stays_up");
        EXPECT_TRUE(json.at("periods").empty());
    }
}

} // namespace
} // namespace velmora
