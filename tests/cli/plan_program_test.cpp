// velmora-cli plan, run as a user runs it, and its calendar file read by other programs.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "run_program.h"

namespace velmora {
namespace {

using ::testing::HasSubstr;
using testing::ProgramRun;
using testing::ReadFile;
using testing::RunCli;
using testing::RunProgram;
using testing::TempFolder;

// London from Friday 29 March to Tuesday 2 April 2024: the clocks go forward an
// hour at 01:00 UT on Sunday 31 March. The plan keeps UT; the calendar shows London's clocks.
const std::vector<std::string> kLondon = {"plan",  "--bird",     "Cock",        "--from", "2024-03-29",
                                          "--to",  "2024-04-02", "--longitude", "-0.13",  "--latitude",
                                          "51.51", "--zone",     "0:00"};

// Debian's python3-icalendar is there for Debian's own interpreter, whatever else is on PATH.
constexpr const char* kDebianPython = "/usr/bin/python3";

std::vector<std::string> With(std::vector<std::string> arguments, const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// The arguments with `value` for `option`, in its place when it is there already.
std::vector<std::string> Setting(std::vector<std::string> arguments, const std::string& option,
                                 const std::string& value) {
    const auto at = std::find(arguments.begin(), arguments.end(), option);
    if (at == arguments.end()) {
        return With(arguments, {option, value});
    }
    *std::next(at) = value;
    return arguments;
}

bool HasProgram(const std::string& program, const std::vector<std::string>& check) {
    const TempFolder folder;
    try {
        return RunProgram(program, check, "/dev/null", folder.Path() / "out").exitCode == 0;
    } catch (const std::runtime_error&) {
        return false;
    }
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

// "YYYY-MM-DDTHH:MM:SS+00:00" as a moment.
std::chrono::sys_seconds UtcMoment(const std::string& stamp) {
    EXPECT_EQ(stamp.substr(19), "+00:00");
    const std::chrono::year_month_day date{
        std::chrono::year{std::stoi(stamp.substr(0, 4))},
        std::chrono::month{static_cast<unsigned>(std::stoi(stamp.substr(5, 2)))},
        std::chrono::day{static_cast<unsigned>(std::stoi(stamp.substr(8, 2)))}};
    return std::chrono::sys_days{date} + std::chrono::hours{std::stoi(stamp.substr(11, 2))} +
           std::chrono::minutes{std::stoi(stamp.substr(14, 2))} +
           std::chrono::seconds{std::stoi(stamp.substr(17, 2))};
}

// London's clock reading, to the minute as a calendar lists it: GMT, then BST
// from 01:00 UT on 31 March 2024.
std::string LondonClock(std::chrono::sys_seconds moment) {
    const std::chrono::sys_seconds change =
        std::chrono::sys_days{std::chrono::year{2024} / 3 / 31} + std::chrono::hours{1};
    const auto local = std::chrono::floor<std::chrono::minutes>(
        moment + (moment >= change ? std::chrono::hours{1} : std::chrono::hours{0}));
    const std::chrono::sys_days day = std::chrono::floor<std::chrono::days>(local);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss time{local - day};
    std::ostringstream text;
    text << std::setfill('0') << std::setw(4) << int{date.year()} << '-' << std::setw(2)
         << unsigned{date.month()} << '-' << std::setw(2) << unsigned{date.day()} << ' ' << std::setw(2)
         << time.hours().count() << ':' << std::setw(2) << time.minutes().count();
    return text.str();
}

constexpr const char* kIcalendarCheck = R"(
import sys
from icalendar import Calendar
calendar = Calendar.from_ical(open(sys.argv[1], 'rb').read())
broken = [c.name for c in calendar.walk() if c.errors]
if broken:
    sys.exit('errors in ' + ', '.join(broken))
for event in calendar.walk('VEVENT'):
    print(event['UID'], event.decoded('DTSTART').isoformat(), event.decoded('DTEND').isoformat(),
          len(event.walk('VALARM')))
)";

TEST(PlanCalendarFile, ReadsInPythonsIcalendarAndKhalAtLondonsTimes) {
    if (!HasProgram(kDebianPython, {"-c", "import icalendar"}) || !HasProgram("khal", {"--version"})) {
        GTEST_SKIP() << "python3-icalendar or khal is not installed (scripts/setup.sh installs both)";
    }
    const TempFolder folder;
    const std::filesystem::path ics = folder.Path() / "plan.ics";
    const ProgramRun plan = RunCli(With(kLondon, {"--json", "--ics", ics.string(), "--alarm", "15"}));
    ASSERT_EQ(plan.exitCode, 0) << plan.err;
    const nlohmann::json windows = nlohmann::json::parse(plan.out).at("windows");
    ASSERT_GE(windows.size(), 4U); // some on each side of the change

    // Python's icalendar: every event, in UTC, with its reminder.
    const ProgramRun parsed = RunProgram(kDebianPython, {"-c", kIcalendarCheck, ics.string()}, "/dev/null",
                                         folder.Path() / "parsed");
    ASSERT_EQ(parsed.exitCode, 0) << parsed.err;
    const std::vector<std::string> events = Lines(ReadFile(folder.Path() / "parsed"));
    ASSERT_EQ(events.size(), windows.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        const std::string start = windows[i].at("start");
        const std::string end = windows[i].at("end");
        EXPECT_THAT(events[i], HasSubstr(" " + start + " " + end + " 1")) << i;
    }

    // khal, set to London, twice: the second import replaces the events, adding none.
    const std::filesystem::path vdir = folder.Path() / "calendar";
    std::filesystem::create_directory(vdir);
    const std::filesystem::path config =
        folder.Write("khal.conf", "[calendars]\n[[plan]]\npath = " + vdir.string() +
                                      "\ntype = calendar\n"
                                      "[locale]\ntimeformat = %H:%M\n"
                                      "dateformat = %Y-%m-%d\n"
                                      "longdateformat = %Y-%m-%d\n"
                                      "datetimeformat = %Y-%m-%d %H:%M\n"
                                      "longdatetimeformat = %Y-%m-%d %H:%M\n"
                                      "local_timezone = Europe/London\n"
                                      "default_timezone = Europe/London\n"
                                      "[sqlite]\npath = " +
                                      (folder.Path() / "khal.db").string() + "\n");
    std::vector<std::string> want;
    for (const auto& window : windows) {
        want.push_back(LondonClock(UtcMoment(window.at("start"))) + " " +
                       LondonClock(UtcMoment(window.at("end"))));
    }
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE("import " + std::to_string(round + 1));
        const ProgramRun imported =
            RunProgram("khal", {"-c", config.string(), "import", "--batch", "-a", "plan", ics.string()},
                       "/dev/null", folder.Path() / "imported");
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
        const auto stored = std::distance(std::filesystem::directory_iterator(vdir), {});
        EXPECT_EQ(stored, static_cast<std::ptrdiff_t>(windows.size()));
        const ProgramRun listed = RunProgram("khal",
                                             {"-c", config.string(), "list", "--once", "--day-format", "",
                                              "--format", "{start} {end}", "2024-03-28", "2024-04-04"},
                                             "/dev/null", folder.Path() / "listed");
        ASSERT_EQ(listed.exitCode, 0) << listed.err;
        EXPECT_EQ(Lines(ReadFile(folder.Path() / "listed")), want);
    }
}

TEST(Plan, RefusesBadOptionsAndLeavesNoCalendarFile) {
    const TempFolder folder;
    const std::string ics = (folder.Path() / "plan.ics").string();
    const struct {
        std::string option;
        std::string value;
        int status;
        std::string message;
    } cases[] = {
        {"--main", "", 2, "--main"},
        {"--sub", "Ruling,Flying", 2, "Flying"},
        {"--from", "2024-04-03", 1, "--from"},
        {"--to", "2034-03-29", 1, "ten years"},
        {"--hours", "7:00-22:00", 2, "--hours"},
        {"--min-strength", "1.5", 1, "--min-strength"},
        {"--against", "Sparrow", 1, "--against"},
        {"--ics", (folder.Path() / "no such folder" / "plan.ics").string(), 1, "cannot save"},
        {"--ics", "/dev/full", 1, "not a regular file"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunCli(Setting(Setting(kLondon, "--ics", ics), c.option, c.value));
        EXPECT_EQ(run.exitCode, c.status) << c.option << ": " << run.err;
        EXPECT_THAT(run.err, HasSubstr(c.message)) << c.option;
        EXPECT_EQ(run.out, "") << c.option;
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(Plan, AgainstAnotherBirdEveryPartFindsItWeak) {
    const ProgramRun run = RunCli(With(kLondon, {"--json", "--against", "Owl", "--min-minutes", "5"}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("condition").at("against"), "Owl");
    ASSERT_FALSE(json.at("windows").empty());
    for (const auto& window : json.at("windows")) {
        for (const auto& part : window.at("parts")) {
            EXPECT_THAT((std::vector<std::string>{"Sleeping", "Dying"}),
                        ::testing::Contains(part.at("other_activity").get<std::string>()));
            EXPECT_THAT((std::vector<std::string>{"Ruling", "Eating"}),
                        ::testing::Contains(part.at("sub_activity").get<std::string>()));
        }
    }
}

} // namespace
} // namespace velmora
