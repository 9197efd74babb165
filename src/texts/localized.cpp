#include "texts/localized.h"

#include "texts/look_ups.h"
#include "texts/names.h"
#include "texts/paragraphs.h"
#include "texts/tamil/names.h"
#include "texts/tamil/paragraphs.h"

namespace velmora {
namespace {

constexpr std::size_t IndexOf(Fortnight fortnight) {
    return static_cast<std::size_t>(fortnight);
}

// A line as shown in English, in `language` when it is a star's name; as it is otherwise.
std::string_view StarLine(std::string_view english, Language language) {
    const std::optional<Star> star = FindStar(english);
    return star ? StarName(*star, language) : english;
}

// Only the exact names are fortnights here: any other line of a file is shown as read.
std::string_view FortnightLine(std::string_view english, Language language) {
    if (english == kShuklaPaksha) {
        return FortnightName(Fortnight::Bright, language);
    }
    if (english == kKrishnaPaksha) {
        return FortnightName(Fortnight::Dark, language);
    }
    return english;
}

} // namespace

std::optional<Language> LanguageFromCode(std::string_view code) {
    if (code == "en") {
        return Language::English;
    }
    if (code == "ta") {
        return Language::Tamil;
    }
    return std::nullopt;
}

std::string_view StarName(Star star, Language language) {
    return language == Language::Tamil ? tamil::StarNames[IndexOf(star)] : StarName(star);
}

std::string_view BirdName(Bird bird, Language language) {
    return language == Language::Tamil ? tamil::BirdNames[IndexOf(bird)] : BirdName(bird);
}

std::string_view FortnightName(Fortnight fortnight, Language language) {
    return language == Language::Tamil ? tamil::FortnightNames[IndexOf(fortnight)] : FortnightName(fortnight);
}

std::string_view FortnightExplanation(Fortnight fortnight, Language language) {
    if (language == Language::English) {
        return FortnightExplanation(fortnight);
    }
    return fortnight == Fortnight::Bright ? tamil::BrightFortnightExplanation
                                          : tamil::DarkFortnightExplanation;
}

RulingBird LookUpRulingBird(Star star, Fortnight fortnight, Language language) {
    RulingBird bird = LookUpRulingBird(star, fortnight);
    if (language == Language::Tamil) {
        const auto& days = (fortnight == Fortnight::Bright ? tamil::BrightFortnightDays
                                                           : tamil::DarkFortnightDays)[IndexOf(bird.bird)];
        bird.rulingDaysDay = days.RulingDay;
        bird.rulingDaysNight = days.RulingNight;
        bird.deathDays = days.Death;
    }
    return bird;
}

StarTexts LookUpStarTexts(Star star, Fortnight fortnight, Language language) {
    if (language == Language::English) {
        return LookUpStarTexts(star, fortnight);
    }
    const std::size_t index = IndexOf(star);
    return {tamil::StarDescriptionTable[index],
            (fortnight == Fortnight::Bright ? tamil::PakshiDescriptionTable
                                            : tamil::DarkPakshiDescriptionTable)[index]};
}

std::string_view FixedTextOf(FixedText text, Language language) {
    const bool inTamil = language == Language::Tamil;
    switch (text) {
    case FixedText::Introduction:
        return inTamil ? tamil::IntroductionText : IntroductionText;
    case FixedText::NakshatraExplanation:
        return inTamil ? tamil::NakshatraExplanationText : NakshatraExplanationText;
    case FixedText::RulingDays:
        return inTamil ? tamil::RulingDaysText : RulingDaysText;
    case FixedText::DeathDays:
        return inTamil ? tamil::DeathDaysText : DeathDaysText;
    }
    return {};
}

LocalizedReading Localize(const ReadingResults& results, Language language) {
    LocalizedReading shown{LinesOf(results), results.starTexts};
    if (language == Language::English) {
        return shown;
    }
    shown.lines.star = StarLine(shown.lines.star, language);
    shown.lines.fortnight = FortnightLine(shown.lines.fortnight, language);
    if (results.lookedUp) {
        const auto [star, fortnight] = *results.lookedUp;
        const RulingBird bird = LookUpRulingBird(star, fortnight, language);
        shown.lines.bird = BirdName(bird.bird, language);
        shown.lines.rulingDaysDay = bird.rulingDaysDay;
        shown.lines.rulingDaysNight = bird.rulingDaysNight;
        shown.lines.deathDays = bird.deathDays;
        shown.texts = LookUpStarTexts(star, fortnight, language);
    }
    return shown;
}

} // namespace velmora
