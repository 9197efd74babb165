#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "reading/reading_session.h"
#include "texts/localized.h"
#include "texts/reading_lines.h"

#include "support/example_births.h"

namespace velmora {
namespace {

using testing::Delhi1947Form;

std::string_view ShownBird(const ReadingResults& results) {
    return Localize(results, Language::English).lines.bird;
}

StarTexts ShownParagraphs(const ReadingResults& results) {
    return Localize(results, Language::English).texts;
}

TEST(ReadingSession, AWholeReading) {
    ReadingSession session;
    ASSERT_FALSE(session.Calculate(Delhi1947Form()).has_value());
    const ReadingResults& r = session.Results();
    EXPECT_EQ(r.star, Star::Pushya);
    EXPECT_EQ(ShownStarLine(r), "Pushya");
    EXPECT_EQ(ShownFortnightLine(r), "Krishna Paksha");
    EXPECT_EQ(ShownBird(r), "Cock"); // Pushya's bird in the dark fortnight
    ASSERT_TRUE(r.bird.has_value());
    EXPECT_EQ(r.bird->rulingDaysDay, (WeekdaySet{std::chrono::Sunday, std::chrono::Tuesday}));
    EXPECT_EQ(
        ShownParagraphs(r).pakshiDescription.rfind(
            "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Pushya is Cock.", 0),
        0u);
}

TEST(ReadingSession, AFailedCheckChangesNothing) {
    ReadingSession session;
    ASSERT_FALSE(session.Calculate(Delhi1947Form()).has_value());
    const BirthRecord before = session.Record();
    BirthFormFields bad = Delhi1947Form();
    bad.year = 1990;
    bad.name = " ";
    const auto failure = session.Calculate(bad);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, CheckMessage::EnterName);
    EXPECT_EQ(session.Record().BirthYear, before.BirthYear);
    EXPECT_EQ(ShownStarLine(session.Results()), "Pushya");
}

TEST(ReadingSession, ReopenRerunsTheLookUpsOnly) {
    ReadingSession session;
    ASSERT_FALSE(session.Calculate(Delhi1947Form()).has_value());
    const double centuries = session.Moment().julianCenturiesUT;

    session.Reopen({"Revati", "Shukla Paksha"});
    EXPECT_EQ(ShownStarLine(session.Results()), "Revati");
    EXPECT_EQ(ShownBird(session.Results()), "Peacock");
    EXPECT_EQ(session.Record().BirthYear, 1947);
    EXPECT_EQ(session.Moment().julianCenturiesUT, centuries);

    // The empty reading (both lines empty) is shown as it is; the look-up
    // results stay those of Revati.
    const std::string_view revatiText = ShownParagraphs(session.Results()).description;
    EXPECT_EQ(session.Reopen({"", ""}), ReadingSession::ReopenOutcome::Shown);
    EXPECT_EQ(ShownStarLine(session.Results()), "");
    EXPECT_EQ(ShownFortnightLine(session.Results()), "");
    EXPECT_EQ(ShownParagraphs(session.Results()).description, revatiText);
    EXPECT_EQ(ShownBird(session.Results()), "Peacock");

    // A new computation shows the names of its own star and fortnight again.
    ASSERT_FALSE(session.Calculate(Delhi1947Form()).has_value());
    EXPECT_EQ(ShownStarLine(session.Results()), "Pushya");
}

// Lines that are not exactly a star's and a fortnight's name are no reading:
// refused, and nothing changes, whether the session is fresh or holds one.
TEST(ReadingSession, LinesThatAreNoReadingAreRefused) {
    ReadingSession magha;
    magha.Reopen({"Magha", "Shukla Paksha"});
    ASSERT_EQ(ShownBird(magha.Results()), "Owl");
    ASSERT_FALSE(ShownParagraphs(magha.Results()).description.empty());

    for (const ReadingSession& before : {ReadingSession(), magha}) {
        const SavedReadingLines refused[] = {
            {"", "Krishna Paksha"},
            {"ashwini", "Krishna Paksha"},
            {" Ashwini", "Krishna Paksha"},
            {"Ashwini ", "Krishna Paksha"},
            {"ASHWINI", "Krishna Paksha"},
            {"Jyeshta", "Krishna Paksha"},
            {"Aslesha", "Shukla Paksha"},
            {"Poorva  Phalguni", ""},
            {"Krishna Paksha", "Rohini"},
            {"Rohini", ""},
            {"Rohini", "shukla paksha"},
            {"Rohini", "Shukla Paksha "},
            {"a<br>b<b>Star</b>", "\x1b]0;title\x07"},
        };
        for (const SavedReadingLines& lines : refused) {
            SCOPED_TRACE("\"" + lines.starLine + "\" / \"" + lines.fortnightLine + "\"");
            ReadingSession after = before;
            EXPECT_EQ(after.Reopen(lines), ReadingSession::ReopenOutcome::NotAReading);
            EXPECT_EQ(ShownStarLine(after.Results()), ShownStarLine(before.Results()));
            EXPECT_EQ(ShownFortnightLine(after.Results()), ShownFortnightLine(before.Results()));
            EXPECT_EQ(ShownParagraphs(after.Results()).description,
                      ShownParagraphs(before.Results()).description);
            EXPECT_EQ(ShownParagraphs(after.Results()).pakshiDescription,
                      ShownParagraphs(before.Results()).pakshiDescription);
            EXPECT_EQ(ShownBird(after.Results()), ShownBird(before.Results()));
            EXPECT_EQ(after.Results().bird.has_value(), before.Results().bird.has_value());
        }
    }
}

// Every loop of the computation must end, with sane values, for every birth the
// form can hand over: the first and last supported minutes, the largest zones
// and coordinates the form takes, and every longitude on both sides. Values
// beyond them are refused, not computed.
TEST(ReadingSession, ExtremesOfTheFormStayFiniteAndEnd) {
    struct Moment {
        int year, monthIndex, dayIndex, hour, minute;
    };
    const Moment moments[] = {{1901, 0, 0, 0, 0}, {2050, 11, 30, 23, 59}, {2000, 1, 28, 12, 0}};
    const char* zones[] = {"0", "12", "+14", "-12", "32767"};
    const char* minutes[] = {"0", "59", "32767"};
    std::vector<std::string> longitudes = {"32767", "-32768"};
    for (int degree = 0; degree <= 180; ++degree) {
        longitudes.push_back(std::to_string(degree));
    }
    int readings = 0;
    for (const Moment& m : moments) {
        for (const char* zone : zones) {
            for (const char* minute : minutes) {
                for (const std::string& longitude : longitudes) {
                    for (const bool east : {true, false}) {
                        BirthFormFields f = Delhi1947Form();
                        f.year = m.year;
                        f.monthIndex = m.monthIndex;
                        f.dayIndex = m.dayIndex;
                        f.hour = m.hour;
                        f.minute = m.minute;
                        f.zoneHour = zone;
                        f.zoneMinute = minute;
                        f.longitudeDegrees = longitude;
                        f.longitudeMinutes = minute;
                        f.longitudeEast = east;
                        f.daylightSaving = (readings % 2) == 0;
                        ReadingSession session;
                        if (session.Calculate(f).has_value()) {
                            continue;
                        }
                        const PanchangValues& p = session.Panchang();
                        ASSERT_TRUE(session.BirthStar().star.has_value()) << zone << " " << longitude;
                        ASSERT_TRUE(p.moonLongitudeDeg >= 0.0 && p.moonLongitudeDeg <= 360.0);
                        ASSERT_TRUE(p.sunLongitudeDeg >= 0.0 && p.sunLongitudeDeg <= 360.0);
                        ASSERT_TRUE(session.Results().bird.has_value());
                        ++readings;
                    }
                }
            }
        }
    }
    EXPECT_GT(readings, 3 * 4 * 2 * 180 * 2 / 2) << "most of the extremes are births the form takes";
}

} // namespace
} // namespace velmora
