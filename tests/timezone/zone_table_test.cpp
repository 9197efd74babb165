#include "timezone/zone_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace velmora {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

TEST(ZoneTable, RowsAreSortedIgnoringCase) {
    for (std::size_t i = 1; i < TimeZoneTable.size(); ++i) {
        EXPECT_LT(Lower(TimeZoneTable[i - 1].listText), Lower(TimeZoneTable[i].listText)) << "row " << i;
    }
}

TEST(ZoneTable, ChosenRows) {
    struct Case {
        std::size_t position;
        std::string_view listText, hourText, minuteText;
    };
    const Case cases[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", "9", "0"},
        {29, "Greenwich Mean Time,GMT,0.0", "0", "0"},
        {34, "Indian Time, IST, +5.3", "-5", "-30"},
        {36, "Int'l Date Line West,IDLW,-12.0", "12", "0"},
        {46, "New Zealand Std Summer Time,NZST,+13.0", "-13", "0"},
        {48, "New Zealand Summer Time,NZS,+12.5", "-12", "-30"},
        {50, "Newfoundland Standard Time,NST,-3.5", "3", "30"},
        {61, "Universal Time, UT, 0.0", "0", "0"},
        {70, "Yukon War Time,YWT,-8.0", "8", "0"},
    };
    for (const Case& c : cases) {
        const TimeZoneRow& row = TimeZoneTable.at(c.position);
        EXPECT_EQ(row.listText, c.listText) << "row " << c.position;
        EXPECT_EQ(row.hourText, c.hourText) << "row " << c.position;
        EXPECT_EQ(row.minuteText, c.minuteText) << "row " << c.position;
    }
}

// Every row's field texts follow from the offset printed at the end of its list
// text: sign reversed, whole hours, minutes with the sign of the hours.
TEST(ZoneTable, FieldTextsFollowThePrintedOffset) {
    for (std::size_t i = 0; i < TimeZoneTable.size(); ++i) {
        const TimeZoneRow& row = TimeZoneTable[i];
        std::string printed(row.listText.substr(row.listText.rfind(',') + 1));
        printed.erase(0, printed.find_first_not_of(' '));
        // The one row written "+5.3" means five and a half hours, like every ".5".
        const double offsetHours = printed == "+5.3" ? 5.5 : std::stod(printed);
        const int totalMinutes = static_cast<int>(std::lround(-offsetHours * 60));
        EXPECT_EQ(row.hourText, std::to_string(totalMinutes / 60)) << row.listText;
        EXPECT_EQ(row.minuteText, std::to_string(totalMinutes % 60)) << row.listText;
    }
}

TEST(ZoneTable, ExactlyEightRowsHaveBlanksAfterTheCommas) {
    const auto spaced = std::ranges::count_if(TimeZoneTable, [](const TimeZoneRow& row) {
        return row.listText.find(", ") != std::string_view::npos;
    });
    EXPECT_EQ(spaced, 8);
}

} // namespace
} // namespace velmora
