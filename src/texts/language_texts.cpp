#include "texts/language_texts.h"

#include <chrono>

namespace velmora {

std::optional<Language> LanguageFromCode(std::string_view code) {
    if (code == "en") {
        return Language::English;
    }
    if (code == "ta") {
        return Language::Tamil;
    }
    return std::nullopt;
}

const LanguageTexts& TextsOf(Language language) {
    return language == Language::Tamil ? kTamilTexts : kEnglishTexts;
}

std::string_view StarName(Star star, Language language) {
    return TextsOf(language).starNames[IndexOf(star)];
}

std::string_view BirdName(Bird bird, Language language) {
    return TextsOf(language).birdNames[IndexOf(bird)];
}

std::string_view FortnightName(Fortnight fortnight, Language language) {
    return TextsOf(language).fortnightNames[IndexOf(fortnight)];
}

std::string TithiName(int tithi, Language language) {
    const LanguageTexts& texts = TextsOf(language);
    const std::size_t fortnight = tithi <= 15 ? 0 : 1;
    const std::size_t ofFortnight = static_cast<std::size_t>((tithi - 1) % 15); // 0..14
    if (ofFortnight == kTithisBeforeTheLast) {
        return std::string(texts.lastTithiNames[fortnight]);
    }
    return std::string(texts.tithiFortnightWords[fortnight]) + " " +
           std::string(texts.tithiNames[ofFortnight]);
}

std::string_view CheckMessageText(CheckMessage message, Language language) {
    return TextsOf(language).checkMessages[IndexOf(message)];
}

std::string DayListText(WeekdaySet days, Fortnight fortnight, Language language) {
    const LanguageTexts& texts = TextsOf(language);
    std::string list;
    for (unsigned day = 0; day < kWeekdayCount; ++day) {
        if (days.Has(std::chrono::weekday{day})) {
            list += list.empty() ? "" : texts.dayListJoints[IndexOf(fortnight)];
            list += texts.weekdayNames[day];
        }
    }
    return list;
}

std::string NearChangeLine(const NearChangeFacts& facts, Language language) {
    const LanguageTexts& texts = TextsOf(language);
    return texts.nearChangeLine(facts, texts);
}

} // namespace velmora
