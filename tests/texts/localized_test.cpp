#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <iterator>
#include <optional>
#include <string_view>

#include "reading/reading_session.h"
#include "texts/language_texts.h"
#include "texts/localized.h"
#include "texts/look_ups.h"

namespace velmora {
namespace {

TEST(Localized, LanguageCodes) {
    EXPECT_EQ(LanguageFromCode("en"), Language::English);
    EXPECT_EQ(LanguageFromCode("ta"), Language::Tamil);
    for (const std::string_view code : {"", "TA", "tamil", "ta_IN", "de"}) {
        EXPECT_EQ(LanguageFromCode(code), std::nullopt) << code;
    }
}

struct ShownRow {
    Star star;
    Fortnight fortnight;
    Language language;
    std::string_view starName;
    std::string_view fortnightName;
    std::string_view birdName;
    std::string_view rulingDay;
    std::string_view rulingNight;
    std::string_view death;
    std::string_view birdParagraphOpening;
};

// Names and days from the almanac's tables and the glossary, typed here.
constexpr auto kShown = std::to_array<ShownRow>({
    {Star::Pushya, Fortnight::Dark, Language::English, "Pushya", "Krishna Paksha", "Cock", "Sunday, Tuesday",
     "Monday, Saturday", "Thursday, Saturday",
     "        As per Panch-Pakshi Shastra, in the dark fortnight the bird of Pushya is Cock."},
    {Star::Pushya, Fortnight::Dark, Language::Tamil, "பூசம்", "தேய்பிறை", "கோழி", "ஞாயிறு, செவ்வாய்",
     "திங்கள், சனி", "வியாழன், சனி", "        பஞ்சபட்சி சாஸ்திரத்தின்படி, தேய்பிறையில் பூசம் நட்சத்திரத்தின் பட்சி கோழி."},
    {Star::Pushya, Fortnight::Bright, Language::English, "Pushya", "Shukla Paksha", "Owl",
     "Monday , Wednesday", "Saturday", "Sunday , Friday",
     "        As per Panch-Pakshi Shastra, the bird of Pushya is Owl."},
    {Star::Revati, Fortnight::Bright, Language::Tamil, "ரேவதி", "வளர்பிறை", "மயில்", "சனி", "வியாழன்", "புதன்",
     "        பஞ்சபட்சி சாஸ்திரத்தின்படி, ரேவதி நட்சத்திரத்தின் பட்சி மயில்."},
});

TEST(Localized, NamesDaysAndParagraphsOfEachLanguage) {
    for (const ShownRow& row : kShown) {
        SCOPED_TRACE(row.starName);
        EXPECT_EQ(StarName(row.star, row.language), row.starName);
        EXPECT_EQ(FortnightName(row.fortnight, row.language), row.fortnightName);
        const RulingBird bird = LookUpRulingBird(row.star, row.fortnight);
        EXPECT_EQ(BirdName(bird.bird, row.language), row.birdName);
        EXPECT_EQ(DayListText(bird.rulingDaysDay, row.fortnight, row.language), row.rulingDay);
        EXPECT_EQ(DayListText(bird.rulingDaysNight, row.fortnight, row.language), row.rulingNight);
        EXPECT_EQ(DayListText(bird.deathDays, row.fortnight, row.language), row.death);
        const StarTexts texts = StarParagraphs(row.star, row.fortnight, row.language);
        EXPECT_TRUE(texts.pakshiDescription.starts_with(row.birdParagraphOpening));
        EXPECT_TRUE(texts.description.starts_with(std::string("        ") + std::string(row.starName)));
    }
    EXPECT_TRUE(TextsOf(Language::Tamil).fortnightExplanations[1].starts_with("கிருஷ்ண பட்சம்"));
    EXPECT_TRUE(TextsOf(Language::English).introduction.starts_with("Tamil Astrology"));
    EXPECT_TRUE(TextsOf(Language::Tamil).deathDaysExplanation.starts_with("        உங்கள் பட்சி"));
}

TEST(Localized, ReadingInTamilKeepsUnknownLinesAsRead) {
    ReadingSession session;
    session.Reopen({"Pushya", "Krishna Paksha"});
    const LocalizedReading english = Localize(session.Results(), Language::English);
    EXPECT_EQ(english.lines.star, "Pushya");
    EXPECT_EQ(english.lines.bird, "Cock");
    EXPECT_TRUE(english.texts.description.starts_with("        Pushya is the eighth Nakshatra"));
    EXPECT_TRUE(english.fortnightExplanation.starts_with("Also known as the dark fortnight"));

    // The empty reading (a file saved before any star was found) shows its empty
    // lines and keeps the last star's bird and texts, now in Tamil.
    EXPECT_EQ(session.Reopen({"", ""}), ReadingSession::ReopenOutcome::Shown);
    const LocalizedReading kept = Localize(session.Results(), Language::Tamil);
    EXPECT_EQ(kept.lines.star, "");
    EXPECT_EQ(kept.lines.fortnight, "");
    EXPECT_EQ(kept.lines.bird, "கோழி");
    EXPECT_EQ(kept.lines.deathDays, "வியாழன், சனி");
    EXPECT_TRUE(kept.texts.description.starts_with("        பூசம், "));

    ReadingSession fresh;
    fresh.Reopen({"", ""});
    const LocalizedReading empty = Localize(fresh.Results(), Language::Tamil);
    EXPECT_EQ(empty.lines.star, "");
    EXPECT_EQ(empty.lines.fortnight, "");
    EXPECT_EQ(empty.lines.bird, "");
    EXPECT_EQ(empty.texts.pakshiDescription, "");
}

// Days in the week's order, joined as each language and fortnight join them.
TEST(Localized, DayListsFromWeekdays) {
    using namespace std::chrono;
    const struct {
        WeekdaySet days;
        Fortnight fortnight;
        Language language;
        std::string_view want;
    } cases[] = {
        {{}, Fortnight::Bright, Language::English, ""},
        {{Saturday}, Fortnight::Dark, Language::English, "Saturday"},
        {{Tuesday, Sunday}, Fortnight::Bright, Language::English, "Sunday , Tuesday"},
        {{Sunday, Tuesday}, Fortnight::Dark, Language::English, "Sunday, Tuesday"},
        {{Friday, Monday, Wednesday}, Fortnight::Dark, Language::English, "Monday, Wednesday, Friday"},
        {{Thursday, Saturday}, Fortnight::Bright, Language::Tamil, "வியாழன், சனி"},
        {{Saturday, Sunday}, Fortnight::Dark, Language::Tamil, "ஞாயிறு, சனி"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayListText(c.days, c.fortnight, c.language), c.want);
    }
}

// The messages as the user reads them, spelled exactly (the two date messages differ by a blank).
TEST(Localized, CheckMessagesOfEachLanguage) {
    const struct {
        CheckMessage message;
        std::string_view english;
        std::string_view tamil;
    } cases[] = {
        {CheckMessage::EnterName, "Please Enter Name", "பெயரை உள்ளிடவும்"},
        {CheckMessage::EnterZoneHour, "Please Enter Hour of the Time Zone", "நேர மண்டலத்தின் மணியை உள்ளிடவும்"},
        {CheckMessage::EnterZoneMinute, "Please Enter Minute of the Time Zone",
         "நேர மண்டலத்தின் நிமிடத்தை உள்ளிடவும்"},
        {CheckMessage::EnterLongitudeDegree, "Please Enter Degree of Longitude",
         "தீர்க்கரேகையின் பாகையை உள்ளிடவும்"},
        {CheckMessage::EnterLongitudeMinute, "Please Enter Minute of Longitude",
         "தீர்க்கரேகையின் கலையை உள்ளிடவும்"},
        {CheckMessage::EnterLatitudeDegree, "Please Enter Degree of Latitude", "அட்சரேகையின் பாகையை உள்ளிடவும்"},
        {CheckMessage::EnterLatitudeMinute, "Please Enter Minute of Latitude", "அட்சரேகையின் கலையை உள்ளிடவும்"},
        {CheckMessage::NoSuchDayInFebruary, "Please Enter Correct Date Or Month!",
         "சரியான தேதியையோ மாதத்தையோ உள்ளிடவும்!"},
        {CheckMessage::NoSuchDayInMonth, "Please Enter Correct Date Or Month !",
         "சரியான தேதியையோ மாதத்தையோ உள்ளிடவும்!"},
        {CheckMessage::OnlyNumbers, "Only Numbers Are Accepted", "எண்கள் மட்டுமே ஏற்கப்படும்"},
        {CheckMessage::NotAReading, "%1 is not a Velmora reading.", "%1 என்பது Velmora பலன் கோப்பு அல்ல."},
    };
    static_assert(std::size(cases) == kCheckMessageCount);
    for (const auto& c : cases) {
        EXPECT_EQ(CheckMessageText(c.message, Language::English), c.english);
        EXPECT_EQ(CheckMessageText(c.message, Language::Tamil), c.tamil);
    }
}

// The lunar days as the almanacs name them.
TEST(TithiName, FirstFourteenTakeTheirFortnightTheFifteenthItsOwnName) {
    struct Case {
        int tithi;
        Language language;
        std::string_view want;
    };
    const std::array<Case, 7> cases = {{
        {1, Language::English, "Shukla Pratipada"},
        {14, Language::English, "Shukla Chaturdashi"},
        {15, Language::English, "Purnima"},
        {16, Language::English, "Krishna Pratipada"},
        {30, Language::English, "Amavasya"},
        {8, Language::Tamil, "வளர்பிறை அஷ்டமி"},
        {30, Language::Tamil, "அமாவாசை"},
    }};
    for (const Case& c : cases) {
        EXPECT_EQ(TithiName(c.tithi, c.language), c.want) << c.tithi;
    }
}

} // namespace
} // namespace velmora
