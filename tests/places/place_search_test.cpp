#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "places/match_words.h"
#include "places/place_names.h"
#include "places/place_search.h"
#include "places/zone_at_time.h"

namespace velmora::places {
namespace {

// Published city-centre coordinates; the gazetteer's may differ by a few hundredths.
constexpr double kCoordinateToleranceDeg = 0.15;

struct FindCase {
    const char* query;
    LocalDateTime when;
    const char* place; // the gazetteer's name of the best candidate
    const char* countryCode;
    double latitudeDeg;
    double longitudeDeg;
    const char* timeZoneId;
    int utcOffsetMinutes;
    bool daylightSaving;
};

TEST(FindPlaceAt, FindsCitiesByTheirOwnFormerAndTamilNames) {
    const std::vector<FindCase> cases = {
        {"Chennai", {2000, 1, 1, 12, 0}, "Chennai", "IN", 13.0827, 80.2707, "Asia/Kolkata", 330, false},
        {"Madras", {2000, 1, 1, 12, 0}, "Chennai", "IN", 13.0827, 80.2707, "Asia/Kolkata", 330, false},
        {"Bombay", {1950, 1, 26, 10, 0}, "Mumbai", "IN", 19.0760, 72.8777, "Asia/Kolkata", 330, false},
        // War time, 1942 to 1945.
        {"Calcutta", {1943, 6, 1, 12, 0}, "Kolkata", "IN", 22.5726, 88.3639, "Asia/Kolkata", 390, true},
        {"Bangalore", {2000, 1, 1, 12, 0}, "Bengaluru", "IN", 12.9716, 77.5946, "Asia/Kolkata", 330, false},
        {"Trichy",
         {2000, 1, 1, 12, 0},
         "Tiruchirappalli",
         "IN",
         10.7905,
         78.7047,
         "Asia/Kolkata",
         330,
         false},
        {"Pondicherry",
         {2000, 1, 1, 12, 0},
         "Puducherry",
         "IN",
         11.9416,
         79.8083,
         "Asia/Kolkata",
         330,
         false},
        {"Trivandrum", {2000, 1, 1, 12, 0}, "Trivandrum", "IN", 8.5241, 76.9366, "Asia/Kolkata", 330, false},
        {"Singapore", {1970, 1, 1, 12, 0}, "Singapore", "SG", 1.2833, 103.8333, "Asia/Singapore", 450, false},
        {"Kathmandu", {1990, 1, 1, 12, 0}, "Kathmandu", "NP", 27.7172, 85.3240, "Asia/Kathmandu", 345, false},
        // Sri Lanka kept +6:30 from 25 May to 26 October 1996.
        {"Colombo", {1996, 6, 1, 12, 0}, "Colombo", "LK", 6.9271, 79.8612, "Asia/Colombo", 390, false},
        {"Madrid, Spain", {1990, 7, 1, 12, 0}, "Madrid", "ES", 40.4168, -3.7038, "Europe/Madrid", 120, true},
        {"Madrid", {1990, 1, 1, 6, 0}, "Madrid", "ES", 40.4168, -3.7038, "Europe/Madrid", 60, false},
        // British double summer time.
        {"London", {1947, 5, 1, 12, 0}, "London", "GB", 51.5074, -0.1278, "Europe/London", 120, true},
        {"London Ontario",
         {1990, 1, 1, 12, 0},
         "London",
         "CA",
         42.9849,
         -81.2453,
         "America/Toronto",
         -300,
         false},
        {"சென்னை", {2000, 1, 1, 12, 0}, "Chennai", "IN", 13.0827, 80.2707, "Asia/Kolkata", 330, false},
        {"மதுரை", {2000, 1, 1, 12, 0}, "Madurai", "IN", 9.9252, 78.1198, "Asia/Kolkata", 330, false},
        {"Madras Tamil Nadu India Latitude Longitude",
         {2000, 1, 1, 12, 0},
         "Chennai",
         "IN",
         13.0827,
         80.2707,
         "Asia/Kolkata",
         330,
         false},
    };
    const Gazetteer gazetteer;
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.query);
        const std::optional<PlaceAtTime> found = FindPlaceAt(gazetteer, c.query, c.when);
        ASSERT_TRUE(found.has_value());
        const GazetteerPlace& place = found->match.place;
        EXPECT_EQ(place.name, c.place);
        EXPECT_EQ(place.countryCode, c.countryCode);
        EXPECT_NEAR(place.latitudeDeg, c.latitudeDeg, kCoordinateToleranceDeg);
        EXPECT_NEAR(place.longitudeDeg, c.longitudeDeg, kCoordinateToleranceDeg);
        EXPECT_EQ(found->zone.timeZoneId, c.timeZoneId);
        EXPECT_EQ(found->zone.utcOffsetMinutes, c.utcOffsetMinutes);
        EXPECT_EQ(found->zone.daylightSaving, c.daylightSaving);
    }
}

