#include "app/birds_day/plan_report.h"

#include <QCoreApplication>
#include <QTextDocument>

#include "app/birds_day/day_text.h"
#include "app/reading_report.h"
#include "app/translation.h"
#include "planner/window_words.h"
#include "texts/moment_text.h"

namespace velmora {

namespace {

class PlanReportText {
    Q_DECLARE_TR_FUNCTIONS(velmora::PlanReport)
};

QString ActivityNames(const ActivitySet& set, Language language) {
    if (set == ActivitySet::All()) {
        return PlanReportText::tr("any");
    }
    QStringList names;
    for (std::size_t i = 0; i < kActivityCount; ++i) {
        if (set.Has(static_cast<Activity>(i))) {
            names.append(ActivityText(static_cast<Activity>(i), language));
        }
    }
    return names.join(QStringLiteral(", "));
}

QString ClockText(int minute) {
    return QStringLiteral("%1:%2")
        .arg(minute / 60, 2, 10, QLatin1Char('0'))
        .arg(minute % 60, 2, 10, QLatin1Char('0'));
}

QString DaysText(PlanDays days) {
    switch (days) {
    case PlanDays::All:
        return PlanReportText::tr("every day");
    case PlanDays::LeaveOutDeathDays:
        return PlanReportText::tr("the bird's death days left out");
    case PlanDays::RulingDaysOnly:
        return PlanReportText::tr("the bird's ruling days only");
    }
    return {};
}

ReportSection PlanSection(const ShownPlan& plan, Language language) {
    const PlanCondition& condition = plan.condition;
    ReportSection section{PlanReportText::tr("The plan"), {}, plan.bird, {}};
    section.rows = {
        {PlanReportText::tr("Bird"), BirdText(plan.bird, language)},
        {PlanReportText::tr("Place"), plan.placeText},
        {PlanReportText::tr("Dates"),
         QStringLiteral("%1 \u2013 %2")
             .arg(QString::fromStdString(DateText(plan.from)), QString::fromStdString(DateText(plan.to)))},
        {PlanReportText::tr("Periods"), ActivityNames(condition.mainActivities, language)},
        {PlanReportText::tr("Sub-periods"), ActivityNames(condition.subActivities, language)},
    };
    if (condition.minStrength > 0.0) {
        section.rows.push_back(
            {PlanReportText::tr("Strength at least"), StrengthShown(condition.minStrength)});
    }
    if (condition.against) {
        section.rows.push_back(
            {PlanReportText::tr("Their bird, sleeping or dying"), BirdText(*condition.against, language)});
    }
    if (condition.wakingHours) {
        section.rows.push_back(
            {PlanReportText::tr("Waking hours"), QStringLiteral("%1\u2013%2")
                                                     .arg(ClockText(condition.wakingHours->startMinute),
                                                          ClockText(condition.wakingHours->endMinute))});
    }
    section.rows.push_back({PlanReportText::tr("Days"), DaysText(condition.days)});
    section.rows.push_back(
        {PlanReportText::tr("Shortest window, in minutes"), QString::number(condition.minMinutes)});
    return section;
}

} // namespace

std::unique_ptr<QTextDocument> BuildPlanReport(const ShownPlan& plan, const LocalClock& clock,
                                               Language language) {
    const LanguageTexts& texts = TextsOf(language);
    std::vector<ReportSection> sections{PlanSection(plan, language)};
    if (plan.windows.empty()) {
        sections.back().paragraphs.append(FromCore(texts.planLabels.noWindows, language));
    }
    std::optional<std::chrono::year_month_day> dayDate;
    for (const PlanWindow& window : plan.windows) {
        const std::chrono::year_month_day date = WindowDate(window, clock);
        if (date != dayDate) {
            sections.push_back(
                {QString::fromStdString(WindowDateHeading(date, language)), {}, std::nullopt, {}});
            dayDate = date;
        }
        sections.back().rows.push_back(
            {TimeRangeText(window.startUT, window.endUT, clock),
             // The planner's words are UTF-8 in every language.
             QString::fromStdString(WindowSummary(window, plan.bird, language) + ", " +
                                    std::string(texts.planLabels.lowestStrength) + " " +
                                    StrengthText(window.minStrength))});
    }
    sections.push_back(
        {PlanReportText::tr("Source"), {}, std::nullopt, {FromCore(texts.tablesSource, language)}});
    const QString birdName = BirdText(plan.bird, language);
    return BuildReport(PlanReportText::tr("Best Times: %1").arg(birdName), sections);
}

} // namespace velmora
