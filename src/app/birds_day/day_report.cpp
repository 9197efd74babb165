#include "app/birds_day/day_report.h"

#include <QTextDocument>

#include "app/birds_day/day_text.h"
#include "app/reading_report.h"

namespace velmora {

namespace {

QString ActivityWords(Activity activity, Language language) {
    return ActivityLetter(activity, language) + QStringLiteral("  ") + ActivityText(activity, language);
}

} // namespace

std::unique_ptr<QTextDocument> BuildDayReport(const ShownDay& day, const LocalClock& clock,
                                              Language language) {
    const DayFacts facts = DayFactsOf(day, clock, language);
    ReportSection summary{facts.place, {}, day.schedule.bird, {}};
    for (std::size_t i = 0; i < DayFacts::kCount; ++i) {
        summary.rows.push_back({facts.captions[i], facts.values[i]});
    }
    for (const QString& line : {facts.sun, facts.birdDay, facts.nextRule}) {
        if (!line.isEmpty()) {
            summary.paragraphs.append(line);
        }
    }
    std::vector<ReportSection> sections{summary};
    if (day.schedule.periods) {
        for (const DayPeriod& period : *day.schedule.periods) {
            ReportSection part{QStringLiteral("%1   %2   %3")
                                   .arg(PeriodName(period),
                                        TimeRangeText(period.startUT, period.endUT, clock),
                                        ActivityWords(period.activity, language)),
                               {},
                               std::nullopt,
                               {}};
            for (const SubPeriod& sub : period.subPeriods) {
                part.rows.push_back({TimeRangeText(sub.startUT, sub.endUT, clock),
                                     QStringLiteral("%1 (%2)   %3")
                                         .arg(ActivityWords(sub.activity, language),
                                              BirdText(sub.bird, language), StrengthShown(sub.strength))});
            }
            sections.push_back(part);
        }
    }
    sections.push_back({QString(), {}, std::nullopt, {facts.source}});
    return BuildReport(facts.title, sections);
}

} // namespace velmora
