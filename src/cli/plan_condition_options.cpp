#include "cli/plan_condition_options.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "cli/date_text.h"
#include "cli/message_quoting.h"
#include "texts/names.h"

namespace velmora {
namespace {

constexpr double kMostMinMinutes = 1440.0;

bool SameLetters(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// "Ruling,Eating" in any case; nothing when a name is none or the list is empty.
std::optional<ActivitySet> ActivitiesOf(std::string_view text) {
    ActivitySet set;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        bool found = false;
        for (std::size_t i = 0; i < kActivityNames.size() && !found; ++i) {
            if (SameLetters(name, kActivityNames[i])) {
                set.Add(static_cast<Activity>(i));
                found = true;
            }
        }
        if (!found) {
            return std::nullopt;
        }
        if (comma == std::string_view::npos) {
            return set;
        }
        text.remove_prefix(comma + 1);
    }
}

// A plain decimal: digits with at most one point, no sign, no exponent.
std::optional<double> DecimalOf(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<WakingHours> HoursOf(std::string_view text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<ClockTime> start = ParseClockTime(text.substr(0, dash));
    const std::optional<ClockTime> end = ParseClockTime(text.substr(dash + 1));
    if (!start || !end || !start->IsTimeOfDay() || !end->IsTimeOfDay()) {
        return std::nullopt;
    }
    const auto minuteOf = [](const ClockTime& time) {
        return static_cast<int>((time.hours + time.minutes).count());
    };
    return WakingHours{minuteOf(*start), minuteOf(*end)};
}

ConditionChoice Refused(std::string message, bool usage) {
    return {std::nullopt, std::move(message), usage};
}

constexpr std::string_view kActivityListForm =
    "expected a comma list of Ruling, Eating, Walking, Sleeping and Dying, got ";

} // namespace

ConditionChoice ChooseCondition(const PlanConditionOptions& options) {
    PlanCondition condition;
    if (!options.minStrength.empty()) {
        const std::optional<double> strength = DecimalOf(options.minStrength);
        if (!strength) {
            return Refused("--min-strength: expected a decimal from 0 to 1, got " +
                               QuoteForMessage(options.minStrength),
                           true);
        }
        if (*strength > 1.0) {
            return Refused("--min-strength: expected 0 to 1, got " + QuoteForMessage(options.minStrength),
                           false);
        }
        condition.minStrength = *strength;
        // A strength alone asks nothing of the activities.
        condition.mainActivities = ActivitySet::All();
        condition.subActivities = ActivitySet::All();
    }
    const struct {
        bool given;
        const std::string& text;
        const char* option;
        ActivitySet& set;
    } lists[] = {{options.mainGiven, options.main, "--main", condition.mainActivities},
                 {options.subGiven, options.sub, "--sub", condition.subActivities}};
    for (const auto& list : lists) {
        if (!list.given) {
            continue;
        }
        const std::optional<ActivitySet> set = ActivitiesOf(list.text);
        if (!set) {
            return Refused(std::string(list.option) + ": " + std::string(kActivityListForm) +
                               QuoteForMessage(list.text),
                           true);
        }
        list.set = *set;
    }
    if (!options.hours.empty()) {
        condition.wakingHours = HoursOf(options.hours);
        if (!condition.wakingHours) {
            return Refused("--hours: expected HH:MM-HH:MM, as in 07:00-22:00, got " +
                               QuoteForMessage(options.hours),
                           true);
        }
    }
    condition.days = options.rulingDaysOnly  ? PlanDays::RulingDaysOnly
                     : options.keepDeathDays ? PlanDays::All
                                             : PlanDays::LeaveOutDeathDays;
    if (!options.against.empty()) {
        condition.against = FindBird(options.against);
        if (!condition.against) {
            return Refused("--against: expected Vulture, Owl, Crow, Cock or Peacock, got " +
                               QuoteForMessage(options.against),
                           false);
        }
    }
    if (!options.minMinutes.empty()) {
        const std::optional<double> minutes = DecimalOf(options.minMinutes);
        if (!minutes) {
            return Refused("--min-minutes: expected a number of minutes, got " +
                               QuoteForMessage(options.minMinutes),
                           true);
        }
        if (*minutes > kMostMinMinutes) {
            return Refused("--min-minutes: expected 0 to 1440, got " + QuoteForMessage(options.minMinutes),
                           false);
        }
        condition.minMinutes = *minutes;
    }
    return {condition, {}, false};
}

} // namespace velmora
