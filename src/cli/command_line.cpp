// velmora-cli's commands and options, parsed by CLI11.
#include "cli/command_line.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <ext/stdio_filebuf.h>
#include <limits>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/batch_command.h"
#include "cli/exit_status.h"
#include "cli/input_file.h"
#include "cli/language_option.h"
#include "cli/message_quoting.h"
#include "cli/now_command.h"
#include "cli/place_command.h"
#include "cli/plan_command.h"
#include "cli/reading_command.h"
#include "cli/schedule_command.h"
#include "files/regular_file.h"
#include "reading/saved_reading_name.h"
#include "texts/printable.h"

namespace velmora {
namespace {

constexpr const char* kExamples = R"(Examples:
  velmora-cli reading --name Asha --date 1947-08-15 --time 00:00 --zone 5:30 \
      --longitude 77:12E --latitude 28:36N
  velmora-cli place "Madras, India" --date 1950-01-26 --time 10:15
  velmora-cli batch births.csv > readings.csv
  velmora-cli open asha.tam --json
  velmora-cli open asha.tam --lang ta --full
  velmora-cli schedule --star Pushya --paksha "Krishna Paksha" --day 2024-04-09 \
      --longitude 80.27 --latitude 13.08 --zone +5:30
  velmora-cli schedule --reading asha.tam --place "London, United Kingdom" --days 7 --lang ta
  velmora-cli now --bird Owl --longitude 80.27 --latitude 13.08 --zone +5:30 --json
  velmora-cli plan --bird Cock --place "London, United Kingdom" --from 2024-03-25 \
      --to 2024-04-07 --hours 07:00-22:00 --ics plan.ics --alarm 15)";

// A usage message is cut here, whatever it echoes.
constexpr std::size_t kMostUsageMessageBytes = 400;

// A calendar's reminder comes at most a week ahead.
constexpr std::uint64_t kMostAlarmMinutes = 7 * 24 * 60;

// A command of the command line and what runs it once the line is parsed.
struct Command {
    CLI::App* app;
    std::function<int()> run;
};

// Plain decimal digits from `low` to `high`: CLI11 alone would also take a sign,
// blanks or hexadecimal, and wrap a negative value round into a large one.
CLI::Validator WholeNumber(std::uint64_t low, std::uint64_t high) {
    const std::string range =
        std::to_string(low) +
        (high == std::numeric_limits<std::uint64_t>::max() ? " up" : " to " + std::to_string(high));
    return CLI::Validator(
        [low, high, range](const std::string& text) {
            std::uint64_t value = 0;
            const char* end = text.data() + text.size();
            const auto [stop, error] = std::from_chars(text.data(), end, value);
            const bool digitsOnly = !text.empty() && text.front() >= '0' && text.front() <= '9';
            if (!digitsOnly || error != std::errc() || stop != end || value < low || value > high) {
                return "expected a whole number from " + range + ", got " + QuoteForMessage(text);
            }
            return std::string();
        },
        "from " + range);
}

Command AddReadingCommand(CLI::App& app, const Console& console) {
    struct Settings {
        ReadingOptions reading;
        OutputOptions output;
        std::string savePath;
        std::string languageCode = "en";
        bool margins = false;
    };
    const auto settings = std::make_shared<Settings>();
    ReadingOptions& reading = settings->reading;
    CLI::App* readingCommand = app.add_subcommand("reading", "Compute the reading of one birth");
    readingCommand->add_option("--name", reading.name, "Name of the person")->required();
    readingCommand->add_option("--date", reading.date, "Birth date, YYYY-MM-DD (1901 to 2050)")->required();
    readingCommand->add_option("--time", reading.time, "Clock time of the birth, HH:MM")->required();
    CLI::Option* zone = readingCommand->add_option(
        "--zone", reading.zone,
        "Time zone of the birth place, H:MM: +H:MM ahead of UTC, -H:MM behind it; without a sign, "
        "east of Greenwich is ahead and west behind");
    CLI::Option* zoneHour = readingCommand->add_option("--zone-hour", reading.zoneHour,
                                                       "Hours of the time zone, as typed in the form");
    CLI::Option* zoneMinute = readingCommand->add_option("--zone-minute", reading.zoneMinute,
                                                         "Minutes of the time zone, as typed in the form");
    zone->excludes(zoneHour)->excludes(zoneMinute);
    zoneHour->needs(zoneMinute);
    zoneMinute->needs(zoneHour);
    CLI::Option* dst =
        readingCommand->add_flag("--dst", reading.daylightSaving, "Daylight saving time was in force");
    CLI::Option* longitude = readingCommand->add_option("--longitude", reading.longitude,
                                                        "Longitude of the birth place, e.g. 77:12E");
    CLI::Option* latitude = readingCommand->add_option("--latitude", reading.latitude,
                                                       "Latitude of the birth place, e.g. 28:36N");
    CLI::Option* place = readingCommand->add_option(
        "--place", reading.place,
        "Birth place to look up, e.g. \"Madrid, Spain\": its first candidate gives the coordinates, "
        "the zone and daylight saving at the birth date and time");
    for (CLI::Option* placeGives : {zone, zoneHour, zoneMinute, dst, longitude, latitude}) {
        place->excludes(placeGives);
    }
    readingCommand->add_flag("--json", settings->output.json, "Print the reading as one JSON object");
    readingCommand->add_flag("--full", settings->output.full,
                             "Also print the star's and the bird's paragraphs");
    readingCommand->add_flag("--margins", settings->margins,
                             "Also print the minutes of birth time to the nearest change of star and of "
                             "fortnight, each way, and the reading a change within 30 minutes gives");
    AddLanguageOption(readingCommand, settings->languageCode);
    readingCommand
        ->add_option("--save", settings->savePath, "Also save the reading, as the window does, to FILE.tam")
        ->type_name("FILE.tam")
        ->check([](const std::string& name) {
            return IsSavedReadingFileName(name) ? std::string()
                                                : std::string("the file name must end in .tam");
        });
    readingCommand->parse_complete_callback([=] {
        if (*place) {
            return;
        }
        if (!*zone && !*zoneHour) {
            throw CLI::RequiredError("--zone or --zone-hour with --zone-minute, or --place");
        }
        for (const CLI::Option* coordinate : {longitude, latitude}) {
            if (!*coordinate) {
                throw CLI::RequiredError(coordinate->get_name() + " (or --place)");
            }
        }
    });
    return {readingCommand, [settings, console] {
                settings->output.language = LanguageOf(settings->languageCode);
                return RunReading(settings->reading, settings->output, settings->savePath, console.out,
                                  console.err, settings->margins);
            }};
}

int RunBatchCommand(const std::string& path, const BatchOptions& options, const Console& console) {
    if (path == "-") {
        return RunBatch(console.in, console.out, console.err, options);
    }
    FileFailure failure;
    const int fd = OpenRegularFile(path, failure);
    if (fd < 0) {
        console.err << "velmora-cli: " << EscapeControls(CannotReadMessage(path, failure)) << '\n';
        return kExitRefused;
    }
    __gnu_cxx::stdio_filebuf<char> file(fd, std::ios::in | std::ios::binary);
    std::istream input(&file);
    return RunBatch(input, console.out, console.err, options);
}

Command AddBatchCommand(CLI::App& app, const Console& console) {
    struct Settings {
        std::string path = "-";
        BatchOptions options;
        std::string languageCode = "en";
    };
    const auto settings = std::make_shared<Settings>();
    BatchOptions& batchOptions = settings->options;
    CLI::App* batchCommand =
        app.add_subcommand("batch", "Compute a reading for each row of a CSV file; write them as CSV");
    batchCommand->add_option("file", settings->path,
                             "CSV input with a header row; - or nothing for standard input");
    batchCommand->add_flag("--details", batchOptions.details,
                           "Also write the computation's intermediate values");
    batchCommand->add_flag("--margins", batchOptions.margins,
                           "Also write the minutes of birth time to the nearest change of star and of "
                           "fortnight, each way (empty when none within 24 hours)");
    batchCommand
        ->add_option("--jobs", batchOptions.jobs,
                     "Threads computing rows (default: one per core); the output is the same for any count")
        ->check(WholeNumber(1, 1024));
    batchCommand
        ->add_option("--part", batchOptions.part,
                     "The input is part N, counted from 1, of a file split in parts that each begin with "
                     "the header row (GNU parallel --pipe --header :): only part 1 writes the output's "
                     "header, and messages count lines within the part")
        ->check(WholeNumber(1, std::numeric_limits<std::uint64_t>::max()));
    AddLanguageOption(batchCommand, settings->languageCode);
    batchCommand->footer(
        "Input columns: "
        "name,year,month,day,hour,minute,zone_hour,zone_minute,dst,longitude_deg,longitude_min,\n"
        "longitude_side,latitude_deg,latitude_min,latitude_side. dst is 0 or 1, the sides are E/W and N/S.\n"
        "Or name,year,month,day,hour,minute,place: the place is looked up as reading --place does.\n"
        "Refused rows are reported on standard error and left out; the exit status is then 1.\n"
        "Echoed fields keep their bytes, quoted as CSV needs; on a terminal, control characters\n"
        "in them are shown as \\xNN.\n");
    return {batchCommand, [settings, console] {
                settings->options.language = LanguageOf(settings->languageCode);
                settings->options.showProgress = console.errIsTerminal;
                settings->options.escapeControls = console.outIsTerminal;
                return RunBatchCommand(settings->path, settings->options, console);
            }};
}

Command AddOpenCommand(CLI::App& app, const Console& console) {
    struct Settings {
        std::string path;
        OutputOptions output;
        std::string languageCode = "en";
    };
    const auto settings = std::make_shared<Settings>();
    CLI::App* openCommand = app.add_subcommand("open", "Print a reading saved to a .tam file");
    openCommand->add_option("file", settings->path, "The saved reading")->required()->type_name("FILE.tam");
    openCommand->add_flag("--json", settings->output.json, "Print the reading as one JSON object");
    openCommand->add_flag("--full", settings->output.full, "Also print the star's and the bird's paragraphs");
    AddLanguageOption(openCommand, settings->languageCode);
    return {openCommand, [settings, console] {
                settings->output.language = LanguageOf(settings->languageCode);
                return RunOpen(settings->path, settings->output, console.out, console.err);
            }};
}

Command AddScheduleCommand(CLI::App& app, const Console& console) {
    const auto settings = std::make_shared<ScheduleOptions>();
    ScheduleOptions& schedule = *settings;
    CLI::App* scheduleCommand =
        app.add_subcommand("schedule", "The bird's day: sunrise, sunset, the ten periods and its named days");
    AddBirdOptions(scheduleCommand, schedule.bird);
    scheduleCommand->add_option("--day", schedule.day,
                                "First day, YYYY-MM-DD (1901 to 2050; default: today at the place)");
    scheduleCommand->add_option("--days", schedule.days,
                                "Number of consecutive days (default 1, at most 3660)");
    AddDayPlaceOptions(scheduleCommand, schedule.place);
    CLI::Option* scheduleJson = scheduleCommand->add_flag(
        "--json", schedule.json, "One JSON object per day (an array for several days)");
    scheduleCommand->add_flag("--csv", schedule.csv, "One CSV row per sub-period")->excludes(scheduleJson);
    const auto languageCode = std::make_shared<std::string>("en");
    AddLanguageOption(scheduleCommand, *languageCode);
    return {scheduleCommand, [settings, languageCode, console] {
                settings->language = LanguageOf(*languageCode);
                return RunSchedule(*settings, console.out, console.err);
            }};
}

Command AddNowCommand(CLI::App& app, const Console& console) {
    const auto settings = std::make_shared<NowOptions>();
    CLI::App* nowCommand =
        app.add_subcommand("now", "Where the bird is now: the period and sub-period, and when it next rules");
    AddBirdOptions(nowCommand, settings->bird);
    AddDayPlaceOptions(nowCommand, settings->place);
    nowCommand->add_option(
        "--at", settings->at,
        "The moment instead of now, ISO 8601 with its offset, e.g. 2024-03-31T10:00:00+01:00");
    nowCommand->add_flag("--json", settings->json, "Print one JSON object");
    const auto languageCode = std::make_shared<std::string>("en");
    AddLanguageOption(nowCommand, *languageCode);
    return {nowCommand, [settings, languageCode, console] {
                settings->language = LanguageOf(*languageCode);
                return RunNow(*settings, console.out, console.err);
            }};
}

Command AddPlanCommand(CLI::App& app, const Console& console) {
    struct Settings {
        PlanOptions plan;
        std::string languageCode = "en";
        int alarmMinutes = 0;
    };
    const auto settings = std::make_shared<Settings>();
    PlanOptions& plan = settings->plan;
    PlanConditionOptions& condition = plan.condition;
    CLI::App* planCommand = app.add_subcommand(
        "plan",
        "The good times of the weeks to come: the windows in which a condition holds, and a calendar file");
    AddBirdOptions(planCommand, plan.bird);
    planCommand->add_option("--from", plan.from, "First day, YYYY-MM-DD (default: today at the place)");
    planCommand->add_option(
        "--to", plan.to, "Last day, YYYY-MM-DD, both included (default: four weeks on; at most ten years)");
    AddDayPlaceOptions(planCommand, plan.place);
    CLI::Option* main = planCommand->add_option("--main", condition.main,
                                                "The period's activity among these, a comma list, e.g. "
                                                "Ruling,Eating (the default without --min-strength)");
    CLI::Option* sub = planCommand->add_option(
        "--sub", condition.sub,
        "The sub-period's activity among these (default Ruling,Eating without --min-strength)");
    planCommand->add_option(
        "--min-strength", condition.minStrength,
        "Instead of the activities (or with them): the sub-period's strength at least this, 0 to 1");
    planCommand->add_option("--hours", condition.hours,
                            "Waking hours, HH:MM-HH:MM on the local clock: windows are cut to them");
    CLI::Option* rulingDays = planCommand->add_flag("--ruling-days-only", condition.rulingDaysOnly,
                                                    "Only the bird's ruling days (by day or by night)");
    planCommand->add_flag("--keep-death-days", condition.keepDeathDays, "Keep the bird's death days too")
        ->excludes(rulingDays);
    CLI::Option* against = planCommand->add_option(
        "--against", condition.against,
        "The other party's bird: only where it sleeps or dies (Vulture, Owl, Crow, Cock or Peacock)");
    planCommand
        ->add_option("--against-reading", plan.againstReading, "The other party's saved reading (.tam)")
        ->excludes(against);
    planCommand->add_option("--min-minutes", condition.minMinutes,
                            "Shortest window kept, in minutes (default 10)");
    CLI::Option* json = planCommand->add_flag("--json", plan.json, "The plan as one JSON object");
    planCommand->add_flag("--csv", plan.csv, "One CSV row per part of a window")->excludes(json);
    AddLanguageOption(planCommand, settings->languageCode);
    CLI::Option* ics =
        planCommand->add_option("--ics", plan.icsPath, "Also write the windows to this iCalendar file")
            ->type_name("FILE");
    CLI::Option* alarm = planCommand
                             ->add_option("--alarm", settings->alarmMinutes,
                                          "With --ics: a reminder this many minutes before each window")
                             ->type_name("MINUTES")
                             ->check(WholeNumber(0, kMostAlarmMinutes))
                             ->needs(ics);
    // The options are asked while they exist: the command runs after the parser is gone.
    planCommand->parse_complete_callback([settings, main, sub, alarm] {
        PlanOptions& options = settings->plan;
        options.condition.mainGiven = main->count() > 0;
        options.condition.subGiven = sub->count() > 0;
        if (alarm->count() > 0) {
            options.alarmMinutes = settings->alarmMinutes;
        }
    });
    return {planCommand, [settings, console] {
                PlanOptions& options = settings->plan;
                options.language = LanguageOf(settings->languageCode);
                return RunPlan(options, console.out, console.err);
            }};
}

Command AddPlaceCommand(CLI::App& app, const Console& console) {
    struct Settings {
        PlaceOptions place;
        std::string languageCode = "en";
    };
    const auto settings = std::make_shared<Settings>();
    PlaceOptions* placeOptions = &settings->place;
    CLI::App* placeCommand = app.add_subcommand(
        "place",
        "Find a birth place by name: its coordinates and the UTC offset in force at a date and time");
    placeCommand->add_option("query", placeOptions->query, "City, then state and country; former names too")
        ->required();
    placeCommand->add_option("--date", placeOptions->date, "Local date, YYYY-MM-DD (default: today)");
    placeCommand->add_option("--time", placeOptions->time, "Local clock time, HH:MM (default: 12:00)");
    placeCommand->add_option("--limit", placeOptions->limit, "List at most N places, best first (0: all)")
        ->type_name("N")
        ->default_val(20)
        ->check(WholeNumber(0, std::numeric_limits<std::size_t>::max()));
    placeCommand->add_flag("--json", placeOptions->json, "Print the places as a JSON array");
    AddLanguageOption(placeCommand, settings->languageCode);
    return {placeCommand, [settings, console] {
                settings->place.language = LanguageOf(settings->languageCode);
                return RunPlace(settings->place, console.out, console.err);
            }};
}

// CLI11 echoes the words it refuses whole, and they may hold anything: each long
// one is cut as the other messages cut the values they show, the message as a
// whole is bounded, and no control character in it reaches the terminal.
std::string UsageMessage(std::string message, const std::vector<std::string>& arguments) {
    std::vector<std::string_view> echoes;
    for (const std::string_view argument : arguments) {
        echoes.push_back(argument);
        const std::size_t equals = argument.find('=');
        if (argument.starts_with("--") && equals != std::string_view::npos) {
            echoes.push_back(argument.substr(equals + 1)); // --option=value
        }
    }
    std::erase_if(echoes, [](std::string_view echo) { return ShownPart(echo) == echo; });
    // The longest first, so that no part of a longer word is cut on its own.
    std::sort(echoes.begin(), echoes.end(),
              [](std::string_view a, std::string_view b) { return a.size() > b.size(); });
    for (const std::string_view echo : echoes) {
        const std::string cut = std::string(ShownPart(echo)) + "...";
        for (std::size_t at = message.find(echo); at != std::string::npos; at = message.find(echo, at)) {
            message.replace(at, echo.size(), cut);
            at += cut.size();
        }
    }
    const std::string_view bounded = ShownPart(message, kMostUsageMessageBytes);
    return EscapeControls(bounded) + (bounded.size() < message.size() ? "..." : "");
}

} // namespace

