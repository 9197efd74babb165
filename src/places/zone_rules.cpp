#include "places/zone_rules.h"

#include <date/tz.h>
#include <libical/ical.h>

#include "libical_lock/libical_lock.h"

#include <mutex>
#include <stdexcept>
#include <string>

namespace velmora::places {
namespace {

// Debian's zoneinfo files list a zone's changes of the clocks up to 2037 and give
// the years after as a rule at the end of the file, which date's reader of the
// system's files ignores: past the last listed change it keeps that offset. A
// zone that still changes its clocks has its last listed change in 2037; one
// whose last change is older keeps that offset for good, and its rule says so too.
constexpr date::year kLastListedYear{2037};

// libical works a rule out only up to a fixed year (2582). The Gregorian calendar
// repeats after 400 years, a whole number of weeks, and with it every rule of the
// "last Sunday of March" kind: later moments move back by whole cycles.
constexpr date::days kGregorianCycle{146097};
constexpr date::sys_days kFirstRuleCycle{date::year{2038} / date::January / 1};

bool IsPastListedChanges(const date::sys_info& info) {
    // date marks a period that no listed change ends with the last day it can hold.
    constexpr date::sys_days kNoEnd{date::year::max() / date::December / date::last};
    return info.end == kNoEnd && info.begin >= date::sys_days{kLastListedYear / date::January / 1};
}

ClockSetting ListedSetting(const date::sys_info& info) {
    // Built over the system's zoneinfo files, `save` only tells whether daylight saving applies.
    return {.utcOffset = info.offset, .daylightSaving = info.save != std::chrono::minutes{0}};
}

ClockSetting RuleSetting(icaltimezone* rule, date::sys_seconds moment) {
    if (moment >= kFirstRuleCycle + kGregorianCycle) {
        moment -= (moment - kFirstRuleCycle) / kGregorianCycle * kGregorianCycle;
    }
    const date::sys_days day = date::floor<date::days>(moment);
    const date::year_month_day calendarDay{day};
    const date::hh_mm_ss<std::chrono::seconds> time{moment - day};
    const std::lock_guard lock(LibicalMutex());
    icaltimetype utc = icaltime_null_time();
    utc.year = static_cast<int>(calendarDay.year());
    utc.month = static_cast<int>(static_cast<unsigned>(calendarDay.month()));
    utc.day = static_cast<int>(static_cast<unsigned>(calendarDay.day()));
    utc.hour = static_cast<int>(time.hours().count());
    utc.minute = static_cast<int>(time.minutes().count());
    utc.second = static_cast<int>(time.seconds().count());
    utc.zone = icaltimezone_get_utc_timezone();
    int daylight = 0;
    const int offsetSeconds = icaltimezone_get_utc_offset_of_utc_time(rule, &utc, &daylight);
    return {.utcOffset = std::chrono::seconds{offsetSeconds}, .daylightSaving = daylight != 0};
}

} // namespace

std::optional<ZoneRules> ZoneRules::Find(std::string_view timeZoneId) {
    const date::time_zone* listed = nullptr;
    try {
        listed = date::locate_zone(timeZoneId);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
    const std::lock_guard lock(LibicalMutex());
    icaltimezone* rule = icaltimezone_get_builtin_timezone(std::string(listed->name()).c_str());
    if (rule == nullptr) {
        return std::nullopt;
    }
    return ZoneRules(listed, rule);
}

ZoneRules::ZoneRules(const date::time_zone* listed, _icaltimezone* rule) : listed_(listed), rule_(rule) {}

ClockSetting ZoneRules::At(std::chrono::sys_seconds moment) const {
    const date::sys_info info = listed_->get_info(moment);
    return IsPastListedChanges(info) ? RuleSetting(rule_, moment) : ListedSetting(info);
}

LocalClockSetting ZoneRules::At(std::chrono::local_seconds clockTime) const {
    const date::local_info info = listed_->get_info(date::local_seconds{clockTime.time_since_epoch()});
    if (info.result != date::local_info::unique || !IsPastListedChanges(info.first)) {
        LocalClockSetting setting{.inForce = ListedSetting(info.first), .caution = {}};
        if (info.result == date::local_info::nonexistent) {
            setting.caution = ClockCaution::SkippedTime;
        } else if (info.result == date::local_info::ambiguous) {
            setting.caution = ClockCaution::RepeatedTime;
        }
        return setting;
    }
    // A rule changes the clocks at most twice a year, so at most once within a
    // day either side; each offset in force then is tried for reading this time.
    const date::sys_seconds asIfUtc{clockTime.time_since_epoch()};
    const ClockSetting before = RuleSetting(rule_, asIfUtc - date::days{1});
    const ClockSetting after = RuleSetting(rule_, asIfUtc + date::days{1});
    const auto shownBy = [&](const ClockSetting& setting) {
        return RuleSetting(rule_, asIfUtc - setting.utcOffset).utcOffset == setting.utcOffset;
    };
    if (before.utcOffset == after.utcOffset) {
        return {.inForce = RuleSetting(rule_, asIfUtc - before.utcOffset), .caution = {}};
    }
    const bool shownBefore = shownBy(before);
    const bool shownAfter = shownBy(after);
    if (shownBefore == shownAfter) {
        return {.inForce = before,
                .caution = shownBefore ? ClockCaution::RepeatedTime : ClockCaution::SkippedTime};
    }
    return {.inForce = shownBefore ? before : after, .caution = {}};
}

} // namespace velmora::places
