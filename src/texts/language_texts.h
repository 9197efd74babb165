#pragma once

// Every text a reader sees of a reading, one table per language: adding a text
// adds a field, which each language's table must then fill (a missing field
// fails the build), and adding a language adds one table.
//
// The English names stay the keys whatever the language: saved files, JSON
// keys and CSV headers never change. The window's own captions and messages
// are translated with Qt; these texts are shared with the command line, which
// has no Qt.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/clock_caution.h"
#include "model/ids.h"
#include "model/weekday_set.h"
#include "texts/check_message.h"
#include "texts/near_change_line.h"

namespace velmora {

enum class Language : std::uint8_t { English, Tamil };

// "en" or "ta"; nothing for any other code.
std::optional<Language> LanguageFromCode(std::string_view code);

// A fortnight's lunar days before its fifteenth.
inline constexpr std::size_t kTithisBeforeTheLast = 14;

template <std::size_t N> using TextList = std::span<const std::string_view, N>;

// The labels of the command line's text output, each with what follows it.
struct ReadingLabels {
    std::string_view star;
    std::string_view fortnight;
    std::string_view bird;
    std::string_view rulingDaysDay;
    std::string_view rulingDaysNight;
    std::string_view deathDays;
    std::string_view starParagraph; // headings of the paragraphs
    std::string_view birdParagraph;
};

// The command line's lines on the birth-time margins.
struct MarginLabels {
    // star before, star after, fortnight before, fortnight after
    TextList<4> margins;
    std::string_view noChange; // when nothing changes within a day
    std::string_view readingBefore;
    std::string_view readingAfter;
    std::string_view minutesClose; // after the minutes of a reading close by
};

// The words of a list of places: the window's look-up and velmora-cli place.
struct PlaceLabels {
    std::string_view north; // after an angle, as in "13°05' N"
    std::string_view south;
    std::string_view east;
    std::string_view west;
    TextList<kClockCautionCount> clockCautions;
    std::string_view caution;        // before a caution, on the command line
    std::string_view daylightSaving; // after an offset that includes daylight saving, on the command line
};

// The command line's words of a bird's day (`schedule`) and of its moment (`now`),
// each label with what follows it.
struct ScheduleLabels {
    std::string_view place;
    std::string_view bird;
    std::string_view day;
    std::string_view sun;
    std::string_view coveredBy; // before the sunrise of the day that covers a date without one
    std::string_view weekday;
    std::string_view fortnight;
    std::string_view tithi;
    std::string_view star;
    std::string_view atSunrise; // after the fortnight, tithi and star
    std::string_view sunrise;
    std::string_view sunset;
    std::string_view nextSunrise;
    std::string_view birdsDay;
    std::string_view periods; // the heading of the table of periods
    TextList<kDayHalfCount> parts;
    // What the Sun does on a day without ten periods.
    std::string_view staysUpAfterRising;
    std::string_view staysUp;
    std::string_view staysDownAfterSetting;
    std::string_view staysDown;
    std::string_view noDayOfItsOwn;
    // The bird's named days, or none of them.
    std::string_view rulingByDay;
    std::string_view rulingByNight;
    std::string_view deathDay;
    std::string_view noneOfItsDays;
    // `now`
    std::string_view at;
    std::string_view period;
    std::string_view subPeriod;
    std::string_view nextRules;
    std::string_view strength; // before a strength
    std::string_view until;    // between the start and the end of a span
    std::string_view noRuleWithinAYear;
    std::string_view noPeriodNow; // after the Sun's words, on a day without periods
};

// The words of a plan's windows, on the command line and in calendar events.
struct PlanLabels {
    std::string_view subPeriod;  // after a sub-period's activity, as in "Eating sub-period"
    std::string_view subPeriods; // after several activities
    std::string_view strength;   // before a strength
    std::string_view lowestStrength;
    std::string_view noWindows; // the whole of a plan's text when no window holds the condition
};

struct LanguageTexts {
    // Names, at the positions of their ids.
    TextList<kStarCount> starNames;
    TextList<kBirdCount> birdNames;
    TextList<kFortnightCount> fortnightNames;
    TextList<kWeekdayCount> weekdayNames; // Sunday first, as std::chrono counts
    TextList<kActivityCount> activityNames;
    // Each activity's mark where its name does not fit: the timeline's bands and its legend.
    TextList<kActivityCount> activityLetters;
    // The lunar days: the first fourteen of a fortnight, each fortnight's word before them, and
    // the fifteenth of the bright (full moon) and of the dark fortnight (new moon).
    TextList<kTithisBeforeTheLast> tithiNames;
    TextList<kFortnightCount> tithiFortnightWords;
    TextList<kFortnightCount> lastTithiNames;
    // What stands between two days of a day list, in each fortnight.
    TextList<kFortnightCount> dayListJoints;

    // Paragraphs: of each star, and of its bird in each fortnight.
    TextList<kStarCount> starParagraphs;
    TextList<kStarCount> brightBirdParagraphs;
    TextList<kStarCount> darkBirdParagraphs;
    std::string_view introduction;         // input panel, beside the five birds
    std::string_view nakshatraExplanation; // first result tab, across the top
    std::string_view rulingDaysExplanation;
    std::string_view deathDaysExplanation;
    TextList<kFortnightCount> fortnightExplanations;
    std::string_view lunarDayExplanation; // shown with the fortnight

    TextList<kCheckMessageCount> checkMessages;
    ReadingLabels readingLabels;
    MarginLabels marginLabels;
    PlaceLabels placeLabels; // also the compass words of the reading's birth data
    ScheduleLabels scheduleLabels;
    PlanLabels planLabels;
    std::string_view tablesSource; // of the daily schedule's tables, named as the sources ask
    std::string (*nearChangeLine)(const NearChangeFacts&, const LanguageTexts&);
};

// The tables, one per language.
extern const LanguageTexts kEnglishTexts;
extern const LanguageTexts kTamilTexts;

const LanguageTexts& TextsOf(Language language);

std::string_view StarName(Star star, Language language);
std::string_view BirdName(Bird bird, Language language);
std::string_view FortnightName(Fortnight fortnight, Language language);
std::string_view CheckMessageText(CheckMessage message, Language language);

// Lunar day 1..30: "Shukla Pratipada" .. "Purnima", "Krishna Pratipada" .. "Amavasya".
std::string TithiName(int tithi, Language language);

// The days in Sunday-first order, joined as the fortnight's lists join them:
// "Sunday , Tuesday" (bright) and "Sunday, Tuesday" (dark) in English.
std::string DayListText(WeekdaySet days, Fortnight fortnight, Language language);

// The sentence on a birth time close by that changes the reading.
std::string NearChangeLine(const NearChangeFacts& facts, Language language);

} // namespace velmora
