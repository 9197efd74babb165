#include "cli/schedule_text.h"

#include <algorithm>
#include <utility>

#include "ephemeris/calendar.h"

namespace velmora {

std::string LocalDateTime(double julianDateUT, const LocalClock& clock) {
    return LocalDateTimeText(julianDateUT, clock.UtcOffsetHoursAt(julianDateUT));
}

std::string_view PartKey(DayHalf half) {
    return half == DayHalf::Day ? "day" : "night";
}

std::string_view SunKey(SunDayStatus status) {
    switch (status) {
    case SunDayStatus::Normal:
        return "rises_and_sets";
    case SunDayStatus::SunStaysUp:
        return "stays_up";
    case SunDayStatus::SunStaysDown:
        return "stays_down";
    case SunDayStatus::NoDayOfItsOwn:
        return "no_day_of_its_own";
    }
    return "";
}

std::string PaddedTo(std::string_view text, std::size_t columns) {
    const auto characters = static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    return std::string(text) + std::string(columns - std::min(columns, characters), ' ');
}

std::string_view SunWords(const SunDay& sun, const ScheduleLabels& labels) {
    switch (sun.Status) {
    case SunDayStatus::Normal:
        break;
    case SunDayStatus::SunStaysUp:
        return sun.SunriseUT ? labels.staysUpAfterRising : labels.staysUp;
    case SunDayStatus::SunStaysDown:
        return sun.SunriseUT ? labels.staysDownAfterSetting : labels.staysDown;
    case SunDayStatus::NoDayOfItsOwn:
        return labels.noDayOfItsOwn;
    }
    return "";
}

std::string BirdDayWords(const BirdDayKind& kind, const ScheduleLabels& labels) {
    std::string words;
    for (const auto& [named, word] :
         {std::pair{kind.rulingByDay, labels.rulingByDay},
          std::pair{kind.rulingByNight, labels.rulingByNight}, std::pair{kind.death, labels.deathDay}}) {
        if (named) {
            words += (words.empty() ? "" : ", ") + std::string(word);
        }
    }
    return words.empty() ? std::string(labels.noneOfItsDays) : words;
}

std::chrono::year_month_day TodayAt(const LocalClock& clock) {
    const double nowUT =
        JulianDateUTOf(std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
    return LocalDateAt(nowUT, clock.UtcOffsetHoursAt(nowUT));
}

} // namespace velmora
