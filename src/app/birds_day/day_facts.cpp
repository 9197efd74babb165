#include "app/birds_day/day_facts.h"

#include "app/birds_day/day_text.h"
#include "app/translation.h"

namespace velmora {

namespace {

QString SunText(const SunDay& sun) {
    switch (sun.Status) {
    case SunDayStatus::Normal:
        return {};
    case SunDayStatus::SunStaysUp:
        return DayFactsText::tr(
            "The Sun does not set here for more than a day (polar day): this date has no periods.");
    case SunDayStatus::SunStaysDown:
        return DayFactsText::tr(
            "The Sun does not rise again here for more than a day (polar night): this date has no periods.");
    case SunDayStatus::NoDayOfItsOwn:
        return DayFactsText::tr(
            "The Sun does not rise here on this date, though it is not a polar day: the day "
            "before runs over it, so this date has no periods of its own.");
    }
    return {};
}

QString BirdDayText(const BirdDayKind& kind, const QString& bird) {
    QStringList lines;
    if (kind.rulingByDay && kind.rulingByNight) {
        lines.append(DayFactsText::tr("A ruling day of the %1, by day and by night.").arg(bird));
    } else if (kind.rulingByDay) {
        lines.append(DayFactsText::tr("A ruling day of the %1 (day time).").arg(bird));
    } else if (kind.rulingByNight) {
        lines.append(DayFactsText::tr("A ruling day of the %1 (night time).").arg(bird));
    }
    if (kind.death) {
        lines.append(DayFactsText::tr("A death day of the %1: its weakest day.").arg(bird));
    }
    if (lines.isEmpty()) {
        lines.append(DayFactsText::tr("Neither a ruling day nor a death day of the %1.").arg(bird));
    }
    return lines.join(QLatin1Char(' '));
}

// "14:24 on Saturday 15 June 2024".
QString MomentText(double julianDateUT, const LocalClock& clock, Language language) {
    return DayFactsText::tr("%1 on %2")
        .arg(ClockTimeText(julianDateUT, clock), LongDateText(LocalDateOf(julianDateUT, clock), language));
}

QString NextRuleText(const ShownDay& day, const LocalClock& clock, Language language) {
    const QString bird = BirdText(day.schedule.bird, language);
    if (!day.nextRuling) {
        return DayFactsText::tr("The %1 does not rule in the %2 days that follow at this place.")
            .arg(bird)
            .arg(day.daysSearched);
    }
    const RulingSpan& span = *day.nextRuling;
    if (day.nowUT && span.startUT <= *day.nowUT) {
        return DayFactsText::tr("The %1 rules now, until %2.")
            .arg(bird, MomentText(span.endUT, clock, language));
    }
    return DayFactsText::tr("The %1 next rules from %2 until %3.")
        .arg(bird, MomentText(span.startUT, clock, language), ClockTimeText(span.endUT, clock));
}

} // namespace

QString PeriodName(const DayPeriod& period) {
    return (period.half == DayHalf::Day ? DayFactsText::tr("Day %1") : DayFactsText::tr("Night %1"))
        .arg(period.yama);
}

DayFacts DayFactsOf(const ShownDay& day, const LocalClock& clock, Language language) {
    const DaySchedule& schedule = day.schedule;
    const QString bird = BirdText(schedule.bird, language);
    const QString none = QStringLiteral("\u2014");
    DayFacts facts;
    facts.captions = {DayFactsText::tr("Weekday"), DayFactsText::tr("Fortnight"), DayFactsText::tr("Star"),
                      DayFactsText::tr("Tithi"),   DayFactsText::tr("Sunrise"),   DayFactsText::tr("Sunset")};
    facts.values.fill(none);
    if (schedule.weekday) {
        facts.values[0] = FromCore(TextsOf(language).weekdayNames[schedule.weekday->c_encoding()], language);
    }
    if (const std::optional<DaySky>& sky = schedule.sky) {
        facts.values[1] = FromCore(FortnightName(sky->fortnight, language), language);
        if (sky->star) {
            facts.values[2] = FromCore(StarName(*sky->star, language), language);
        }
        facts.values[3] = FromCore(TithiName(sky->tithi, language), language);
    }
    if (schedule.sun.SunriseUT) {
        facts.values[4] = ClockTimeText(*schedule.sun.SunriseUT, clock);
    }
    if (schedule.sun.SunsetUT) {
        facts.values[5] = ClockTimeText(*schedule.sun.SunsetUT, clock);
    }
    facts.title =
        DayFactsText::tr("The %1's day: %2").arg(bird, LongDateText(ToQDate(schedule.date), language));
    facts.place = day.placeText;
    facts.sun = SunText(schedule.sun);
    facts.birdDay = schedule.birdDay ? BirdDayText(*schedule.birdDay, bird) : QString();
    facts.nextRule = NextRuleText(day, clock, language);
    facts.source = FromCore(TextsOf(language).tablesSource, language);
    return facts;
}

} // namespace velmora
