#include "cli/batch.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using Change = std::pair<BatchColumn, std::string>;

// The 1947 example: 15 August 1947 00:00, zone 5:30, 77:12 E, 28:36 N.
std::vector<std::string> ExampleRow(const std::vector<Change>& changes = {}) {
    std::vector<std::string> row = {"Asha", "1947", "8",  "15", "0",  "0",  "5", "30",
                                    "0",    "77",   "12", "E",  "28", "36", "N"};
    for (const auto& [column, text] : changes) {
        row[static_cast<std::size_t>(column)] = text;
    }
    return row;
}

struct RefusedRow {
    std::string name;
    std::vector<Change> changes;
    std::string_view column;
    std::string message;
};

void PrintTo(const RefusedRow& c, std::ostream* out) {
    *out << c.name;
}

class RefusedRowTest : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(RefusedRowTest, NamesColumnAndReason) {
    const RefusedRow& c = GetParam();
    ReadingSession session;
    const auto error = ComputeRow(ExampleRow(c.changes), session);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->column, c.column);
    EXPECT_EQ(error->message, c.message);
    EXPECT_FALSE(session.Results().star.has_value()) << "nothing is computed for a refused row";
}

using C = BatchColumn;
INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedRowTest,
    ::testing::Values(
        RefusedRow{"BlankName", {{C::Name, "   "}}, "name", "Please Enter Name"},
        RefusedRow{
            "YearBefore1901", {{C::Year, "1900"}}, "year", "expected a year from 1901 to 2050, got \"1900\""},
        RefusedRow{
            "YearAfter2050", {{C::Year, "2051"}}, "year", "expected a year from 1901 to 2050, got \"2051\""},
        RefusedRow{
            "YearNotANumber", {{C::Year, "19x7"}}, "year", "expected a year from 1901 to 2050, got \"19x7\""},
        RefusedRow{"YearMissing", {{C::Year, ""}}, "year", "expected a year from 1901 to 2050, got \"\""},
        RefusedRow{"MonthZero", {{C::Month, "0"}}, "month", "expected a month from 1 to 12, got \"0\""},
        RefusedRow{"Month13", {{C::Month, "13"}}, "month", "expected a month from 1 to 12, got \"13\""},
        RefusedRow{"MonthNegative", {{C::Month, "-1"}}, "month", "expected a month from 1 to 12, got \"-1\""},
        RefusedRow{"Day32", {{C::Day, "32"}}, "day", "expected a day from 1 to 31, got \"32\""},
        RefusedRow{"DayFraction", {{C::Day, "1.5"}}, "day", "expected a day from 1 to 31, got \"1.5\""},
        RefusedRow{"Hour24", {{C::Hour, "24"}}, "hour", "expected an hour from 0 to 23, got \"24\""},
        RefusedRow{"Minute60", {{C::Minute, "60"}}, "minute", "expected a minute from 0 to 59, got \"60\""},
        RefusedRow{
            "February30", {{C::Month, "2"}, {C::Day, "30"}}, "day", "Please Enter Correct Date Or Month!"},
        RefusedRow{"February29In1999",
                   {{C::Year, "1999"}, {C::Month, "2"}, {C::Day, "29"}},
                   "day",
                   "Please Enter Correct Date Or Month!"},
        RefusedRow{
            "April31", {{C::Month, "4"}, {C::Day, "31"}}, "day", "Please Enter Correct Date Or Month !"},
        RefusedRow{"ZoneHourBlank", {{C::ZoneHour, ""}}, "zone_hour", "Please Enter Hour of the Time Zone"},
        RefusedRow{"ZoneHourLetters", {{C::ZoneHour, "ab"}}, "zone_hour", "\"ab\" is not a number"},
        RefusedRow{"ZoneHourBeyond16Bits",
                   {{C::ZoneHour, "40000"}},
                   "zone_hour",
                   "\"40000\" is out of range (-12:00 to +14:00)"},
        RefusedRow{"ZoneMinuteLetters", {{C::ZoneMinute, "3o"}}, "zone_minute", "\"3o\" is not a number"},
        RefusedRow{"LongitudeDegreeLetters",
                   {{C::LongitudeDegrees, "7a"}},
                   "longitude_deg",
                   "\"7a\" is not a number"},
        RefusedRow{"LongitudeMinuteBlank",
                   {{C::LongitudeMinutes, " "}},
                   "longitude_min",
                   "Please Enter Minute of Longitude"},
        RefusedRow{"LatitudeDegreeExponent",
                   {{C::LatitudeDegrees, "1e1"}},
                   "latitude_deg",
                   "\"1e1\" is not a number"},
        RefusedRow{
            "LatitudeMinuteLetters", {{C::LatitudeMinutes, "x"}}, "latitude_min", "\"x\" is not a number"},
        RefusedRow{"DstTwo", {{C::Dst, "2"}}, "dst", "expected 0 or 1, got \"2\""},
        RefusedRow{"DstWord", {{C::Dst, "yes"}}, "dst", "expected 0 or 1, got \"yes\""},
        RefusedRow{
            "LongitudeSideX", {{C::LongitudeSide, "X"}}, "longitude_side", "expected E or W, got \"X\""},
        RefusedRow{"LatitudeSideE", {{C::LatitudeSide, "E"}}, "latitude_side", "expected N or S, got \"E\""},
        RefusedRow{"ControlBytesEscaped",
                   {{C::Year, "19\n7\x7f"}},
                   "year",
                   "expected a year from 1901 to 2050, got \"19\\x0a7\\x7f\""},
        RefusedRow{"ListColumnsBeforeTypedFields",
                   {{C::ZoneHour, ""}, {C::Minute, "61"}},
                   "minute",
                   "expected a minute from 0 to 59, got \"61\""}),
    [](const ::testing::TestParamInfo<RefusedRow>& info) { return info.param.name; });

