#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "texts/language_texts.h"
#include "texts/look_ups.h"
#include "texts/names.h"
#include "texts/tamil/names.h"

namespace velmora {
namespace {

static_assert(tamil::StarNames.size() == kStarCount);
static_assert(tamil::BirdNames.size() == kBirdCount);

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The first two cells of every table row of the glossary under `heading`, or under every heading.
std::vector<std::pair<std::string, std::string>> GlossaryRows(std::string_view heading = {}) {
    std::vector<std::pair<std::string, std::string>> rows;
    std::istringstream in(ReadFile(VELMORA_TAMIL_GLOSSARY));
    std::string line;
    bool inSection = heading.empty();
    while (std::getline(in, line)) {
        if (line.starts_with("## ") && !heading.empty()) {
            inSection = line.substr(3) == heading;
        }
        if (!inSection || !line.starts_with("| ")) {
            continue;
        }
        const auto middle = line.find(" | ", 2);
        const auto end = line.find(" |", middle + 3);
        if (middle == std::string::npos || end == std::string::npos) {
            continue;
        }
        rows.emplace_back(line.substr(2, middle - 2), line.substr(middle + 3, end - middle - 3));
    }
    return rows;
}

// English term -> Tamil term, from every table of the glossary.
std::map<std::string, std::string> ReadGlossary() {
    std::map<std::string, std::string> terms;
    for (auto& [english, tamil] : GlossaryRows()) {
        terms.emplace(std::move(english), std::move(tamil));
    }
    return terms;
}

const std::map<std::string, std::string>& Glossary() {
    static const auto terms = ReadGlossary();
    return terms;
}

std::string Term(std::string_view english) {
    const auto it = Glossary().find(std::string(english));
    return it == Glossary().end() ? "<" + std::string(english) + " missing from the glossary>" : it->second;
}

// Every code point must be well formed (no overlong or surrogate forms).
bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t point = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            point = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            point = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            point = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            point = (point << 6) | (next & 0x3F);
        }
        constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
        if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

// Tamil letters are U+0B80 to U+0BFF, encoded as E0 AE xx or E0 AF xx.
bool HasTamilLetter(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '\xE0' && (text[i + 1] == '\xAE' || text[i + 1] == '\xAF')) {
            return true;
        }
    }
    return false;
}

bool HasLatinLetter(std::string_view text) {
    for (const char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            return true;
        }
    }
    return false;
}

struct Text {
    std::string Label;
    std::string_view Tamil;
    bool Prefix = false; // a label, followed by its value after a blank
};

std::vector<Text> AllTamilTexts() {
    const LanguageTexts& texts = kTamilTexts;
    std::vector<Text> all;
    const auto add = [&all](const std::string& label, std::string_view tamil, bool prefix = false) {
        all.push_back({label, tamil, prefix});
    };
    for (std::size_t i = 0; i < kStarCount; ++i) {
        add("star name " + std::string(kStarNames[i]), texts.starNames[i]);
        add("star paragraph " + std::string(kStarNames[i]), texts.starParagraphs[i]);
        add("bird paragraph " + std::string(kStarNames[i]), texts.brightBirdParagraphs[i]);
        add("dark bird paragraph " + std::string(kStarNames[i]), texts.darkBirdParagraphs[i]);
    }
    for (std::size_t b = 0; b < kBirdCount; ++b) {
        add("bird " + std::string(kBirdNames[b]), texts.birdNames[b]);
    }
    for (const auto name : texts.fortnightNames) {
        add("fortnight", name);
    }
    for (const auto name : texts.weekdayNames) {
        add("weekday", name);
    }
    for (const auto name : texts.activityNames) {
        add("activity", name);
    }
    for (const auto explanation : texts.fortnightExplanations) {
        add("fortnight explanation", explanation);
    }
    add("introduction", texts.introduction);
    add("nakshatra explanation", texts.nakshatraExplanation);
    add("death days", texts.deathDaysExplanation);
    add("ruling days", texts.rulingDaysExplanation);
    add("lunar day", texts.lunarDayExplanation);
    for (std::size_t m = 0; m < kCheckMessageCount; ++m) {
        add("check message " + std::to_string(m), texts.checkMessages[m]);
    }
    const ReadingLabels& labels = texts.readingLabels;
    for (const auto label : {labels.star, labels.fortnight, labels.bird, labels.rulingDaysDay,
                             labels.rulingDaysNight, labels.deathDays}) {
        add("label", label, true);
    }
    add("star paragraph heading", labels.starParagraph);
    add("bird paragraph heading", labels.birdParagraph);
    for (const auto label : texts.marginLabels.margins) {
        add("margin label", label, true);
    }
    add("no change", texts.marginLabels.noChange);
    add("reading before", texts.marginLabels.readingBefore);
    add("reading after", texts.marginLabels.readingAfter);
    add("minutes of a reading close by", texts.marginLabels.minutesClose, true);
    return all;
}

