// velmora-cli place, and readings and batches at a named place, in process.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "in_process.h"

namespace velmora {
namespace {

using ::testing::HasSubstr;
using testing::RunInProcess;

constexpr double kCoordinateToleranceDeg = 0.15;

struct PlaceCase {
    std::vector<std::string> arguments;
    const char* place;
    const char* country;
    double latitudeDeg; // published city-centre coordinates
    double longitudeDeg;
    const char* timeZone;
    int utcOffsetMinutes;
    bool dst;
    bool caution;
};

TEST(PlaceCommand, BestCandidateAsJson) {
    const std::vector<PlaceCase> cases = {
        {{"Madrid, Spain", "--date", "1990-07-01", "--time", "06:00"},
         "Madrid",
         "Spain",
         40.4168,
         -3.7038,
         "Europe/Madrid",
         120,
         true,
         false},
        {{"London", "--date", "1947-05-01"},
         "London",
         "United Kingdom",
         51.5074,
         -0.1278,
         "Europe/London",
         120,
         true,
         false},
        {{"Bombay", "--date", "1950-01-26", "--time", "10:15"},
         "Mumbai",
         "India",
         19.0760,
         72.8777,
         "Asia/Kolkata",
         330,
         false,
         true},
        {{"Calcutta", "--date", "1943-06-01"},
         "Kolkata",
         "India",
         22.5726,
         88.3639,
         "Asia/Kolkata",
         390,
         true,
         true},
        {{"Singapore", "--date", "1970-01-01"},
         "Singapore",
         "Singapore",
         1.2833,
         103.8333,
         "Asia/Singapore",
         450,
         false,
         false},
        {{"Kathmandu", "--date", "1990-01-01"},
         "Kathmandu",
         "Nepal",
         27.7172,
         85.3240,
         "Asia/Kathmandu",
         345,
         false,
         false},
        {{"Colombo", "--date", "1996-06-01"},
         "Colombo",
         "Sri Lanka",
         6.9271,
         79.8612,
         "Asia/Colombo",
         390,
         false,
         false},
        {{"மதுரை", "--date", "1990-01-01"},
         "Madurai",
         "India",
         9.9252,
         78.1198,
         "Asia/Kolkata",
         330,
         false,
         false},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        std::vector<std::string> arguments = {"place"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        arguments.push_back("--json");
        const auto run = RunInProcess(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto list = nlohmann::json::parse(run.out);
        ASSERT_TRUE(list.is_array());
        ASSERT_FALSE(list.empty());
        const auto& best = list.front();
        EXPECT_EQ(best.at("place"), c.place);
        EXPECT_EQ(best.at("country"), c.country);
        EXPECT_NEAR(best.at("latitude").get<double>(), c.latitudeDeg, kCoordinateToleranceDeg);
        EXPECT_NEAR(best.at("longitude").get<double>(), c.longitudeDeg, kCoordinateToleranceDeg);
        EXPECT_EQ(best.at("time_zone"), c.timeZone);
        EXPECT_EQ(best.at("utc_offset_minutes"), c.utcOffsetMinutes);
        EXPECT_EQ(best.at("dst"), c.dst);
        EXPECT_EQ(best.at("caution").is_string(), c.caution);
    }
}

TEST(PlaceCommand, CandidatesAsTextBestFirst) {
    const auto run = RunInProcess({"place", "Madras", "--date", "1960-01-01", "--limit", "1"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Chennai (Madras), Tamil Nadu, India\n"
                       "  13°05' N  80°17' E  Asia/Kolkata  UTC+5:30\n");

    const auto london = RunInProcess({"place", "London", "--date", "1947-05-01", "--time", "09:00"});
    EXPECT_THAT(london.out,
                ::testing::StartsWith("London, England, United Kingdom\n"
                                      "  51°31' N  0°08' W  Europe/London  UTC+2:00 daylight saving\n"
                                      "London, Ontario, Canada\n"));
}

TEST(PlaceCommand, RefusesImpossibleDatesAndUnknownPlaces) {
    constexpr const char* kSeeHelp = "Run with --help for more information.\n";
    struct RefusedCase {
        std::vector<std::string> arguments;
        int exitCode;
        std::string message;
    };
    const std::vector<RefusedCase> cases = {
        {{"Chennai", "--date", "1990-02-30"}, 1, "velmora-cli: --date: \"1990-02-30\" is not a real date\n"},
        {{"Chennai", "--date", "0000-01-01"}, 1, "velmora-cli: --date: \"0000-01-01\" is not a real date\n"},
        // Out of range for the date given, or for today's when none is.
        {{"Chennai", "--date", "1990-01-01", "--time", "24:00"},
         1,
         "velmora-cli: --time: \"24:00\" is out of range (00:00 to 23:59)\n"},
        {{"London", "--time", "24:00"},
         1,
         "velmora-cli: --time: \"24:00\" is out of range (00:00 to 23:59)\n"},
        {{"London", "--time", "12:60"},
         1,
         "velmora-cli: --time: \"12:60\" is out of range (00:00 to 23:59)\n"},
        {{"Qqxzv"}, 1, "velmora-cli: no place found for \"Qqxzv\"\n"},
        {{"Chennai", "--date", "1990-2-3"},
         2,
         "velmora-cli: --date: expected YYYY-MM-DD, got \"1990-2-3\"\n"},
        {{"Chennai", "--date", "1990--1-01"},
         2,
         "velmora-cli: --date: expected YYYY-MM-DD, got \"1990--1-01\"\n"},
        {{"Chennai", "--time", "9:5"}, 2, "velmora-cli: --time: expected HH:MM, got \"9:5\"\n"},
        {{"Chennai", "--time", "-1:00"}, 2, "velmora-cli: --time: expected HH:MM, got \"-1:00\"\n"},
        // Anything but plain digits is refused, not taken as "all" or as some other number.
        {{"London", "--limit", "-1"},
         2,
         std::string("--limit: expected a whole number from 0 up, got \"-1\"\n") + kSeeHelp},
        {{"London", "--limit", "18446744073709551616"},
         2,
         std::string("--limit: expected a whole number from 0 up, got \"18446744073709551616\"\n") +
             kSeeHelp},
        {{"London", "--limit", ""},
         2,
         std::string("--limit: expected a whole number from 0 up, got \"\"\n") + kSeeHelp},
        {{"London", "--limit", "0x2"},
         2,
         std::string("--limit: expected a whole number from 0 up, got \"0x2\"\n") + kSeeHelp},
        {{"London", "--limit", "+2"},
         2,
         std::string("--limit: expected a whole number from 0 up, got \"+2\"\n") + kSeeHelp},
    };
    for (const RefusedCase& c : cases) {
        std::vector<std::string> arguments = {"place"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(::testing::PrintToString(arguments));
        const auto run = RunInProcess(arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.err, c.message);
        EXPECT_EQ(run.out, "");
    }
}

TEST(PlaceCommand, LimitCountsPlaces) {
    const auto all = RunInProcess({"place", "London", "--date", "1990-01-01", "--limit", "0", "--json"});
    ASSERT_EQ(all.exitCode, 0) << all.err;
    EXPECT_GT(nlohmann::json::parse(all.out).size(), 2u);
    const auto two = RunInProcess({"place", "London", "--date", "1990-01-01", "--limit", "2", "--json"});
    EXPECT_EQ(nlohmann::json::parse(two.out).size(), 2u);
    const auto huge =
        RunInProcess({"place", "London", "--date", "1990-01-01", "--limit", "18446744073709551615"});
    const auto allText = RunInProcess({"place", "London", "--date", "1990-01-01", "--limit", "0"});
    EXPECT_EQ(huge.out, allText.out);
}

// A reading at a named place equals the reading typed with that place's values
// at universal time (zone 0:00), where no zone sign or daylight saving is involved.
TEST(ReadingAtPlace, EqualsTheReadingTypedInUniversalTime) {
    struct AtPlaceCase {
        const char* place;
        const char* date;
        const char* localTime;
        const char* universalTime;
        const char* longitude;
        const char* latitude;
        const char* starLine;
    };
    const std::vector<AtPlaceCase> cases = {
        // +1:00 west of Greenwich.
        {"Madrid, Spain", "1990-01-01", "06:00", "05:00", "3:42W", "40:25N",
         "Star:                Dhanistha\n"},
        // Double summer time, +2:00.
        {"London, United Kingdom", "1947-05-01", "12:00", "10:00", "0:08W", "51:31N",
         "Star:                Uttara Phalguni\n"},
        {"Madras", "1990-01-01", "05:30", "00:00", "80:17E", "13:05N", "Star:                Dhanistha\n"},
    };
    for (const AtPlaceCase& c : cases) {
        SCOPED_TRACE(c.place);
        const auto atPlace = RunInProcess(
            {"reading", "--name", "A", "--date", c.date, "--time", c.localTime, "--place", c.place});
        const auto typed =
            RunInProcess({"reading", "--name", "A", "--date", c.date, "--time", c.universalTime, "--zone",
                          "0:00", "--longitude", c.longitude, "--latitude", c.latitude});
        EXPECT_EQ(atPlace.exitCode, 0) << atPlace.err;
        EXPECT_THAT(atPlace.out, ::testing::StartsWith(c.starLine));
        EXPECT_EQ(atPlace.out, typed.out);
    }
}

// British summer time after 2037, beyond the changes the zoneinfo files list: the
// minutes to the next star tell 11:00 UT from the 12:00 UT a kept winter offset gives.
TEST(ReadingAtPlace, SummerTimeAfter2037) {
    const auto place =
        RunInProcess({"place", "London", "--date", "2045-07-01", "--time", "12:00", "--limit", "1"});
    EXPECT_EQ(place.out, "London, England, United Kingdom\n"
                         "  51°31' N  0°08' W  Europe/London  UTC+1:00 daylight saving\n");
    const auto atPlace = RunInProcess({"reading", "--name", "A", "--date", "2045-07-01", "--time", "12:00",
                                       "--place", "London, United Kingdom", "--margins"});
    const auto typed =
        RunInProcess({"reading", "--name", "A", "--date", "2045-07-01", "--time", "11:00", "--zone", "0:00",
                      "--longitude", "0:08W", "--latitude", "51:31N", "--margins"});
    EXPECT_EQ(atPlace.exitCode, 0) << atPlace.err;
    EXPECT_EQ(atPlace.out, typed.out);
}

TEST(ReadingAtPlace, RefusesUnknownPlacesAndPlacesWithCoordinates) {
    const std::vector<std::string> base = {"reading",    "--name", "A",    "--date",
                                           "1990-01-01", "--time", "06:00"};
    const auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), base.begin(), base.end());
        return RunInProcess(more);
    };
    const auto unknown = with({"--place", "Qqxzv"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, "velmora-cli: --place: no place found for \"Qqxzv\"\n");
    // The date's own fault is named before any place is looked up.
    const auto early = RunInProcess(
        {"reading", "--name", "A", "--date", "1900-01-01", "--time", "06:00", "--place", "Qqxzv"});
    EXPECT_EQ(early.exitCode, 1);
    EXPECT_EQ(early.err, "velmora-cli: --date: expected a year from 1901 to 2050, got \"1900\"\n");
    EXPECT_EQ(with({"--place", "Madrid", "--zone", "1:00"}).exitCode, 2);
    EXPECT_EQ(with({"--place", "Madrid", "--longitude", "3:42W"}).exitCode, 2);
    EXPECT_EQ(with({"--place", "Madrid", "--dst"}).exitCode, 2);
}

TEST(BatchAtPlace, PlaceColumnInsteadOfZoneAndCoordinates) {
    const std::string input = "name,year,month,day,hour,minute,place\n"
                              "M,1990,1,1,6,0,\"Madrid, Spain\"\n" // 2
                              "X,1990,1,1,6,0,Qqxzv\n"             // 3
                              "F,1990,2,30,6,0,Madrid\n"           // 4
                              "Y,1900,1,1,6,0,Qqxzv\n"             // 5: the row's own fault first
                              "L,1947,5,1,12,0,London United Kingdom\n";
    const auto run = RunInProcess({"batch"}, input);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "line 3: place: no place found for \"Qqxzv\"\n"
                       "line 4: day: Please Enter Correct Date Or Month!\n"
                       "line 5: year: expected a year from 1901 to 2050, got \"1900\"\n");
    EXPECT_EQ(run.out, "name,year,month,day,hour,minute,place,star,paksha,bird,ruling_days_day,"
                       "ruling_days_night,death_days\n"
                       "M,1990,1,1,6,0,\"Madrid, Spain\",Dhanistha,Shukla Paksha,Peacock,Saturday,Thursday,"
                       "Wednesday\n"
                       "L,1947,5,1,12,0,London United Kingdom,Uttara Phalguni,Shukla Paksha,Crow,Thursday,"
                       "\"Sunday , Tuesday\",Monday\n");
}

} // namespace
} // namespace velmora