std::variant<std::function<int()>, int> ParseCommandLine(const std::vector<std::string>& arguments,
                                                         const Console& console) {
    CLI::App app{"Panch-Pakshi birth readings: the birth star, the fortnight, the ruling bird and its days.",
                 "velmora-cli"};
    app.set_version_flag("--version", "velmora-cli " VELMORA_VERSION);
    app.require_subcommand(1);
    app.footer(kExamples);
    app.failure_message([&arguments](const CLI::App*, const CLI::Error& error) {
        return UsageMessage(error.what(), arguments) + "\nRun with --help for more information.\n";
    });

    const Command commands[] = {
        AddReadingCommand(app, console),  AddBatchCommand(app, console), AddOpenCommand(app, console),
        AddScheduleCommand(app, console), AddNowCommand(app, console),   AddPlanCommand(app, console),
        AddPlaceCommand(app, console),
    };
    try {
        // CLI11 takes the words last first.
        std::vector<std::string> words(arguments.rbegin(), arguments.rend());
        app.parse(words);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error, console.out, console.err);
        return status == 0 ? 0 : kExitUsage;
    }
    for (const Command& command : commands) {
        if (*command.app) {
            return command.run;
        }
    }
    return kExitUsage; // require_subcommand(1) leaves no way here
}

int RunCommandLine(const std::vector<std::string>& arguments, const Console& console) {
    auto parsed = ParseCommandLine(arguments, console);
    if (const int* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    return std::get<std::function<int()>>(parsed)();
}

} // namespace velmora
