// velmora-cli: birth readings from the command line, computed by the same calls as the window.
#include <ext/stdio_filebuf.h>
#include <iostream>
#include <string>

#include <unistd.h>

#include <CLI/CLI.hpp>

#include "cli/batch.h"
#include "cli/input_file.h"
#include "cli/place_command.h"
#include "cli/reading_command.h"
#include "cli/schedule_command.h"
#include "reading/saved_reading_name.h"
#include "texts/printable.h"

namespace {

constexpr const char* kExamples = R"(Examples:
  velmora-cli reading --name Asha --date 1947-08-15 --time 00:00 --zone 5:30 \
      --longitude 77:12E --latitude 28:36N
  velmora-cli place "Madras, India" --date 1950-01-26 --time 10:15
  velmora-cli batch births.csv > readings.csv
  velmora-cli open asha.tam --json
  velmora-cli open asha.tam --lang ta --full
  velmora-cli schedule --star Pushya --paksha "Krishna Paksha" --day 2024-04-09 \
      --longitude 80.27 --latitude 13.08 --zone +5:30)";

int RunBatchCommand(const std::string& path, velmora::BatchOptions options) {
    options.showProgress = ::isatty(STDERR_FILENO) == 1;
    if (path == "-") {
        return velmora::RunBatch(std::cin, std::cout, std::cerr, options);
    }
    std::string error;
    const int fd = velmora::OpenRegularFile(path, error);
    if (fd < 0) {
        std::cerr << "velmora-cli: " << velmora::EscapeControls(error) << '\n';
        return velmora::kExitRefused;
    }
    __gnu_cxx::stdio_filebuf<char> file(fd, std::ios::in | std::ios::binary);
    std::istream input(&file);
    return velmora::RunBatch(input, std::cout, std::cerr, options);
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);

    CLI::App app{"Panch-Pakshi birth readings: the birth star, the fortnight, the ruling bird and its days.",
                 "velmora-cli"};
    app.set_version_flag("--version", "velmora-cli " VELMORA_VERSION);
    app.require_subcommand(1);
    app.footer(kExamples);

    velmora::ReadingOptions reading;
    velmora::OutputOptions readingOutput;
    std::string savePath;
    // One setting for whichever command runs; checked by CLI11, turned into a Language after parsing.
    std::string languageCode = "en";
    const auto addLanguage = [&languageCode](CLI::App* command) {
        command
            ->add_option("--lang", languageCode,
                         "Language of the names, days, paragraphs and labels: en (default) or ta (Tamil); "
                         "JSON keys, CSV headers and saved files stay English")
            ->check(CLI::IsMember({"en", "ta"}));
    };
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
    readingCommand->add_flag("--json", readingOutput.json, "Print the reading as one JSON object");
    readingCommand->add_flag("--full", readingOutput.full, "Also print the star's and the bird's paragraphs");
    bool readingMargins = false;
    readingCommand->add_flag("--margins", readingMargins,
                             "Also print the minutes of birth time to the nearest change of star and of "
                             "fortnight, each way, and the reading a change within 30 minutes gives");
    addLanguage(readingCommand);
    readingCommand->add_option("--save", savePath, "Also save the reading, as the window does, to FILE.tam")
        ->type_name("FILE.tam")
        ->check([](const std::string& name) {
            return velmora::IsSavedReadingFileName(name) ? std::string()
                                                         : std::string("the file name must end in .tam");
        });

    std::string batchPath = "-";
    velmora::BatchOptions batchOptions;
    CLI::App* batchCommand =
        app.add_subcommand("batch", "Compute a reading for each row of a CSV file; write them as CSV");
    batchCommand->add_option("file", batchPath,
                             "CSV input with a header row; - or nothing for standard input");
    batchCommand->add_flag("--details", batchOptions.details,
                           "Also write the computation's intermediate values");
    batchCommand->add_flag("--margins", batchOptions.margins,
                           "Also write the minutes of birth time to the nearest change of star and of "
                           "fortnight, each way (empty when none within 24 hours)");
    batchCommand
        ->add_option("--jobs", batchOptions.jobs,
                     "Threads computing rows (default: one per core); the output is the same for any count")
        ->check(CLI::Range(1U, 1024U));
    addLanguage(batchCommand);
    batchCommand->footer(
        "Input columns: "
        "name,year,month,day,hour,minute,zone_hour,zone_minute,dst,longitude_deg,longitude_min,\n"
        "longitude_side,latitude_deg,latitude_min,latitude_side. dst is 0 or 1, the sides are E/W and N/S.\n"
        "Or name,year,month,day,hour,minute,place: the place is looked up as reading --place does.\n"
        "Refused rows are reported on standard error and left out; the exit status is then 1.\n");

    std::string openPath;
    velmora::OutputOptions openOutput;
    CLI::App* openCommand = app.add_subcommand("open", "Print a reading saved to a .tam file");
    openCommand->add_option("file", openPath, "The saved reading")->required()->type_name("FILE.tam");
    openCommand->add_flag("--json", openOutput.json, "Print the reading as one JSON object");
    openCommand->add_flag("--full", openOutput.full, "Also print the star's and the bird's paragraphs");
    addLanguage(openCommand);

    velmora::ScheduleOptions schedule;
    CLI::App* scheduleCommand =
        app.add_subcommand("schedule", "The bird's day: sunrise, sunset, the ten periods and its named days");
    CLI::Option* star = scheduleCommand->add_option("--star", schedule.star, "Birth star, e.g. Pushya");
    CLI::Option* paksha = scheduleCommand->add_option(
        "--paksha", schedule.paksha, "Fortnight of the birth: \"Shukla Paksha\" or \"Krishna Paksha\"");
    CLI::Option* bird = scheduleCommand->add_option("--bird", schedule.bird,
                                                    "The bird itself: Vulture, Owl, Crow, Cock or Peacock");
    star->needs(paksha)->excludes(bird);
    paksha->needs(star);
    scheduleCommand->add_option("--day", schedule.day, "First day, YYYY-MM-DD (1901 to 2050)")->required();
    scheduleCommand->add_option("--days", schedule.days, "Number of consecutive days (default 1)");
    scheduleCommand
        ->add_option("--longitude", schedule.longitude,
                     "Longitude: degrees east (negative west), or e.g. 80:16E")
        ->required()
        ->allow_extra_args(false);
    scheduleCommand
        ->add_option("--latitude", schedule.latitude,
                     "Latitude: degrees north (negative south), or e.g. 13:05N")
        ->required()
        ->allow_extra_args(false);
    scheduleCommand
        ->add_option("--zone", schedule.zone, "Standard time zone, signed H:MM, e.g. +5:30 or -8:00")
        ->required();
    scheduleCommand->add_flag("--dst", schedule.daylightSaving,
                              "Daylight saving time is in force (one hour)");
    CLI::Option* scheduleJson = scheduleCommand->add_flag(
        "--json", schedule.json, "One JSON object per day (an array for several days)");
    scheduleCommand->add_flag("--csv", schedule.csv, "One CSV row per period")->excludes(scheduleJson);

    velmora::PlaceOptions placeOptions;
    CLI::App* placeCommand = app.add_subcommand(
        "place",
        "Find a birth place by name: its coordinates and the UTC offset in force at a date and time");
    placeCommand->add_option("query", placeOptions.query, "City, then state and country; former names too")
        ->required();
    placeCommand->add_option("--date", placeOptions.date, "Local date, YYYY-MM-DD (default: today)");
    placeCommand->add_option("--time", placeOptions.time, "Local clock time, HH:MM (default: 12:00)");
    placeCommand->add_option("--limit", placeOptions.limit, "List at most N places, best first (0: all)")
        ->type_name("N")
        ->default_val(20);
    placeCommand->add_flag("--json", placeOptions.json, "Print the places as a JSON array");

    try {
        app.parse(argc, argv);
        if (*scheduleCommand && !*star && !*bird) {
            throw CLI::RequiredError("--star with --paksha, or --bird");
        }
        if (*readingCommand && !*place) {
            if (!*zone && !*zoneHour) {
                throw CLI::RequiredError("--zone or --zone-hour with --zone-minute, or --place");
            }
            for (const CLI::Option* coordinate : {longitude, latitude}) {
                if (!*coordinate) {
                    throw CLI::RequiredError(coordinate->get_name() + " (or --place)");
                }
            }
        }
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? 0 : velmora::kExitUsage;
    }

    const velmora::Language language =
        velmora::LanguageFromCode(languageCode).value_or(velmora::Language::English);
    readingOutput.language = language;
    openOutput.language = language;
    batchOptions.language = language;

    if (*readingCommand) {
        return velmora::RunReading(reading, readingOutput, savePath, std::cout, std::cerr, readingMargins);
    }
    if (*scheduleCommand) {
        return velmora::RunSchedule(schedule, std::cout, std::cerr);
    }
    if (*placeCommand) {
        return velmora::RunPlace(placeOptions, std::cout, std::cerr);
    }
    if (*batchCommand) {
        return RunBatchCommand(batchPath, batchOptions);
    }
    return velmora::RunOpen(openPath, openOutput, std::cout, std::cerr);
}
