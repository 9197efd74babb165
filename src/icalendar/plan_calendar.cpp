#include "icalendar/plan_calendar.h"

#include <libical/ical.h>

#include <memory>
#include <mutex>

#include "ephemeris/calendar.h"
#include "icalendar/window_uid.h"
#include "libical_lock/libical_lock.h"
#include "planner/window_words.h"
#include "texts/moment_text.h"

namespace velmora {
namespace {

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

struct BufferDeleter {
    void operator()(char* buffer) const { icalmemory_free_buffer(buffer); }
};

icaltimetype UtcTime(std::chrono::sys_seconds moment) {
    return icaltime_from_timet_with_zone(static_cast<time_t>(moment.time_since_epoch().count()), 0,
                                         icaltimezone_get_utc_timezone());
}

std::string Description(const PlanWindow& window, const LocalClock& clock,
                        const PlanCalendarRequest& request) {
    const LanguageTexts& texts = TextsOf(request.language);
    const PlanLabels& labels = texts.planLabels;
    std::string text = std::string(labels.lowestStrength) + " " + StrengthText(window.minStrength) + "\n";
    for (const PlanPart& part : window.parts) {
        text += LocalClockText(part.startUT, clock.UtcOffsetHoursAt(part.startUT)) + "-" +
                LocalClockText(part.endUT, clock.UtcOffsetHoursAt(part.endUT)) + " " +
                std::string(texts.activityNames[IndexOf(part.mainActivity)]) + " · " +
                std::string(texts.activityNames[IndexOf(part.subActivity)]) + ", " +
                std::string(labels.strength) + " " + StrengthText(part.strength);
        if (part.otherActivity && request.condition.against) {
            text += ", " + std::string(texts.birdNames[IndexOf(*request.condition.against)]) + ": " +
                    std::string(texts.activityNames[IndexOf(*part.otherActivity)]);
        }
        text += "\n";
    }
    return text + std::string(texts.tablesSource);
}

icalcomponent* Event(const PlanWindow& window, const LocalClock& clock, const PlanCalendarRequest& request) {
    const std::string summary = WindowSummary(window, request.bird, request.language);
    icalcomponent* event = icalcomponent_new_vevent();
    icalcomponent_add_property(
        event, icalproperty_new_uid(WindowUid(request.bird, window, request.condition).c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(UtcTime(request.madeAt)));
    icalcomponent_add_property(event, icalproperty_new_dtstart(UtcTime(NearestSecondAt(window.startUT))));
    icalcomponent_add_property(event, icalproperty_new_dtend(UtcTime(NearestSecondAt(window.endUT))));
    icalcomponent_add_property(event, icalproperty_new_summary(summary.c_str()));
    icalcomponent_add_property(event,
                               icalproperty_new_description(Description(window, clock, request).c_str()));
    // Free time: a good time to act is not an appointment.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    if (request.alarmMinutes) {
        icalcomponent* alarm = icalcomponent_new_valarm();
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(
            alarm, icalproperty_new_trigger(icaltriggertype_from_int(-*request.alarmMinutes * 60)));
        icalcomponent_add_property(alarm, icalproperty_new_description(summary.c_str()));
        icalcomponent_add_component(event, alarm);
    }
    return event;
}

} // namespace

std::string PlanCalendarText(std::span<const PlanWindow> windows, const LocalClock& clock,
                             const PlanCalendarRequest& request) {
    const std::lock_guard lock(LibicalMutex());
    const Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Velmora//Plan//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    for (const PlanWindow& window : windows) {
        icalcomponent_add_component(calendar.get(), Event(window, clock, request));
    }
    const std::unique_ptr<char, BufferDeleter> text(icalcomponent_as_ical_string_r(calendar.get()));
    return text ? std::string(text.get()) : std::string();
}

} // namespace velmora