TEST(FindPlaceAt, FindsNothingForNoPlaceOrAnImpossibleDate) {
    const Gazetteer gazetteer;
    EXPECT_FALSE(FindPlaceAt(gazetteer, "Qqxzv", {2000, 1, 1, 12, 0}).has_value());
    EXPECT_FALSE(FindPlaceAt(gazetteer, "  ,  ", {2000, 1, 1, 12, 0}).has_value());
    EXPECT_FALSE(FindPlaceAt(gazetteer, "Chennai", {1990, 2, 30, 12, 0}).has_value());
}

// Every other name leads to its city, first: a misspelt gazetteer name or a
// wrong country in the table would find nothing.
TEST(SearchPlaces, EveryOtherNameFindsItsCityFirst) {
    const Gazetteer gazetteer;
    for (const OtherName& other : OtherNames()) {
        SCOPED_TRACE(std::string(other.typed));
        const std::vector<PlaceMatch> matches = SearchPlaces(gazetteer, other.typed);
        ASSERT_FALSE(matches.empty());
        EXPECT_EQ(matches.front().place.name, other.gazetteerName);
        EXPECT_EQ(matches.front().place.countryCode, other.countryCode);
    }
}

GazetteerPlace Town(const char* name, const char* state, const char* country, const char* code,
                    std::uint32_t population) {
    return {.name = name,
            .state = state,
            .country = country,
            .countryCode = code,
            .timeZoneId = {},
            .latitudeDeg = 0,
            .longitudeDeg = 0,
            .population = population};
}

struct RankCase {
    const char* query;
    std::vector<const char*> expectedStates; // the candidates' states, best first
};

TEST(RankPlaces, WholeNamesThenRegionThenPopulation) {
    const std::vector<GazetteerPlace> candidates = {
        Town("Hyderabad", "Telangana", "India", "IN", 6809970),
        Town("Hyderābād", "Sindh Province", "Pakistan", "PK", 1386330),
        Town("Hyderabad Colony", "Punjab", "Pakistan", "PK", 20000),
        Town("Salem", "Tamil Nadu", "India", "IN", 917414),
        Town("Salem", "Oregon", "United States of America", "US", 164549),
        Town("Winston-Salem", "North Carolina", "United States of America", "US", 241218),
    };
    // Partial matches (every Salem for "hyderabad") come after the whole names.
    const std::vector<RankCase> cases = {
        // Accents do not matter; the bigger of two equal names first.
        {"hyderabad", {"Telangana", "Sindh Province", "Tamil Nadu", "North Carolina", "Oregon", "Punjab"}},
        // The state's own word counts, "Province" does not.
        {"hyderabad sindh",
         {"Sindh Province", "Telangana", "Tamil Nadu", "North Carolina", "Oregon", "Punjab"}},
        {"hyderabad province",
         {"Telangana", "Sindh Province", "Tamil Nadu", "North Carolina", "Oregon", "Punjab"}},
        // Two whole words beat one.
        {"hyderabad colony",
         {"Punjab", "Telangana", "Sindh Province", "Tamil Nadu", "North Carolina", "Oregon"}},
        // The country's code and the short names people type; a partial match naming the country
        // goes before the others.
        {"salem usa", {"Oregon", "Tamil Nadu", "North Carolina", "Telangana", "Sindh Province", "Punjab"}},
        {"salem oregon us",
         {"Oregon", "Tamil Nadu", "North Carolina", "Telangana", "Sindh Province", "Punjab"}},
        {"salem in", {"Tamil Nadu", "Oregon", "Telangana", "Sindh Province", "North Carolina", "Punjab"}},
    };
    for (const RankCase& c : cases) {
        SCOPED_TRACE(c.query);
        std::vector<PlaceMatch> matches;
        for (const GazetteerPlace& place : candidates) {
            matches.push_back({.place = place, .cityWords = 0, .regionScore = 0, .knownAs = {}});
        }
        const std::vector<PlaceMatch> ranked = RankPlaces(MatchWords(c.query), matches);
        std::vector<std::string> states;
        for (const PlaceMatch& match : ranked) {
            states.push_back(match.place.state);
        }
        EXPECT_EQ(states, std::vector<std::string>(c.expectedStates.begin(), c.expectedStates.end()));
    }
}

} // namespace
} // namespace velmora::places