// The program's own name is kept in English (see the glossary's style).
std::string WithoutProgramName(std::string_view text) {
    std::string kept(text);
    if (const std::size_t at = kept.find("Velmora"); at != std::string::npos) {
        kept.erase(at, 7);
    }
    return kept;
}

TEST(TamilTexts, EveryTextIsWellFormedTamilWithNoEnglishLeft) {
    for (const auto& text : AllTamilTexts()) {
        SCOPED_TRACE(text.Label);
        EXPECT_TRUE(IsValidUtf8(text.Tamil));
        EXPECT_TRUE(HasTamilLetter(text.Tamil));
        EXPECT_FALSE(HasLatinLetter(WithoutProgramName(text.Tamil)));
        EXPECT_EQ(text.Tamil.find("  ", 8), std::string_view::npos);
        EXPECT_EQ(text.Tamil.back() == ' ', text.Prefix);
    }
}

TEST(TamilTexts, NamesFollowTheGlossary) {
    EXPECT_EQ(tamil::StarNames[0], "அசுவினி");
    EXPECT_EQ(tamil::StarNames[7], "பூசம்");
    EXPECT_EQ(tamil::StarNames[26], "ரேவதி");
    EXPECT_EQ(tamil::BirdNames,
              (std::to_array<std::string_view>({"வல்லூறு", "ஆந்தை", "காகம்", "கோழி", "மயில்"})));
    EXPECT_EQ(tamil::FortnightNames, (std::to_array<std::string_view>({"வளர்பிறை", "தேய்பிறை"})));

    for (std::size_t i = 0; i < tamil::StarNames.size(); ++i) {
        EXPECT_EQ(Term(kStarNames[i]), tamil::StarNames[i]);
    }
    for (std::size_t b = 0; b < tamil::BirdNames.size(); ++b) {
        EXPECT_EQ(Term(kBirdNames[b]), tamil::BirdNames[b]);
    }
    EXPECT_EQ(Term(kShuklaPaksha), tamil::kBrightFortnight);
    EXPECT_EQ(Term(kKrishnaPaksha), tamil::kDarkFortnight);
    constexpr std::array<std::string_view, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                           "Thursday", "Friday", "Saturday"};
    for (std::size_t d = 0; d < kWeekdays.size(); ++d) {
        EXPECT_EQ(Term(kWeekdays[d]), tamil::WeekdayNames[d]);
    }
    constexpr std::array<std::string_view, 5> kActivities = {"Ruling", "Eating", "Walking", "Sleeping",
                                                             "Dying"};
    for (std::size_t a = 0; a < kActivities.size(); ++a) {
        EXPECT_EQ(Term(kActivities[a]), tamil::ActivityNames[a]);
    }
}