struct AcceptedRow {
    std::string name;
    std::vector<Change> changes;
};

void PrintTo(const AcceptedRow& c, std::ostream* out) {
    *out << c.name;
}

class AcceptedRowTest : public ::testing::TestWithParam<AcceptedRow> {};

TEST_P(AcceptedRowTest, IsComputed) {
    ReadingSession session;
    EXPECT_EQ(ComputeRow(ExampleRow(GetParam().changes), session), std::nullopt);
    EXPECT_TRUE(session.Results().star.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AcceptedRowTest,
    ::testing::Values(AcceptedRow{"Example", {}},
                      AcceptedRow{"February29In2000", {{C::Year, "2000"}, {C::Month, "2"}, {C::Day, "29"}}},
                      AcceptedRow{"January31", {{C::Month, "1"}, {C::Day, "31"}}},
                      AcceptedRow{"FirstAndLastYear", {{C::Year, "1901"}}},
                      AcceptedRow{"LastYear", {{C::Year, "2050"}, {C::Hour, "23"}, {C::Minute, "59"}}},
                      AcceptedRow{"SpacesAroundNumbers", {{C::Day, " 15 "}, {C::ZoneHour, " 5 "}}},
                      AcceptedRow{"SignedZone", {{C::ZoneHour, "-5"}, {C::ZoneMinute, "+30"}}},
                      AcceptedRow{"FractionalZone", {{C::ZoneHour, "5.5"}}},
                      AcceptedRow{"WestSouthDst",
                                  {{C::LongitudeSide, "W"}, {C::LatitudeSide, "S"}, {C::Dst, "1"}}}),
    [](const ::testing::TestParamInfo<AcceptedRow>& info) { return info.param.name; });

TEST(BatchRow, ChoicesReachTheRecordTheRightWayRound) {
    // The two side flags run opposite ways in the record: East is true, South is true.
    ReadingSession eastNorth;
    ASSERT_EQ(ComputeRow(ExampleRow(), eastNorth), std::nullopt);
    EXPECT_TRUE(eastNorth.Record().LongitudeEast);
    EXPECT_FALSE(eastNorth.Record().LatitudeSouth);
    EXPECT_FALSE(eastNorth.Record().DaylightSaving);

    ReadingSession westSouth;
    ASSERT_EQ(
        ComputeRow(ExampleRow({{C::LongitudeSide, "W"}, {C::LatitudeSide, "S"}, {C::Dst, "1"}}), westSouth),
        std::nullopt);
    EXPECT_FALSE(westSouth.Record().LongitudeEast);
    EXPECT_TRUE(westSouth.Record().LatitudeSouth);
    EXPECT_TRUE(westSouth.Record().DaylightSaving);
    EXPECT_EQ(westSouth.Record().BirthMonth, 8);
    EXPECT_EQ(westSouth.Record().BirthDay, 15);
}

} // namespace
} // namespace velmora
