#include "cli/date_text.h"

#include <string>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using namespace std::chrono;

TEST(DateText, DatesOfTheShapeYYYYMMDD) {
    const struct {
        const char* text;
        year_month_day want;
        bool real;
    } cases[] = {
        {"1947-08-15", 1947y / August / 15d, true},
        {"2000-02-29", 2000y / February / 29d, true}, // a century divisible by 400 leaps
        {"1900-02-29", 1900y / February / 29d, false},
        {"2023-02-29", 2023y / February / 29d, false},
        {"1990-04-31", 1990y / April / 31d, false},
        {"1990-13-01", year_month_day{1990y, month{13}, 1d}, false},
        {"1990-00-10", year_month_day{1990y, month{0}, 10d}, false},
        {"0900-01-01", 900y / January / 1d, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto date = ParseIsoDate(c.text);
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(*date, c.want);
        EXPECT_EQ(date->ok(), c.real);
    }
    for (const char* text : {"", "1990-2-3", "1990--1-01", "+990-01-01", " 990-01-01", "1990-01-01 ",
                             "1990/01/01", "19900101", "1990-01-0x", "10000-01-01", "1990-01-011"}) {
        EXPECT_EQ(ParseIsoDate(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(DateText, ClockTimesOfTheShapeHHMM) {
    const struct {
        const char* text;
        int hours;
        int minutes;
        bool timeOfDay;
    } cases[] = {
        {"00:00", 0, 0, true},   {"09:05", 9, 5, true},    {"23:59", 23, 59, true},
        {"24:00", 24, 0, false}, {"12:60", 12, 60, false}, {"99:99", 99, 99, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto time = ParseClockTime(c.text);
        ASSERT_TRUE(time.has_value());
        EXPECT_EQ(time->hours, hours{c.hours});
        EXPECT_EQ(time->minutes, minutes{c.minutes});
        EXPECT_EQ(time->IsTimeOfDay(), c.timeOfDay);
    }
    for (const char* text :
         {"", "9:5", "9:05", "-1:00", "+9:00", "0900", "09:00:00", "09.00", " 9:00", "0a:00"}) {
        EXPECT_EQ(ParseClockTime(text).has_value(), false) << '"' << text << '"';
    }
}

} // namespace
} // namespace velmora