// All thirty lunar days: the fortnight's name and the day's, or the fifteenth's own name.
TEST(TamilTexts, TithiNamesFollowTheGlossary) {
    for (int tithi = 1; tithi <= 30; ++tithi) {
        const std::string english = TithiName(tithi, Language::English); // "Shukla Pratipada", "Purnima"
        const auto blank = english.find(' ');
        const std::string expected = blank == std::string::npos ? Term(english)
                                                                : Term(english.substr(0, blank) + " Paksha") +
                                                                      " " + Term(english.substr(blank + 1));
        EXPECT_EQ(TithiName(tithi, Language::Tamil), expected) << english;
    }
}

// The text of every <translation> of a Qt translation file.
std::vector<std::string> Translations(const std::string& file) {
    std::vector<std::string> texts;
    for (auto at = file.find("<translation"); at != std::string::npos; at = file.find("<translation", at)) {
        const auto start = file.find('>', at) + 1;
        const auto end = file.find("</translation>", start);
        texts.push_back(file.substr(start, end - start));
        at = end;
    }
    return texts;
}

// A number takes its case ending after a hyphen: "1955-க்கு", never "1955க்கு" or "1955 க்கு" (a Tamil
// word never starts with a consonant without its vowel, so that is an ending cut off).
bool HasUnhyphenatedNumberEnding(std::string_view text) {
    constexpr std::string_view kPulli = "\xE0\xAF\x8D"; // the consonant has no vowel
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            continue;
        }
        const std::string_view after = text.substr(i + 1);
        if (HasTamilLetter(after.substr(0, 2))) {
            return true;
        }
        if (after.starts_with(' ') && HasTamilLetter(after.substr(1, 2)) && after.substr(4, 3) == kPulli) {
            return true;
        }
    }
    return false;
}

// The glossary's rejected forms appear nowhere: not in the tables of texts, the window's
// translation or the guide.
TEST(TamilTexts, RejectedFormsAppearNowhere) {
    const auto rejected = GlossaryRows("Rejected forms");
    ASSERT_GE(rejected.size(), 10U);
    std::vector<std::pair<std::string, std::string>> texts;
    for (const auto& text : AllTamilTexts()) {
        texts.emplace_back(text.Label, text.Tamil);
    }
    for (int tithi = 1; tithi <= 30; ++tithi) {
        texts.emplace_back("tithi " + std::to_string(tithi), TithiName(tithi, Language::Tamil));
    }
    const ScheduleLabels& day = kTamilTexts.scheduleLabels;
    const PlanLabels& plan = kTamilTexts.planLabels;
    for (const std::string_view label :
         {day.place, day.bird, day.day, day.sun, day.coveredBy, day.weekday, day.fortnight, day.tithi, day.star,
          day.atSunrise, day.sunrise, day.sunset, day.nextSunrise, day.birdsDay, day.periods, day.parts[0],
          day.parts[1], day.staysUpAfterRising, day.staysUp, day.staysDownAfterSetting, day.staysDown,
          day.noDayOfItsOwn, day.rulingByDay, day.rulingByNight, day.deathDay, day.noneOfItsDays, day.at,
          day.period, day.subPeriod, day.nextRules, day.strength, day.noRuleWithinAYear, day.noPeriodNow,
          plan.subPeriod, plan.subPeriods, plan.strength, plan.lowestStrength, plan.noWindows}) {
        texts.emplace_back("schedule or plan label", std::string(label));
    }
    for (const auto& translation : Translations(ReadFile(VELMORA_TAMIL_TRANSLATION))) {
        texts.emplace_back("translation", translation);
    }
    std::istringstream guide(ReadFile(VELMORA_TAMIL_GUIDE));
    int lineNumber = 0;
    for (std::string line; std::getline(guide, line);) {
        texts.emplace_back("guide line " + std::to_string(++lineNumber), line);
    }
    ASSERT_GT(lineNumber, 100);
    for (const auto& [label, text] : texts) {
        SCOPED_TRACE(label + ": " + text.substr(0, 300));
        for (const auto& [form, use] : rejected) {
            EXPECT_EQ(text.find(form), std::string::npos) << form << " -> " << use;
        }
        EXPECT_FALSE(HasUnhyphenatedNumberEnding(text));
    }
}

