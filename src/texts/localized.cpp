#include "texts/localized.h"

#include "texts/names.h"
#include "texts/reading_lines.h"

namespace velmora {
namespace {

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

StarTexts StarParagraphs(Star star, Fortnight fortnight, Language language) {
    const LanguageTexts& texts = TextsOf(language);
    const std::size_t index = IndexOf(star);
    return {texts.starParagraphs[index],
            (fortnight == Fortnight::Bright ? texts.brightBirdParagraphs : texts.darkBirdParagraphs)[index]};
}

LocalizedReading Localize(const ReadingResults& results, Language language) {
    LocalizedReading shown;
    shown.lines.star = StarLine(ShownStarLine(results), language);
    shown.lines.fortnight = FortnightLine(ShownFortnightLine(results), language);
    if (results.bird && results.lookedUp) {
        const RulingBird& bird = *results.bird;
        const Fortnight fortnight = results.lookedUp->fortnight;
        shown.lines.bird = BirdName(bird.bird, language);
        shown.lines.rulingDaysDay = DayListText(bird.rulingDaysDay, fortnight, language);
        shown.lines.rulingDaysNight = DayListText(bird.rulingDaysNight, fortnight, language);
        shown.lines.deathDays = DayListText(bird.deathDays, fortnight, language);
        shown.texts = StarParagraphs(results.lookedUp->star, fortnight, language);
    }
    // Before any reading, the explanation of the dark fortnight.
    shown.fortnightExplanation =
        TextsOf(language).fortnightExplanations[IndexOf(results.fortnight.value_or(Fortnight::Dark))];
    return shown;
}

} // namespace velmora
