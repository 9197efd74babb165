#include "cli/reading_options.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace velmora {
namespace {

ReadingOptions ExampleOptions() {
    ReadingOptions options;
    options.name = "Asha";
    options.date = "1947-08-15";
    options.time = "00:00";
    options.zone = "5:30";
    options.longitude = "77:12E";
    options.latitude = "28:36N";
    return options;
}

// The texts and choices of the form, in the order of its fields.
std::vector<std::string> FormOf(const BirthFormFields& f) {
    return {f.name,
            std::to_string(f.year),
            std::to_string(f.monthIndex),
            std::to_string(f.dayIndex),
            std::to_string(f.hour),
            std::to_string(f.minute),
            f.zoneHour,
            f.zoneMinute,
            f.daylightSaving ? "dst" : "no dst",
            f.longitudeDegrees,
            f.longitudeMinutes,
            f.longitudeEast ? "E" : "W",
            f.latitudeDegrees,
            f.latitudeMinutes,
            f.latitudeSouth ? "S" : "N"};
}

TEST(ReadingOptions, SplitIntoTheFieldsOfTheForm) {
    // The month and day lists count from 0, the zone and coordinates keep their texts.
    EXPECT_EQ(FormOf(std::get<BirthFormFields>(FieldsFromOptions(ExampleOptions()))),
              (std::vector<std::string>{"Asha", "1947", "7", "14", "0", "0", "5", "30", "no dst", "77", "12",
                                        "E", "28", "36", "N"}));
    ReadingOptions separate = ExampleOptions();
    separate.time = "23:59";
    separate.zone.clear();
    separate.zoneHour = "-4";
    separate.zoneMinute = "45";
    separate.daylightSaving = true;
    separate.longitude = "0:5W";
    separate.latitude = "33:52S";
    EXPECT_EQ(FormOf(std::get<BirthFormFields>(FieldsFromOptions(separate))),
              (std::vector<std::string>{"Asha", "1947", "7", "14", "23", "59", "-4", "45", "dst", "0", "5",
                                        "W", "33", "52", "S"}));
}

TEST(ReadingOptions, RefusalsNameTheOption) {
    const struct {
        void (*change)(ReadingOptions&);
        std::string message;
        int exitStatus;
    } cases[] = {
        {[](ReadingOptions& o) { o.date = "15.08.1947"; }, "--date: expected YYYY-MM-DD, got \"15.08.1947\"",
         2},
        {[](ReadingOptions& o) { o.date = "1947-08-15-1"; },
         "--date: expected YYYY-MM-DD, got \"1947-08-15-1\"", 2},
        {[](ReadingOptions& o) { o.date = "1947-8-15"; }, "--date: expected YYYY-MM-DD, got \"1947-8-15\"",
         2},
        {[](ReadingOptions& o) { o.time = "0000"; }, "--time: expected HH:MM, got \"0000\"", 2},
        {[](ReadingOptions& o) { o.time = "9:05"; }, "--time: expected HH:MM, got \"9:05\"", 2},
        {[](ReadingOptions& o) { o.zone = "530"; }, "--zone: expected H:MM, got \"530\"", 2},
        {[](ReadingOptions& o) { o.longitude = "77:12"; },
         "--longitude: expected DEG:MIN and E or W, as in 77:12E, got \"77:12\"", 2},
        {[](ReadingOptions& o) { o.longitude = "77E"; },
         "--longitude: expected DEG:MIN and E or W, as in 77:12E, got \"77E\"", 2},
        {[](ReadingOptions& o) { o.latitude = ""; },
         "--latitude: expected DEG:MIN and N or S, as in 28:36N, got \"\"", 2},
        // Values the form's lists do not offer are named as typed.
        {[](ReadingOptions& o) { o.date = "0900-01-01"; },
         "--date: expected a year from 1901 to 2050, got \"0900\"", 1},
        {[](ReadingOptions& o) { o.date = "1947-00-15"; },
         "--date: expected a month from 1 to 12, got \"00\"", 1},
        {[](ReadingOptions& o) { o.date = "1947-08-32"; }, "--date: expected a day from 1 to 31, got \"32\"",
         1},
        {[](ReadingOptions& o) { o.time = "12:60"; }, "--time: expected a minute from 0 to 59, got \"60\"",
         1},
        {[](ReadingOptions& o) { o.longitude = "77:12N"; }, "--longitude: expected E or W, got \"N\"", 1},
        // Shapes come before values.
        {[](ReadingOptions& o) {
             o.date = "1900-01-01";
             o.latitude = "28";
         },
         "--latitude: expected DEG:MIN and N or S, as in 28:36N, got \"28\"", 2},
    };
    for (const auto& c : cases) {
        ReadingOptions options = ExampleOptions();
        c.change(options);
        const auto fields = FieldsFromOptions(options);
        ASSERT_TRUE(std::holds_alternative<OptionRefusal>(fields)) << c.message;
        EXPECT_EQ(std::get<OptionRefusal>(fields).message, c.message);
        EXPECT_EQ(std::get<OptionRefusal>(fields).exitStatus, c.exitStatus) << c.message;
    }
}

} // namespace
} // namespace velmora
