#include <gtest/gtest.h>

#include <cmath>

#include "reading/reading_session.h"

#include "support/example_births.h"

namespace velmora {
namespace {

using testing::Delhi1947Form;

TEST(ReadingSession, AWholeReading) {
    ReadingSession session;
    ASSERT_FALSE(session.Calculate(Delhi1947Form()).has_value());
    const ReadingResults& r = session.Results();
    EXPECT_EQ(r.MoonStarNameValue, "Pushya");
    EXPECT_EQ(r.StarName, "Pushya");
    EXPECT_EQ(r.PakshaName, "Krishna Paksha");
    EXPECT_EQ(r.RulingBird, "Cock"); // Pushya's bird in the dark fortnight
    EXPECT_EQ(r.RulingDaysDay, "Sunday, Tuesday");
    EXPECT_EQ(r.BirdPicture, 3);
    EXPECT_EQ(r.PakshiDescription.rfind("        As per Panch-Pakshi Shastra, the bird of Pushya is Owl.", 0),
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
    EXPECT_EQ(failure->message, kMsgEnterName);
    EXPECT_EQ(session.Record().BirthYear, before.BirthYear);
    EXPECT_EQ(session.Results().StarName, "Pushya");
}

TEST(ReadingSession, ReopenRerunsTheLookUpsOnly) {
    ReadingSession session;
    ASSERT_FALSE(session.Calculate(Delhi1947Form()).has_value());
    const double centuries = session.Engine().JulianCenturies;

    session.Reopen("Revati", "Shukla Paksha");
    EXPECT_EQ(session.Results().StarName, "Revati");
    EXPECT_EQ(session.Results().RulingBird, "Peacock");
    EXPECT_EQ(session.Record().BirthYear, 1947);
    EXPECT_EQ(session.Engine().JulianCenturies, centuries);

    // An unknown name is shown as it is; the look-up results stay those of Revati.
    const std::string revatiText = session.Results().StarDescription;
    session.Reopen("Nowhere", "");
    EXPECT_EQ(session.Results().StarName, "Nowhere");
    EXPECT_EQ(session.Results().PakshaName, "");
    EXPECT_EQ(session.Results().StarDescription, revatiText);
    EXPECT_EQ(session.Results().RulingBird, "Peacock");
}

// Every loop of the computation must end, with sane values, for every birth the
// form can hand over: the first and last supported minutes, the largest zone
// and coordinate numbers that convert, and every longitude on both sides.
TEST(ReadingSession, ExtremesOfTheFormStayFiniteAndEnd) {
    struct Moment {
        int year, monthIndex, dayIndex, hour, minute;
    };
    const Moment moments[] = {{1901, 0, 0, 0, 0}, {2050, 11, 30, 23, 59}, {2000, 1, 28, 12, 0}};
    const char* zones[] = {"0", "999", "32767", "-32767"};
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
                        ASSERT_FALSE(session.Calculate(f).has_value());
                        const EngineState& e = session.Engine();
                        const PanchangState& p = session.Panchang();
                        ASSERT_TRUE(e.StarIndex >= 0 && e.StarIndex < 27) << zone << " " << longitude;
                        ASSERT_TRUE(p.MoonLongitudeDeg >= 0.0 && p.MoonLongitudeDeg <= 360.0);
                        ASSERT_TRUE(p.SunLongitudeDeg >= 0.0 && p.SunLongitudeDeg <= 360.0);
                        ASSERT_FALSE(session.Results().RulingBird.empty());
                        ++readings;
                    }
                }
            }
        }
    }
    EXPECT_EQ(readings, 3 * 4 * 3 * 183 * 2);
}

} // namespace
} // namespace velmora
