#include <array>

#include "texts/language_texts.h"
#include "texts/names.h"
#include "texts/paragraphs.h"

namespace velmora {
namespace {

constexpr auto kFortnightNames = std::to_array<std::string_view>({kShuklaPaksha, kKrishnaPaksha});

constexpr auto kWeekdayNames = std::to_array<std::string_view>({
    "Sunday",
    "Monday",
    "Tuesday",
    "Wednesday",
    "Thursday",
    "Friday",
    "Saturday",
});

constexpr auto kTithiNames = std::to_array<std::string_view>({
    "Pratipada",
    "Dvitiya",
    "Tritiya",
    "Chaturthi",
    "Panchami",
    "Shashthi",
    "Saptami",
    "Ashtami",
    "Navami",
    "Dashami",
    "Ekadashi",
    "Dvadashi",
    "Trayodashi",
    "Chaturdashi",
});
constexpr auto kDayParts = std::to_array<std::string_view>({"day", "night"});

constexpr auto kTithiFortnightWords = std::to_array<std::string_view>({"Shukla", "Krishna"});
constexpr auto kLastTithiNames = std::to_array<std::string_view>({"Purnima", "Amavasya"});

// The bright and the dark lists have always spelt two-day entries differently.
constexpr auto kDayListJoints = std::to_array<std::string_view>({" , ", ", "});

constexpr std::string_view kIntroduction =
    "Tamil Astrology Or Panch-Pakshi Shastra is one of the most ancient forms of Indian astrology, "
    "born in South India. It teaches that the five elements of nature - earth, water, fire, air "
    "and ether - are represented by five birds: the Vulture, the Owl, the Crow, the Cock and the Peacock. "
    "Every person is linked to one of these birds by the birth star and the phase of the Moon at birth. "
    "Through every day and every night the birds take turns in radiating their powers, so the strength of "
    "your bird at a given hour shows whether that hour favours what you set out to do.";

constexpr std::string_view kNakshatraExplanation =
    "        According to Vedic astrology, each of the 12 zodiacs is divided into 27 parts of 13 degrees and "
    "20 minutes. Each of these parts is called a Nakshatra, or lunar mansion, and is named after the star or "
    "group of stars that lies within it. As the Moon travels once around the zodiac in about 27 days, it "
    "spends roughly one day in each Nakshatra, and the Nakshatra in which the Moon stood at the moment of "
    "your birth is known as your birth star or Janma Nakshatra. Each Nakshatra has its own ruling deity, "
    "ruling planet and symbol, and is believed to describe your temperament, your talents, your health and "
    "the course of your life. It is also used to match horoscopes and to choose good times for events.";

constexpr std::string_view kDeathDaysExplanation =
    "        Death days the days on which your bird is the least powerful. On these days it is wise not to "
    "begin important tasks, start business ventures or make major decisions; keep to routine work "
    "instead. Both the ruling days and the death days of your bird depend on the Paksha of the day "
    "considered, that is, on whether it falls in the bright or the dark fortnight. "
    "Unlike the ruling days, the death days of a bird are same for day as well as night.";

constexpr std::string_view kRulingDaysExplanation =
    "        As per the Panch Pakshi Shastra, it is believed that the five birds - the Vulture, Cock, "
    "Peacock, Owl and the Crow, rule certain days of the week. On its ruling days your bird is at the height "
    "of its power, and these are the best days to begin new work, travel, meet important people and take "
    "decisions. The ruling days also change with the Paksha of the day considered. However, "
    "the ruling days are different for day and night.";

constexpr auto kFortnightExplanations = std::to_array<std::string_view>({
    "Also known as the bright fortnight indicates the begining of a new lunar month. This period ends on a "
    "full moon day (Poornima).",
    "Also known as the dark fortnight indicates the begining of a new lunar month. This period ends on a new "
    "moon day (Amaavasya).",
});

constexpr std::string_view kLunarDayExplanation =
    "The time taken by the Moon to move 12 degrees away from the Sun. It is significant in choosing the time "
    "and date for any auspicious event.";

// In the order of CheckMessage.
constexpr auto kCheckMessages = std::to_array<std::string_view>({
    "Please Enter Name",
    "Please Enter Hour of the Time Zone",
    "Please Enter Minute of the Time Zone",
    "Please Enter Degree of Longitude",
    "Please Enter Minute of Longitude",
    "Please Enter Degree of Latitude",
    "Please Enter Minute of Latitude",
    "Please Enter Correct Date Or Month!",
    "Please Enter Correct Date Or Month !",
    "Only Numbers Are Accepted",
    "%1 is not a Velmora reading.",
});

// The margins' labels are the names of their batch columns.
constexpr auto kMarginLabels = std::to_array<std::string_view>({
    "star_minutes_before: ",
    "star_minutes_after: ",
    "paksha_minutes_before: ",
    "paksha_minutes_after: ",
});

// In the order of ClockCaution.
constexpr auto kClockCautions = std::to_array<std::string_view>({
    "The clocks skipped this time when they were put forward; the earlier offset is used.",
    "This clock time came twice when the clocks were put back; the earlier one is used.",
    "Before 1955 Indian clocks were not uniform (Bombay and Calcutta kept their own time); "
    "check the local time in use.",
});

} // namespace

std::string EnglishNearChangeLine(const NearChangeFacts& facts, const LanguageTexts& texts) {
    std::string changes;
    if (facts.star) {
        changes = texts.starNames[IndexOf(*facts.star)];
    }
    if (facts.fortnight) {
        changes += changes.empty() ? "" : (facts.newBird ? ", " : " and ");
        changes += texts.fortnightNames[IndexOf(*facts.fortnight)];
    }
    std::string line = "A birth time " + std::to_string(facts.minutes) +
                       (facts.minutes == 1 ? " minute" : " minutes") + (facts.later ? " later" : " earlier") +
                       " gives " + changes;
    if (facts.bird) {
        line += facts.newBird ? " and the " : ", still with the ";
        line += texts.birdNames[IndexOf(*facts.bird)];
    }
    return line + '.';
}

// The first letter of each activity's name.
constexpr auto kActivityLetters = std::to_array<std::string_view>({"R", "E", "W", "S", "D"});
static_assert(kActivityLetters.size() == kActivityCount);

// English pads the labels to one column.
constinit const LanguageTexts kEnglishTexts{
    .starNames = kStarNames,
    .birdNames = kBirdNames,
    .fortnightNames = kFortnightNames,
    .weekdayNames = kWeekdayNames,
    .activityNames = kActivityNames,
    .activityLetters = kActivityLetters,
    .tithiNames = kTithiNames,
    .tithiFortnightWords = kTithiFortnightWords,
    .lastTithiNames = kLastTithiNames,
    .dayListJoints = kDayListJoints,
    .starParagraphs = StarDescriptionTable,
    .brightBirdParagraphs = PakshiDescriptionTable,
    .darkBirdParagraphs = DarkPakshiDescriptionTable,
    .introduction = kIntroduction,
    .nakshatraExplanation = kNakshatraExplanation,
    .rulingDaysExplanation = kRulingDaysExplanation,
    .deathDaysExplanation = kDeathDaysExplanation,
    .fortnightExplanations = kFortnightExplanations,
    .lunarDayExplanation = kLunarDayExplanation,
    .checkMessages = kCheckMessages,
    .readingLabels =
        {
            .star = "Star:                ",
            .fortnight = "Fortnight:           ",
            .bird = "Ruling bird:         ",
            .rulingDaysDay = "Ruling days (day):   ",
            .rulingDaysNight = "Ruling days (night): ",
            .deathDays = "Death days:          ",
            .starParagraph = "Star:",
            .birdParagraph = "Panch-Pakshi:",
        },
    .marginLabels =
        {
            .margins = kMarginLabels,
            .noChange = "none within 24 hours",
            .readingBefore = "Reading before (",
            .readingAfter = "Reading after (",
            .minutesClose = " min): ",
        },
    .placeLabels =
        {
            .north = "N",
            .south = "S",
            .east = "E",
            .west = "W",
            .clockCautions = kClockCautions,
            .caution = "Caution: ",
            .daylightSaving = " daylight saving",
        },
    .scheduleLabels =
        {
            .place = "Place:         ",
            .bird = "Bird:          ",
            .day = "Day:           ",
            .sun = "Sun:           ",
            .coveredBy = "Covered by:    the day from the sunrise at ",
            .weekday = "Weekday:       ",
            .fortnight = "Fortnight:     ",
            .tithi = "Tithi:         ",
            .star = "Star:          ",
            .atSunrise = " (at sunrise)",
            .sunrise = "Sunrise:       ",
            .sunset = "Sunset:        ",
            .nextSunrise = "Next sunrise:  ",
            .birdsDay = "Bird's day:    ",
            .periods = "Periods (five equal parts of the day, then of the night), the bird's activity and "
                       "sub-periods\n(their bird, activity and strength):",
            .parts = kDayParts,
            .staysUpAfterRising = "rises, then stays up for more than 24 hours (polar day); no periods",
            .staysUp = "stays up (polar day); no periods",
            .staysDownAfterSetting =
                "rises and sets, then stays down for more than 24 hours (polar night); no periods",
            .staysDown = "stays down (polar night); no periods",
            .noDayOfItsOwn = "does not rise on this date, though not polar: no day of its own; no periods",
            .rulingByDay = "ruling day (day time)",
            .rulingByNight = "ruling day (night time)",
            .deathDay = "death day",
            .noneOfItsDays = "none of its days",
            .at = "At:            ",
            .period = "Period:        ",
            .subPeriod = "Sub-period:    ",
            .nextRules = "Next rules:    ",
            .strength = "strength ",
            .until = " to ",
            .noRuleWithinAYear = "not within a year",
            .noPeriodNow = "no period now",
        },
    .planLabels =
        {
            .subPeriod = "sub-period",
            .subPeriods = "sub-periods",
            .strength = "strength",
            .lowestStrength = "lowest strength",
            .noWindows = "No time in the range meets the condition.",
        },
    .tablesSource = "Tables: U. S. Pulippani, Biorhythms of Natal Moon (1993), as transcribed in public "
                    "sources; traditions differ.",
    .nearChangeLine = EnglishNearChangeLine,
};

} // namespace velmora
