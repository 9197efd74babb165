#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

#include "reading/birth_time_margins.h"
#include "reading/reading_session.h"

#include "support/example_births.h"

namespace velmora {
namespace {

using testing::Delhi1947Form;

// The form with its date and time moved by `shift` minutes, by the standard
// library's calendar; nothing outside the form's years.
std::optional<BirthFormFields> ShiftForm(BirthFormFields form, int shift) {
    using namespace std::chrono;
    const sys_days date = year_month_day{year{form.year}, month{static_cast<unsigned>(form.monthIndex + 1)},
                                         day{static_cast<unsigned>(form.dayIndex + 1)}};
    const sys_time<minutes> moment = date + hours{form.hour} + minutes{form.minute + shift};
    const sys_days shiftedDate = floor<days>(moment);
    const year_month_day ymd{shiftedDate};
    if (static_cast<int>(ymd.year()) < 1901 || static_cast<int>(ymd.year()) > 2050) {
        return std::nullopt;
    }
    const hh_mm_ss clock{moment - shiftedDate};
    form.year = static_cast<int>(ymd.year());
    form.monthIndex = static_cast<int>(static_cast<unsigned>(ymd.month())) - 1;
    form.dayIndex = static_cast<int>(static_cast<unsigned>(ymd.day())) - 1;
    form.hour = static_cast<int>(clock.hours().count());
    form.minute = static_cast<int>(clock.minutes().count());
    return form;
}

// The star and fortnight a session shows for the form moved by `shift` minutes.
std::optional<ReadingResults> SessionReadingAt(const BirthFormFields& form, int shift) {
    const auto shifted = ShiftForm(form, shift);
    if (!shifted) {
        return std::nullopt;
    }
    ReadingSession session;
    EXPECT_FALSE(session.Calculate(*shifted).has_value());
    return session.Results();
}

enum class Part { Star, Fortnight };

bool SameAt(const BirthFormFields& form, int shift, Part part, const ReadingResults& birth) {
    const ReadingResults r = SessionReadingAt(form, shift).value();
    return part == Part::Star ? r.star == birth.star : r.fortnight == birth.fortnight;
}

BirthFormFields FormOf(int year, int month, int day, int hour, int minute, const char* zoneHour,
                       const char* zoneMinute, const char* longitudeDeg, bool east) {
    BirthFormFields form = Delhi1947Form();
    form.year = year;
    form.monthIndex = month - 1;
    form.dayIndex = day - 1;
    form.hour = hour;
    form.minute = minute;
    form.zoneHour = zoneHour;
    form.zoneMinute = zoneMinute;
    form.longitudeDegrees = longitudeDeg;
    form.longitudeMinutes = "0";
    form.longitudeEast = east;
    return form;
}

BirthTimeMargins MarginsOf(const BirthFormFields& form) {
    ReadingSession session;
    EXPECT_FALSE(session.Calculate(form).has_value());
    return FindBirthTimeMargins(session.Record());
}

TEST(BirthTimeMargins, HoldAtTheMarginAndOneMinuteShortForRandomBirths) {
    std::mt19937 random(20240519);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int i = 0; i < 1000; ++i) {
        BirthFormFields form = Delhi1947Form();
        form.year = pick(1901, 2050);
        form.monthIndex = pick(0, 11);
        form.dayIndex = pick(0, 27);
        form.hour = pick(0, 23);
        form.minute = pick(0, 59);
        const char* const signs[] = {"", "+", "-"}; // as typed: hemisphere rule, ahead, behind
        form.zoneHour = signs[pick(0, 2)] + std::to_string(pick(0, 11));
        form.zoneMinute = std::to_string(pick(0, 3) * 15);
        form.daylightSaving = pick(0, 3) == 0;
        form.longitudeDegrees = std::to_string(pick(0, 179));
        form.longitudeMinutes = std::to_string(pick(0, 59));
        form.longitudeEast = pick(0, 1) == 1;
        SCOPED_TRACE(std::to_string(form.year) + "-" + std::to_string(form.monthIndex + 1) + "-" +
                     std::to_string(form.dayIndex + 1) + " " + std::to_string(form.hour) + ":" +
                     std::to_string(form.minute));

        const ReadingResults birth = SessionReadingAt(form, 0).value();
        const BirthTimeMargins margins = MarginsOf(form);
        EXPECT_EQ(margins.reading.star, birth.star);
        const struct {
            std::optional<int> minutes;
            int direction;
            Part part;
        } sides[] = {
            {margins.starMinutesBefore, -1, Part::Star},
            {margins.starMinutesAfter, +1, Part::Star},
            {margins.fortnightMinutesBefore, -1, Part::Fortnight},
            {margins.fortnightMinutesAfter, +1, Part::Fortnight},
        };
        for (const auto& side : sides) {
            if (side.minutes) {
                ASSERT_GE(*side.minutes, 1);
                ASSERT_LE(*side.minutes, 1440);
                EXPECT_FALSE(SameAt(form, side.direction * *side.minutes, side.part, birth));
                EXPECT_TRUE(SameAt(form, side.direction * (*side.minutes - 1), side.part, birth));
            } else if (ShiftForm(form, side.direction * 1440)) {
                EXPECT_TRUE(SameAt(form, side.direction * 1440, side.part, birth));
            }
        }
        for (const auto& [near, direction] : {std::pair{margins.earlier, -1}, std::pair{margins.later, +1}}) {
            if (near) {
                const ReadingResults other = SessionReadingAt(form, direction * near->minutes).value();
                EXPECT_EQ(near->reading.star, other.star);
                EXPECT_EQ(near->reading.fortnight, other.fortnight);
                EXPECT_EQ(near->reading.bird->bird, other.bird->bird);
            }
        }
    }
}

TEST(BirthTimeMargins, AreTheFirstChangesMinuteByMinute) {
    constexpr int kNone = -1;
    const struct {
        BirthFormFields form;
        int starBefore, starAfter, fortnightBefore, fortnightAfter;
    } cases[] = {
        {Delhi1947Form(), 63, 1208, kNone, kNone},
        // The Sun's next whole degree turns a just-dark fortnight bright again.
        {FormOf(1919, 3, 16, 7, 0, "7", "30", "97", false), 585, 983, 48, 64},
        // The form's first and last minutes bound the search.
        {FormOf(1901, 1, 1, 0, 10, "5", "30", "77", true), kNone, 406, kNone, kNone},
        {FormOf(2050, 12, 31, 23, 50, "5", "30", "77", true), 1237, kNone, kNone, kNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.form.year);
        const BirthTimeMargins margins = MarginsOf(c.form);
        EXPECT_EQ(margins.starMinutesBefore.value_or(kNone), c.starBefore);
        EXPECT_EQ(margins.starMinutesAfter.value_or(kNone), c.starAfter);
        EXPECT_EQ(margins.fortnightMinutesBefore.value_or(kNone), c.fortnightBefore);
        EXPECT_EQ(margins.fortnightMinutesAfter.value_or(kNone), c.fortnightAfter);

        // Every minute of the day each way, read by a session.
        const ReadingResults birth = SessionReadingAt(c.form, 0).value();
        for (const int direction : {-1, +1}) {
            std::optional<int> star;
            std::optional<int> fortnight;
            for (int minute = 1; minute <= 1440; ++minute) {
                const auto r = SessionReadingAt(c.form, direction * minute);
                if (!r) {
                    break;
                }
                if (!star && r->star != birth.star) {
                    star = minute;
                }
                if (!fortnight && r->fortnight != birth.fortnight) {
                    fortnight = minute;
                }
            }
            EXPECT_EQ(star, direction < 0 ? margins.starMinutesBefore : margins.starMinutesAfter);
            EXPECT_EQ(fortnight,
                      direction < 0 ? margins.fortnightMinutesBefore : margins.fortnightMinutesAfter);
        }
    }
}

TEST(BirthTimeMargins, ABirthThreeMinutesBeforeAStarEdge) {
    BirthFormFields form = Delhi1947Form();
    form.hour = 20; // 1208 minutes after midnight is 20:08, where Ashlesha begins
    form.minute = 5;
    const BirthTimeMargins margins = MarginsOf(form);
    EXPECT_EQ(margins.starMinutesAfter, 3);
    EXPECT_EQ(margins.starMinutesBefore, 1268);
    ASSERT_TRUE(margins.later.has_value());
    EXPECT_EQ(margins.later->minutes, 3);
    EXPECT_EQ(margins.later->reading.star, Star::Ashlesha);
    EXPECT_FALSE(margins.earlier.has_value());
    EXPECT_EQ(NearChangeLine(margins, Language::English),
              "A birth time 3 minutes later gives Ashlesha, still with the Cock.");
}

TEST(BirthTimeMargins, ShiftMovesOnlyTheDateAndTime) {
    const struct {
        int year, month, day, hour, minute, shift;
        int toYear, toMonth, toDay, toHour, toMinute;
    } cases[] = {
        {2000, 2, 28, 23, 59, 1, 2000, 2, 29, 0, 0},     // a leap day, in a century year
        {1904, 3, 1, 0, 0, -1, 1904, 2, 29, 23, 59},     //
        {1999, 12, 31, 23, 30, 45, 2000, 1, 1, 0, 15},   // a new year
        {1947, 8, 15, 0, 0, -1440, 1947, 8, 14, 0, 0},   //
        {1901, 3, 1, 12, 0, -1440, 1901, 2, 28, 12, 0},  // no leap day in 1901
        {2050, 12, 31, 23, 59, 0, 2050, 12, 31, 23, 59}, //
        {1901, 2, 30, 12, 0, 0, 1901, 3, 2, 12, 0},      // an impossible date counts on
    };
    for (const auto& c : cases) {
        BirthRecord record =
            testing::MakeBirthRecord(c.year, c.month, c.day, c.hour, c.minute, 5, 30, 77, 12, true);
        record.BirthName = "Asha";
        const auto shifted = ShiftBirthMinutes(record, c.shift);
        ASSERT_TRUE(shifted.has_value());
        EXPECT_EQ(shifted->BirthYear, c.toYear);
        EXPECT_EQ(shifted->BirthMonth, c.toMonth);
        EXPECT_EQ(shifted->BirthDay, c.toDay);
        EXPECT_EQ(shifted->BirthHour, c.toHour);
        EXPECT_EQ(shifted->BirthMinute, c.toMinute);
        EXPECT_EQ(shifted->BirthName, "Asha");
        EXPECT_EQ(shifted->LongitudeMinutes, 12);
    }
    EXPECT_FALSE(ShiftBirthMinutes(testing::MakeBirthRecord(1901, 1, 1, 0, 0, 0, 0, 0, 0, true), -1));
    EXPECT_FALSE(ShiftBirthMinutes(testing::MakeBirthRecord(2050, 12, 31, 23, 59, 0, 0, 0, 0, true), 1));
}

TEST(BirthTimeMargins, TheLineNamesWhatChangesOnTheNearerSide) {
    const RulingBird owl{Bird::Owl, {}, {}, {}};
    const RulingBird crow{Bird::Crow, {}, {}, {}};
    const MinuteReading birth{Star::Pushya, Fortnight::Bright, owl};
    const MinuteReading nextStarCrow{Star::Ashlesha, Fortnight::Bright, crow};
    const MinuteReading nextStarOwl{Star::Ashlesha, Fortnight::Bright, owl};
    const MinuteReading darkCrow{Star::Pushya, Fortnight::Dark, crow};
    const MinuteReading bothOwl{Star::Punarvasu, Fortnight::Dark, owl};
    const MinuteReading nextStarNoBird{Star::Ashlesha, Fortnight::Bright, std::nullopt};
    // Tamil leaves the names uninflected after என.
    const struct {
        std::optional<NearChange> earlier, later;
        const char* english;
        const char* tamil;
    } cases[] = {
        {std::nullopt, std::nullopt, "", ""},
        {std::nullopt, NearChange{6, nextStarCrow},
         "A birth time 6 minutes later gives Ashlesha and the Crow.",
         "பிறந்த நேரம் 6 நிமிடங்கள் பிந்தியிருந்தால் நட்சத்திரம் ஆயில்யம் எனவும் பட்சி காகம் எனவும் மாறும்."},
        {NearChange{1, darkCrow}, std::nullopt,
         "A birth time 1 minute earlier gives Krishna Paksha and the Crow.",
         "பிறந்த நேரம் 1 நிமிடம் முந்தியிருந்தால் பட்சம் தேய்பிறை எனவும் பட்சி காகம் எனவும் மாறும்."},
        {NearChange{12, bothOwl}, NearChange{20, nextStarOwl},
         "A birth time 12 minutes earlier gives Punarvasu and Krishna Paksha, still with the Owl.",
         "பிறந்த நேரம் 12 நிமிடங்கள் முந்தியிருந்தால் நட்சத்திரம் புனர்பூசம் எனவும் பட்சம் தேய்பிறை எனவும் "
         "மாறும்; பட்சி ஆந்தை என்றே இருக்கும்."},
        {NearChange{5, MinuteReading{Star::Punarvasu, Fortnight::Dark, crow}}, std::nullopt,
         "A birth time 5 minutes earlier gives Punarvasu, Krishna Paksha and the Crow.",
         "பிறந்த நேரம் 5 நிமிடங்கள் முந்தியிருந்தால் நட்சத்திரம் புனர்பூசம் எனவும் பட்சம் தேய்பிறை எனவும் "
         "பட்சி காகம் எனவும் மாறும்."},
        {NearChange{9, darkCrow}, NearChange{9, nextStarOwl},
         "A birth time 9 minutes later gives Ashlesha, still with the Owl.",
         "பிறந்த நேரம் 9 நிமிடங்கள் பிந்தியிருந்தால் நட்சத்திரம் ஆயில்யம் என மாறும்; பட்சி ஆந்தை என்றே இருக்கும்."},
        {std::nullopt, NearChange{2, nextStarNoBird}, "A birth time 2 minutes later gives Ashlesha.",
         "பிறந்த நேரம் 2 நிமிடங்கள் பிந்தியிருந்தால் நட்சத்திரம் ஆயில்யம் என மாறும்."},
    };
    for (const auto& c : cases) {
        BirthTimeMargins margins;
        margins.reading = birth;
        margins.earlier = c.earlier;
        margins.later = c.later;
        EXPECT_EQ(NearChangeLine(margins, Language::English), c.english);
        EXPECT_EQ(NearChangeLine(margins, Language::Tamil), c.tamil);
    }
}

} // namespace
} // namespace velmora
