#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>

#include "schedule/day_schedule.h"
#include "schedule/next_ruling.h"
#include "texts/language_texts.h"

namespace velmora {

// What is shown of one day.
struct ShownDay {
    DaySchedule schedule;
    std::optional<RulingSpan> nextRuling; // from the present, or from the day's start when it is to come
    int daysSearched = 0;                 // for a next ruling that was not found
    std::optional<double> nowUT;          // the present, when it is to be named in the next ruling
    QString placeText;                    // the place, its coordinates and its offset, as a line
};

// The day in words, as the window shows and the page prints it: captions in the installed
// translation, names in `language`.
struct DayFacts {
    static constexpr std::size_t kCount = 6;
    std::array<QString, kCount> captions; // weekday, fortnight, star, tithi, sunrise, sunset
    std::array<QString, kCount> values;
    QString title; // "The Cock's day: Saturday 15 June 2024"
    QString place; // "Chennai, India · 13.0833, 80.2833 · UTC+05:30"
    QString sun;   // empty for a day with its periods, else why there are none
    QString birdDay;
    QString nextRule;
    QString source;
};

DayFacts DayFactsOf(const ShownDay& day, const LocalClock& clock, Language language);

// "Day 1" .. "Night 5".
QString PeriodName(const DayPeriod& period);

// The context of these captions in the translation files.
class DayFactsText {
    Q_DECLARE_TR_FUNCTIONS(velmora::DayFacts)
};

} // namespace velmora
