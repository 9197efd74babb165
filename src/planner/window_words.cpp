#include "planner/window_words.h"

#include <algorithm>
#include <vector>

#include "ephemeris/calendar.h"
#include "texts/moment_text.h"

namespace velmora {
namespace {

// The activities `of` the window's parts, in order, each once.
std::vector<Activity> EachOnce(const PlanWindow& window, Activity PlanPart::*of) {
    std::vector<Activity> activities;
    for (const PlanPart& part : window.parts) {
        if (std::find(activities.begin(), activities.end(), part.*of) == activities.end()) {
            activities.push_back(part.*of);
        }
    }
    return activities;
}

std::string Joined(const std::vector<Activity>& activities, const LanguageTexts& texts) {
    std::string words;
    for (const Activity activity : activities) {
        words += (words.empty() ? "" : ", ") + std::string(texts.activityNames[IndexOf(activity)]);
    }
    return words;
}

} // namespace

std::string WindowSummary(const PlanWindow& window, Bird bird, Language language) {
    const LanguageTexts& texts = TextsOf(language);
    const std::vector<Activity> subs = EachOnce(window, &PlanPart::subActivity);
    return std::string(texts.birdNames[IndexOf(bird)]) + ": " +
           Joined(EachOnce(window, &PlanPart::mainActivity), texts) + " · " + Joined(subs, texts) + " " +
           std::string(subs.size() == 1 ? texts.planLabels.subPeriod : texts.planLabels.subPeriods);
}

std::chrono::year_month_day WindowDate(const PlanWindow& window, const LocalClock& clock) {
    return LocalDateAt(window.startUT, clock.UtcOffsetHoursAt(window.startUT));
}

std::string WindowDateHeading(std::chrono::year_month_day date, Language language) {
    const std::chrono::weekday weekday{std::chrono::sys_days{date}};
    return DateText(date) + " " + std::string(TextsOf(language).weekdayNames[weekday.c_encoding()]);
}

} // namespace velmora