// "Sunday , Tuesday" and "Sunday, Tuesday" both become "ஞாயிறு, செவ்வாய்".
std::string TamilDays(const std::string& english) {
    std::string joined;
    std::size_t start = 0;
    while (start <= english.size()) {
        auto end = english.find(',', start);
        if (end == std::string::npos) {
            end = english.size();
        }
        auto day = english.substr(start, end - start);
        day.erase(0, day.find_first_not_of(' '));
        day.erase(day.find_last_not_of(' ') + 1);
        joined += (joined.empty() ? "" : ", ") + Term(day);
        start = end + 1;
    }
    return joined;
}

// Every star in both fortnights: the Tamil days of its bird are the English ones, day by day.
TEST(TamilTexts, DayListsMatchTheEnglishOnes) {
    for (const auto fortnight : {Fortnight::Bright, Fortnight::Dark}) {
        for (std::size_t i = 0; i < kStarCount; ++i) {
            SCOPED_TRACE(std::string(kStarNames[i]) + " " + std::string(FortnightName(fortnight)));
            const RulingBird bird = LookUpRulingBird(static_cast<Star>(i), fortnight);
            for (const WeekdaySet days : {bird.rulingDaysDay, bird.rulingDaysNight, bird.deathDays}) {
                EXPECT_EQ(TamilDays(DayListText(days, fortnight, Language::English)),
                          DayListText(days, fortnight, Language::Tamil));
            }
        }
    }
}

// Each paragraph opens with its own star (and, for the bird, the star's bird
// in that fortnight), and keeps the English paragraph's leading blanks.
TEST(TamilTexts, ParagraphsNameTheirStarAndBird) {
    const std::string blanks = "        ";
    for (std::size_t i = 0; i < tamil::StarNames.size(); ++i) {
        SCOPED_TRACE(kStarNames[i]);
        const std::string star(tamil::StarNames[i]);
        EXPECT_TRUE(kTamilTexts.starParagraphs[i].starts_with(blanks + star + ", "));
        for (const auto fortnight : {Fortnight::Bright, Fortnight::Dark}) {
            const Bird bird = LookUpRulingBird(static_cast<Star>(i), fortnight).bird;
            const bool bright = fortnight == Fortnight::Bright;
            const auto paragraph =
                bright ? kTamilTexts.brightBirdParagraphs[i] : kTamilTexts.darkBirdParagraphs[i];
            EXPECT_TRUE(paragraph.starts_with(blanks + "பஞ்சபட்சி சாஸ்திரத்தின்படி, " +
                                              (bright ? "" : "தேய்பிறையில் ") + star + " நட்சத்திரத்தின் பட்சி " +
                                              std::string(tamil::BirdNames[IndexOf(bird)]) + ". "))
                << paragraph.substr(0, 200);
        }
    }
    for (const auto& [english, translated] :
         {std::pair{kEnglishTexts.introduction, kTamilTexts.introduction},
          std::pair{kEnglishTexts.nakshatraExplanation, kTamilTexts.nakshatraExplanation},
          std::pair{kEnglishTexts.deathDaysExplanation, kTamilTexts.deathDaysExplanation},
          std::pair{kEnglishTexts.rulingDaysExplanation, kTamilTexts.rulingDaysExplanation},
          std::pair{kEnglishTexts.fortnightExplanations[0], kTamilTexts.fortnightExplanations[0]},
          std::pair{kEnglishTexts.fortnightExplanations[1], kTamilTexts.fortnightExplanations[1]},
          std::pair{kEnglishTexts.lunarDayExplanation, kTamilTexts.lunarDayExplanation}}) {
        EXPECT_EQ(english.starts_with(blanks), translated.starts_with(blanks)) << translated;
    }
}

} // namespace
} // namespace velmora
