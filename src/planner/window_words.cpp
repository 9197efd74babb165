#include "planner/window_words.h"

#include <algorithm>
#include <vector>

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

} // namespace velmora
