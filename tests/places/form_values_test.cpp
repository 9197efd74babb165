#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "places/form_values.h"

namespace velmora::places {
namespace {

struct FormCase {
    const char* what;
    double latitudeDeg;
    double longitudeDeg;
    int utcOffsetMinutes;
    bool daylightSaving;
    PlaceFormValues expected;
};

TEST(FormValuesFor, CoordinatesToTheMinuteAndTheStandardZoneWithItsSign) {
    const std::vector<FormCase> cases = {
        {"Chennai",
         13.08784,
         80.27847,
         330,
         false,
         {{"+5", "30", false, "80", "17", true, "13", "5", false}}},
        {"Madrid in summer",
         40.4165,
         -3.70256,
         120,
         true,
         {{"+1", "00", true, "3", "42", false, "40", "25", false}}},
        {"London, double summer time",
         51.50853,
         -0.12574,
         120,
         true,
         {{"+1", "00", true, "0", "8", false, "51", "31", false}}},
        {"London in winter",
         51.50853,
         -0.12574,
         0,
         false,
         {{"+0", "00", false, "0", "8", false, "51", "31", false}}},
        {"St. John's",
         47.56494,
         -52.70931,
         -210,
         false,
         {{"-3", "30", false, "52", "43", false, "47", "34", false}}},
        {"Rio de Janeiro",
         -22.90642,
         -43.18223,
         -180,
         false,
         {{"-3", "00", false, "43", "11", false, "22", "54", true}}},
        {"59.99 minutes carry",
         59.9999,
         0.004,
         0,
         false,
         {{"+0", "00", false, "0", "0", true, "60", "0", false}}},
        {"half an hour behind in summer",
         0,
         0,
         -30,
         true,
         {{"-1", "30", true, "0", "0", true, "0", "0", false}}},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.what);
        GazetteerPlace place;
        place.name = c.what;
        place.latitudeDeg = c.latitudeDeg;
        place.longitudeDeg = c.longitudeDeg;
        ZoneAtTime zone;
        zone.utcOffsetMinutes = c.utcOffsetMinutes;
        zone.daylightSaving = c.daylightSaving;
        const PlaceFormValues values = FormValuesFor(place, zone);
        EXPECT_EQ(values.latitudeDegrees, c.expected.latitudeDegrees);
        EXPECT_EQ(values.latitudeMinutes, c.expected.latitudeMinutes);
        EXPECT_EQ(values.latitudeSouth, c.expected.latitudeSouth);
        EXPECT_EQ(values.longitudeDegrees, c.expected.longitudeDegrees);
        EXPECT_EQ(values.longitudeMinutes, c.expected.longitudeMinutes);
        EXPECT_EQ(values.longitudeEast, c.expected.longitudeEast);
        EXPECT_EQ(values.zoneHour, c.expected.zoneHour);
        EXPECT_EQ(values.zoneMinute, c.expected.zoneMinute);
        EXPECT_EQ(values.daylightSaving, c.expected.daylightSaving);
        EXPECT_EQ(values.city, c.what);
    }
}

} // namespace
} // namespace velmora::places
