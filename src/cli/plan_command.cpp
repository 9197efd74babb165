#include "cli/plan_command.h"

#include <chrono>
#include <ostream>
#include <variant>

#include "cli/date_text.h"
#include "cli/exit_status.h"
#include "cli/form_choices.h"
#include "cli/message_quoting.h"
#include "cli/plan_output.h"
#include "cli/schedule_text.h"
#include "cli/whose_day.h"
#include "files/replace_file.h"
#include "icalendar/plan_calendar.h"
#include "planner/plan_range.h"
#include "planner/planner.h"
#include "texts/moment_text.h"

namespace velmora {
namespace {

constexpr std::chrono::days kDefaultRangeDays{28};

using DateChoice = std::variant<std::chrono::year_month_day, OptionRefusal>;

// A date of the option's form in the years served; otherwise the refusal.
DateChoice DateOption(const std::string& option, const std::string& text) {
    if (!ParseIsoDate(text)) {
        return OptionRefusal{option + ": expected YYYY-MM-DD, got " + QuoteForMessage(text), kExitUsage};
    }
    const std::optional<std::chrono::year_month_day> date = ServedDate(text);
    if (!date) {
        return OptionRefusal{option + ": expected a date from 1901-01-01 to 2050-12-31, got " +
                                 QuoteForMessage(text),
                             kExitRefused};
    }
    return *date;
}

} // namespace

int RunPlan(const PlanOptions& options, std::ostream& out, std::ostream& errors) {
    const auto refuse = [&errors](const OptionRefusal& refusal) { return ReportRefusal(refusal, errors); };
    const ConditionChoice choice = ChooseCondition(options.condition);
    if (!choice.condition) {
        return refuse({choice.message, choice.usage ? kExitUsage : kExitRefused});
    }
    PlanCondition condition = *choice.condition;
    const auto whose = ResolveWhoseDay(options.bird, options.place);
    if (const auto* refusal = std::get_if<OptionRefusal>(&whose)) {
        return refuse(*refusal);
    }
    if (!options.againstReading.empty()) {
        const auto other = SavedReadingBird(options.againstReading);
        if (const auto* message = std::get_if<std::string>(&other)) {
            return refuse({"--against-reading: " + *message, kExitRefused});
        }
        condition.against = std::get<Bird>(other);
    }
    const DayPlace& at = std::get<WhoseDay>(whose).place;
    const LocalClock& clock = at.Clock();

    const DateChoice from =
        options.from.empty() ? DateChoice(TodayAt(clock)) : DateOption("--from", options.from);
    if (const auto* refusal = std::get_if<OptionRefusal>(&from)) {
        return refuse(*refusal);
    }
    const std::chrono::year_month_day first = std::get<std::chrono::year_month_day>(from);
    const DateChoice to =
        options.to.empty()
            ? DateChoice(std::chrono::year_month_day{std::chrono::sys_days{first} + kDefaultRangeDays})
            : DateOption("--to", options.to);
    if (const auto* refusal = std::get_if<OptionRefusal>(&to)) {
        return refuse(*refusal);
    }
    const std::chrono::year_month_day last = std::get<std::chrono::year_month_day>(to);
    const std::optional<int> dayCount = PlanDayCount(first, last);
    if (!dayCount) {
        return refuse({last < first ? "--from: " + DateText(first) + " is after --to " + DateText(last)
                                    : "--to: expected a date less than ten years after --from " +
                                          DateText(first) + ", got " + DateText(last),
                       kExitRefused});
    }

    const Bird person = std::get<WhoseDay>(whose).bird;
    PlanReport report{
        person,    first,
        last,      at.label,
        condition, PlanWindows(first, *dayCount, at.latitudeDeg, at.longitudeDeg, clock, person, condition)};
    if (!options.icsPath.empty()) {
        const PlanCalendarRequest request{
            person, condition, options.language, options.alarmMinutes,
            std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now())};
        if (const auto failure =
                ReplaceFile(options.icsPath, PlanCalendarText(report.windows, clock, request))) {
            return refuse({"cannot save " + options.icsPath + ": " + FailureText(*failure), kExitRefused});
        }
    }
    if (options.json) {
        out << PlanJson(report, clock).dump(2) << '\n';
    } else if (options.csv) {
        WritePlanCsv(out, report, clock);
    } else {
        WritePlanText(out, report, clock, options.language);
    }
    return 0;
}

} // namespace velmora
