// velmora-cli place, run as a user runs it.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "run_program.h"

namespace velmora {
namespace {

using ::testing::HasSubstr;
using testing::RunCli;

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
        const auto run = RunCli(arguments);
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
    const auto run = RunCli({"place", "Madras", "--date", "1960-01-01", "--limit", "1"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Chennai (Madras), Tamil Nadu, India\n"
                       "  13°05' N  80°17' E  Asia/Kolkata  UTC+5:30\n");

    const auto london = RunCli({"place", "London", "--date", "1947-05-01", "--time", "09:00"});
    EXPECT_THAT(london.out,
                ::testing::StartsWith("London, England, United Kingdom\n"
                                      "  51°31' N  0°08' W  Europe/London  UTC+2:00 daylight saving\n"
                                      "London, Ontario, Canada\n"));
}

TEST(PlaceCommand, RefusesImpossibleDatesAndUnknownPlaces) {
    struct RefusedCase {
        std::vector<std::string> arguments;
        int exitCode;
        const char* message;
    };
    const std::vector<RefusedCase> cases = {
        {{"place", "Chennai", "--date", "1990-02-30"}, 1, "1990-02-30"},
        {{"place", "Chennai", "--time", "24:00"}, 1, "24:00"},
        {{"place", "Qqxzv"}, 1, "no place found"},
        {{"place", "Chennai", "--date", "1990-2-3"}, 2, "--date 1990-2-3"},
        {{"place", "Chennai", "--time", "9:5"}, 2, "--time 9:5"},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.message);
        const auto run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_THAT(run.err, HasSubstr(c.message));
    }
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
        const auto atPlace =
            RunCli({"reading", "--name", "A", "--date", c.date, "--time", c.localTime, "--place", c.place});
        const auto typed = RunCli({"reading", "--name", "A", "--date", c.date, "--time", c.universalTime,
                                   "--zone", "0:00", "--longitude", c.longitude, "--latitude", c.latitude});
        EXPECT_EQ(atPlace.exitCode, 0) << atPlace.err;
        EXPECT_THAT(atPlace.out, ::testing::StartsWith(c.starLine));
        EXPECT_EQ(atPlace.out, typed.out);
    }
}

TEST(ReadingAtPlace, RefusesUnknownPlacesAndPlacesWithCoordinates) {
    const std::vector<std::string> base = {"reading",    "--name", "A",    "--date",
                                           "1990-01-01", "--time", "06:00"};
    const auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), base.begin(), base.end());
        return RunCli(more);
    };
    const auto unknown = with({"--place", "Qqxzv"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, "velmora-cli: --place: no place found for \"Qqxzv\"\n");
    EXPECT_EQ(with({"--place", "Madrid", "--zone", "1:00"}).exitCode, 2);
    EXPECT_EQ(with({"--place", "Madrid", "--longitude", "3:42W"}).exitCode, 2);
    EXPECT_EQ(with({"--place", "Madrid", "--dst"}).exitCode, 2);
}

TEST(BatchAtPlace, PlaceColumnInsteadOfZoneAndCoordinates) {
    const std::string input = "name,year,month,day,hour,minute,place\n"
                              "M,1990,1,1,6,0,\"Madrid, Spain\"\n" // 2
                              "X,1990,1,1,6,0,Qqxzv\n"             // 3
                              "F,1990,2,30,6,0,Madrid\n"           // 4
                              "L,1947,5,1,12,0,London United Kingdom\n";
    const auto run = RunCli({"batch"}, input);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "line 3: place: no place found for \"Qqxzv\"\n"
                       "line 4: day: Please Enter Correct Date Or Month!\n");
    EXPECT_EQ(run.out, "name,year,month,day,hour,minute,place,star,paksha,bird,ruling_days_day,"
                       "ruling_days_night,death_days\n"
                       "M,1990,1,1,6,0,\"Madrid, Spain\",Dhanistha,Shukla Paksha,Peacock,Saturday,Thursday,"
                       "Wednesday\n"
                       "L,1947,5,1,12,0,London United Kingdom,Uttara Phalguni,Shukla Paksha,Crow,Thursday,"
                       "\"Sunday , Tuesday\",Monday\n");
}

} // namespace
} // namespace velmora
