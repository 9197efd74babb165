#include "cli/plan_output.h"

#include <ostream>
#include <string>

#include "cli/schedule_text.h"
#include "planner/window_words.h"
#include "texts/names.h"

namespace velmora {
namespace {

using Json = nlohmann::ordered_json;

std::string_view DaysKey(PlanDays days) {
    switch (days) {
    case PlanDays::All:
        return "all";
    case PlanDays::LeaveOutDeathDays:
        return "leave_out_death_days";
    case PlanDays::RulingDaysOnly:
        return "ruling_days_only";
    }
    return "";
}

Json ActivityList(const ActivitySet& set) {
    Json names = Json::array();
    for (std::size_t i = 0; i < kActivityCount; ++i) {
        if (set.Has(static_cast<Activity>(i))) {
            names.push_back(ActivityName(static_cast<Activity>(i)));
        }
    }
    return names;
}

std::string HoursText(const WakingHours& hours) {
    const auto clockText = [](int minute) {
        return std::string{static_cast<char>('0' + minute / 600), static_cast<char>('0' + minute / 60 % 10),
                           ':', static_cast<char>('0' + minute % 60 / 10),
                           static_cast<char>('0' + minute % 10)};
    };
    return clockText(hours.startMinute) + "-" + clockText(hours.endMinute);
}

Json ConditionJson(const PlanCondition& condition) {
    return {
        {"main", ActivityList(condition.mainActivities)},
        {"sub", ActivityList(condition.subActivities)},
        {"min_strength", condition.minStrength},
        {"hours", condition.wakingHours ? Json(HoursText(*condition.wakingHours)) : nullptr},
        {"days", DaysKey(condition.days)},
        {"against", condition.against ? Json(BirdName(*condition.against)) : nullptr},
        {"min_minutes", condition.minMinutes},
    };
}

} // namespace

void WritePlanText(std::ostream& out, const PlanReport& report, const LocalClock& clock, Language language) {
    const LanguageTexts& texts = TextsOf(language);
    if (report.windows.empty()) {
        out << texts.planLabels.noWindows << '\n';
        return;
    }
    std::string heading;
    for (const PlanWindow& window : report.windows) {
        const double startOffset = clock.UtcOffsetHoursAt(window.startUT);
        const std::string dayHeading = WindowDateHeading(WindowDate(window, clock), language);
        if (dayHeading != heading) {
            out << (heading.empty() ? "" : "\n") << dayHeading << '\n';
            heading = dayHeading;
        }
        out << "  " << LocalClockText(window.startUT, startOffset) << "-"
            << LocalClockText(window.endUT, clock.UtcOffsetHoursAt(window.endUT)) << "  "
            << WindowSummary(window, report.bird, language) << ", " << texts.planLabels.lowestStrength << " "
            << StrengthText(window.minStrength) << '\n';
    }
}

Json PlanJson(const PlanReport& report, const LocalClock& clock) {
    Json windows = Json::array();
    for (const PlanWindow& window : report.windows) {
        Json parts = Json::array();
        for (const PlanPart& part : window.parts) {
            Json json = {
                {"main_activity", ActivityName(part.mainActivity)},
                {"sub_activity", ActivityName(part.subActivity)},
                {"start", LocalDateTime(part.startUT, clock)},
                {"end", LocalDateTime(part.endUT, clock)},
                {"strength", part.strength},
            };
            if (part.otherActivity) {
                json["other_activity"] = ActivityName(*part.otherActivity);
            }
            parts.push_back(std::move(json));
        }
        windows.push_back({{"start", LocalDateTime(window.startUT, clock)},
                           {"end", LocalDateTime(window.endUT, clock)},
                           {"min_strength", window.minStrength},
                           {"parts", std::move(parts)}});
    }
    return {
        {"bird", BirdName(report.bird)},
        {"from", DateText(report.from)},
        {"to", DateText(report.to)},
        {"place", report.place},
        {"condition", ConditionJson(report.condition)},
        {"source", kEnglishTexts.tablesSource},
        {"windows", std::move(windows)},
    };
}

void WritePlanCsv(std::ostream& out, const PlanReport& report, const LocalClock& clock) {
    out << "window,window_start,window_end,min_strength,start,end,main_activity,sub_activity,strength,"
           "other_activity\n";
    for (std::size_t i = 0; i < report.windows.size(); ++i) {
        const PlanWindow& window = report.windows[i];
        const std::string common = std::to_string(i + 1) + "," + LocalDateTime(window.startUT, clock) + "," +
                                   LocalDateTime(window.endUT, clock) + "," +
                                   StrengthText(window.minStrength) + ",";
        for (const PlanPart& part : window.parts) {
            out << common << LocalDateTime(part.startUT, clock) << ',' << LocalDateTime(part.endUT, clock)
                << ',' << ActivityName(part.mainActivity) << ',' << ActivityName(part.subActivity) << ','
                << StrengthText(part.strength) << ','
                << (part.otherActivity ? ActivityName(*part.otherActivity) : std::string_view()) << '\n';
        }
    }
}

} // namespace velmora
