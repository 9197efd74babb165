#include <gtest/gtest.h>

#include "reading/field_conversion.h"
#include "reading/validation.h"

#include "support/example_births.h"

namespace velmora {
namespace {

using testing::Delhi1947Form;

// The failed check of the fields, or nothing when they pass.
std::optional<ValidationFailure> FailureOf(const BirthFormFields& fields) {
    const auto checked = CheckBirthForm(fields);
    if (const auto* failure = std::get_if<ValidationFailure>(&checked)) {
        return *failure;
    }
    return std::nullopt;
}

TEST(ConvertFieldText, TheFormsNumberRule) {
    struct Case {
        const char* text;
        bool absolute;
        std::optional<std::int16_t> want;
    };
    const Case cases[] = {
        {"5", true, 5},
        {"-5", true, 5},
        {"+5", true, 5},
        {"5.5", true, 6},
        {"4.5", true, 4},
        {" 7 ", false, 7},
        {"-5", false, -5},
        {"2.5", false, 2},
        {"-2.5", false, -2},
        {"-3.5", false, -4},
        {"0.5", false, 0},
        {"1.5", false, 2},
        {".5", false, 0},
        {"5.", false, 5},
        {"2.51", false, 3},
        {"32767", false, 32767},
        {"-32768", false, -32768},
        {"32767.4", false, 32767},
        {"32767.5", false, std::nullopt},
        {"-32768", true, std::nullopt},
        {"40000", false, std::nullopt},
        {"ab", true, std::nullopt},
        {"", false, std::nullopt},
        {"   ", false, std::nullopt},
        {"-", false, std::nullopt},
        {".", false, std::nullopt},
        {"1e3", false, std::nullopt},
        {"1.2.3", false, std::nullopt},
        {"5 5", false, std::nullopt},
        {"--5", false, std::nullopt},
        {"\t5", false, std::nullopt},
        {"99999999999999999999999999", false, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConvertFieldText(c.text, c.absolute), c.want)
            << '"' << c.text << "\" absolute=" << c.absolute;
    }
}

TEST(CheckBirthForm, ChecksInOrderOnlyTheFirstFailureCounts) {
    struct Case {
        const char* what;
        void (*blank)(BirthFormFields&);
        int step;
        CheckMessage message;
        FormField focus;
    };
    const Case cases[] = {
        {"name of spaces", [](BirthFormFields& f) { f.name = "   "; }, 1, CheckMessage::EnterName,
         FormField::Name},
        {"zone hour first of several blanks",
         [](BirthFormFields& f) {
             f.zoneHour = "";
             f.latitudeMinutes = "";
         },
         2, CheckMessage::EnterZoneHour, FormField::ZoneHour},
        {"zone minute", [](BirthFormFields& f) { f.zoneMinute = " "; }, 3, CheckMessage::EnterZoneMinute,
         FormField::ZoneMinute},
        {"longitude degree", [](BirthFormFields& f) { f.longitudeDegrees = ""; }, 4,
         CheckMessage::EnterLongitudeDegree, FormField::LongitudeDegrees},
        {"longitude minute", [](BirthFormFields& f) { f.longitudeMinutes = ""; }, 5,
         CheckMessage::EnterLongitudeMinute, FormField::LongitudeMinutes},
        {"latitude degree", [](BirthFormFields& f) { f.latitudeDegrees = ""; }, 6,
         CheckMessage::EnterLatitudeDegree, FormField::LatitudeDegrees},
        {"latitude minute", [](BirthFormFields& f) { f.latitudeMinutes = ""; }, 7,
         CheckMessage::EnterLatitudeMinute, FormField::LatitudeMinutes},
        {"letters in the zone are refused like a blank", [](BirthFormFields& f) { f.zoneHour = "ab"; }, 2,
         CheckMessage::EnterZoneHour, FormField::ZoneHour},
        {"a pasted sign-less non-number in a coordinate",
         [](BirthFormFields& f) { f.latitudeDegrees = "1x"; }, 6, CheckMessage::EnterLatitudeDegree,
         FormField::LatitudeDegrees},
        {"beyond 16 bits", [](BirthFormFields& f) { f.longitudeMinutes = "70000"; }, 5,
         CheckMessage::EnterLongitudeMinute, FormField::LongitudeMinutes},
        {"a blank name wins over a bad date",
         [](BirthFormFields& f) {
             f.name = "";
             f.monthIndex = 1;
             f.dayIndex = 30;
         },
         1, CheckMessage::EnterName, FormField::Name},
    };
    for (const auto& c : cases) {
        BirthFormFields f = Delhi1947Form();
        c.blank(f);
        const auto failure = FailureOf(f);
        ASSERT_TRUE(failure.has_value()) << c.what;
        EXPECT_EQ(failure->step, c.step) << c.what;
        EXPECT_EQ(failure->message, c.message) << c.what;
        EXPECT_EQ(failure->icon, MessageIcon::Error) << c.what;
        EXPECT_EQ(failure->focus, c.focus) << c.what;
    }
    for (const char* accepted : {"-5", "+5", "5.5", " 7 "}) {
        BirthFormFields f = Delhi1947Form();
        f.zoneHour = accepted;
        EXPECT_FALSE(FailureOf(f).has_value()) << accepted;
    }
}

// Values no birth place has are refused with the field's own message; the
// largest ones that exist are taken.
TEST(CheckBirthForm, ImpossiblePlacesAndZonesAreRefused) {
    struct Case {
        const char* what;
        void (*set)(BirthFormFields&);
        std::optional<FormField> refused; // nothing: accepted
    };
    const Case cases[] = {
        {"latitude 91", [](BirthFormFields& f) { f.latitudeDegrees = "91"; }, FormField::LatitudeDegrees},
        {"latitude 90 30'",
         [](BirthFormFields& f) {
             f.latitudeDegrees = "90";
             f.latitudeMinutes = "30";
         },
         FormField::LatitudeDegrees},
        {"latitude 90 0'",
         [](BirthFormFields& f) {
             f.latitudeDegrees = "90";
             f.latitudeMinutes = "0";
         },
         std::nullopt},
        {"longitude 181", [](BirthFormFields& f) { f.longitudeDegrees = "181"; },
         FormField::LongitudeDegrees},
        {"longitude 180 1'",
         [](BirthFormFields& f) {
             f.longitudeDegrees = "180";
             f.longitudeMinutes = "1";
         },
         FormField::LongitudeDegrees},
        {"a pasted negative degree", [](BirthFormFields& f) { f.latitudeDegrees = "-5"; },
         FormField::LatitudeDegrees},
        {"60 minutes of latitude", [](BirthFormFields& f) { f.latitudeMinutes = "60"; },
         FormField::LatitudeMinutes},
        {"60 minutes of longitude", [](BirthFormFields& f) { f.longitudeMinutes = "60"; },
         FormField::LongitudeMinutes},
        {"60 minutes of zone", [](BirthFormFields& f) { f.zoneMinute = "60"; }, FormField::ZoneMinute},
        {"zone 32767", [](BirthFormFields& f) { f.zoneHour = "32767"; }, FormField::ZoneHour},
        {"zone +14:00 (Line Islands)",
         [](BirthFormFields& f) {
             f.zoneHour = "+14";
             f.zoneMinute = "0";
         },
         std::nullopt},
        {"zone +14:30",
         [](BirthFormFields& f) {
             f.zoneHour = "+14";
             f.zoneMinute = "30";
         },
         FormField::ZoneHour},
        {"zone -12:00",
         [](BirthFormFields& f) {
             f.zoneHour = "-12";
             f.zoneMinute = "0";
         },
         std::nullopt},
        {"zone -12:30",
         [](BirthFormFields& f) {
             f.zoneHour = "-12";
             f.zoneMinute = "30";
         },
         FormField::ZoneHour},
        {"zone -13",
         [](BirthFormFields& f) {
             f.zoneHour = "-13";
             f.zoneMinute = "0";
         },
         FormField::ZoneHour},
        {"unsigned 13 east of Greenwich",
         [](BirthFormFields& f) {
             f.zoneHour = "13";
             f.zoneMinute = "0";
         },
         std::nullopt},
        {"unsigned 13 west of Greenwich (13 hours behind)",
         [](BirthFormFields& f) {
             f.zoneHour = "13";
             f.zoneMinute = "0";
             f.longitudeEast = false;
         },
         FormField::ZoneHour},
    };
    for (const Case& c : cases) {
        BirthFormFields f = Delhi1947Form();
        c.set(f);
        const auto failure = FailureOf(f);
        ASSERT_EQ(failure.has_value(), c.refused.has_value()) << c.what;
        if (failure) {
            EXPECT_EQ(failure->focus, *c.refused) << c.what;
            EXPECT_EQ(failure->problem, FieldProblem::OutOfRange) << c.what;
            EXPECT_EQ(failure->icon, MessageIcon::Error) << c.what;
        }
    }
}

TEST(CheckBirthForm, DatesOfFebruaryAndTheThirtyDayMonths) {
    struct Case {
        int year, month, day;
        std::optional<CheckMessage> want;
    };
    const Case cases[] = {
        {1904, 2, 29, std::nullopt},
        {2000, 2, 29, std::nullopt},
        {2048, 2, 29, std::nullopt},
        {1901, 2, 29, CheckMessage::NoSuchDayInFebruary},
        {1999, 2, 29, CheckMessage::NoSuchDayInFebruary},
        {2001, 2, 29, CheckMessage::NoSuchDayInFebruary},
        {1904, 2, 30, CheckMessage::NoSuchDayInFebruary},
        {1901, 2, 30, CheckMessage::NoSuchDayInFebruary},
        {2000, 2, 31, CheckMessage::NoSuchDayInFebruary},
        {1901, 2, 28, std::nullopt},
        {1901, 4, 31, CheckMessage::NoSuchDayInMonth},
        {1950, 6, 31, CheckMessage::NoSuchDayInMonth},
        {2010, 9, 31, CheckMessage::NoSuchDayInMonth},
        {2050, 11, 31, CheckMessage::NoSuchDayInMonth},
        {1950, 1, 31, std::nullopt},
        {1950, 12, 31, std::nullopt},
        {1950, 4, 30, std::nullopt},
    };
    for (const auto& c : cases) {
        BirthFormFields f = Delhi1947Form();
        f.year = c.year;
        f.monthIndex = c.month - 1;
        f.dayIndex = c.day - 1;
        const auto failure = FailureOf(f);
        const std::string date =
            std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day);
        if (!c.want) {
            EXPECT_FALSE(failure.has_value()) << date;
            continue;
        }
        ASSERT_TRUE(failure.has_value()) << date;
        EXPECT_EQ(failure->message, *c.want) << date;
        EXPECT_EQ(failure->icon, MessageIcon::Information) << date;
        EXPECT_EQ(failure->focus, FormField::None) << date;
    }
}

TEST(DigitsOnlyFilter, DigitsAndBackspacePass) {
    for (char32_t c = U'0'; c <= U'9'; ++c) {
        EXPECT_TRUE(DigitsOnlyFilter(c));
    }
    EXPECT_TRUE(DigitsOnlyFilter(8));
    for (const char32_t c : {U'-', U'.', U' ', U'\r', U'\n', char32_t{3}, char32_t{22}, char32_t{24}, U'a',
                             U'/', U':', U'\u0663'}) {
        EXPECT_FALSE(DigitsOnlyFilter(c)) << static_cast<unsigned>(c);
    }
}

TEST(CheckBirthForm, ConvertsEachFieldOnceAndKeepsTheFlags) {
    BirthFormFields f = Delhi1947Form();
    f.name = "  Ravi Kumar ";
    f.monthIndex = 7;
    f.dayIndex = 14;
    f.year = 1947;
    f.hour = 23;
    f.minute = 59;
    f.zoneHour = "-5.5";
    f.zoneMinute = "+30";
    f.longitudeEast = false;
    f.latitudeSouth = true;
    f.daylightSaving = true;
    const auto checked = CheckBirthForm(f);
    ASSERT_TRUE(std::holds_alternative<BirthRecord>(checked));
    const BirthRecord& r = std::get<BirthRecord>(checked);
    EXPECT_EQ(r.BirthName, "Ravi Kumar");
    EXPECT_EQ(r.BirthMonth, 8);
    EXPECT_EQ(r.BirthDay, 15);
    EXPECT_EQ(r.BirthYear, 1947);
    EXPECT_EQ(r.BirthHour, 23);
    EXPECT_EQ(r.BirthMinute, 59);
    EXPECT_EQ(r.ZoneHours, 6);
    EXPECT_EQ(r.ZoneMinutes, 30);
    EXPECT_EQ(r.LongitudeDegrees, 77);
    EXPECT_EQ(r.LatitudeMinutes, 36);
    EXPECT_TRUE(r.DaylightSaving);
    EXPECT_FALSE(r.LongitudeEast);
    EXPECT_TRUE(r.LatitudeSouth);
}

} // namespace
} // namespace velmora
