#include <libical/ical.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "icalendar/plan_calendar.h"

namespace velmora {
namespace {

constexpr double kMinute = 1.0 / 1440.0;
constexpr double kMarch31 = 2460400.5; // 2024-03-31 00:00 UT, the day London's clocks go forward

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

// Two windows on the morning of 31 March 2024, the second of two parts, against an Owl.
std::vector<PlanWindow> Windows() {
    const double first = kMarch31 + (6 * 60 + 12) * kMinute;  // 06:12 UT, 07:12 in London
    const double second = kMarch31 + (9 * 60 + 30) * kMinute; // 09:30 UT
    return {
        {first,
         first + 30 * kMinute,
         0.8,
         {{Activity::Ruling, Activity::Eating, first, first + 30 * kMinute, 0.8, Activity::Sleeping}}},
        {second,
         second + 40 * kMinute,
         0.64,
         {{Activity::Eating, Activity::Ruling, second, second + 25 * kMinute, 0.8, Activity::Dying},
          {Activity::Eating, Activity::Eating, second + 25 * kMinute, second + 40 * kMinute, 0.64,
           Activity::Sleeping}}},
    };
}

class LondonClock final : public LocalClock {
public:
    double UtcOffsetHoursAt(double julianDateUT) const override {
        return julianDateUT < kMarch31 + 60 * kMinute ? 0.0 : 1.0;
    }
};

PlanCalendarRequest Request() {
    PlanCalendarRequest request;
    request.bird = Bird::Cock;
    request.condition.against = Bird::Owl;
    request.madeAt = std::chrono::sys_days{std::chrono::year{2024} / 3 / 1} + std::chrono::hours{12};
    return request;
}

std::vector<icalcomponent*> Events(icalcomponent* calendar) {
    std::vector<icalcomponent*> events;
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event != nullptr; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        events.push_back(event);
    }
    return events;
}

std::string Uid(icalcomponent* event) {
    return icalcomponent_get_uid(event);
}

TEST(PlanCalendar, PassesLibicalsParserAndRestrictions) {
    const std::string text = PlanCalendarText(Windows(), LondonClock(), Request());
    const Component calendar(icalparser_parse_string(text.c_str()));
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0);
    EXPECT_TRUE(icalrestriction_check(calendar.get()));
    EXPECT_EQ(Events(calendar.get()).size(), 2U);
    // Start and end in UTC, the stamp as given.
    EXPECT_NE(text.find("DTSTART:20240331T061200Z\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("DTEND:20240331T064200Z\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("DTSTART:20240331T093000Z\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("DTSTAMP:20240301T120000Z\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("VALARM"), std::string::npos);
}

TEST(PlanCalendar, SaysWhatEachWindowIsInTheChosenLanguage) {
    const struct {
        Language language;
        std::string summary;
        std::string description;
    } cases[] = {
        {Language::English, "Cock: Eating · Ruling, Eating sub-periods",
         "lowest strength 0.64\n10:30-10:55 Eating · Ruling, strength 0.80, Owl: Dying\n"
         "10:55-11:10 Eating · Eating, strength 0.64, Owl: Sleeping\n"
         "Tables: U. S. Pulippani, Biorhythms of Natal Moon (1993), as transcribed in public sources; "
         "traditions differ."},
        {Language::Tamil, "கோழி: ஊண் · அரசு, ஊண் உட்பிரிவுகள்",
         "குறைந்த வலிமை 0.64\n10:30-10:55 ஊண் · அரசு, வலிமை 0.80, ஆந்தை: சாவு\n"
         "10:55-11:10 ஊண் · ஊண், வலிமை 0.64, ஆந்தை: துயில்\n"
         "அட்டவணைகள்: U. S. Pulippani, Biorhythms of Natal Moon (1993), பொது மூலங்களில் படியெடுத்தபடி; "
         "மரபுகள் வேறுபடுகின்றன."},
    };
    for (const auto& c : cases) {
        PlanCalendarRequest request = Request();
        request.language = c.language;
        const Component calendar(
            icalparser_parse_string(PlanCalendarText(Windows(), LondonClock(), request).c_str()));
        ASSERT_NE(calendar, nullptr);
        const std::vector<icalcomponent*> events = Events(calendar.get());
        ASSERT_EQ(events.size(), 2U);
        EXPECT_EQ(std::string(icalcomponent_get_summary(events[1])), c.summary);
        EXPECT_EQ(std::string(icalcomponent_get_description(events[1])), c.description);
    }
}

TEST(PlanCalendar, UidsStayForTheSameWindowAndConditionOnly) {
    const std::vector<PlanWindow> windows = Windows();
    PlanCalendarRequest later = Request();
    later.madeAt += std::chrono::days{3};
    PlanCalendarRequest otherCondition = Request();
    otherCondition.condition.minMinutes = 20.0;
    PlanCalendarRequest otherBird = Request();
    otherBird.bird = Bird::Crow;
    std::vector<PlanWindow> moved = windows;
    moved[0].endUT += kMinute;

    const auto uids = [](const std::vector<PlanWindow>& w, const PlanCalendarRequest& r) {
        const Component calendar(icalparser_parse_string(PlanCalendarText(w, LondonClock(), r).c_str()));
        std::vector<std::string> found;
        for (icalcomponent* event : Events(calendar.get())) {
            found.push_back(Uid(event));
        }
        return found;
    };
    const std::vector<std::string> first = uids(windows, Request());
    ASSERT_EQ(first.size(), 2U);
    EXPECT_NE(first[0], first[1]);
    EXPECT_EQ(uids(windows, later), first);
    EXPECT_NE(uids(windows, otherCondition)[0], first[0]);
    EXPECT_NE(uids(windows, otherBird)[0], first[0]);
    const std::vector<std::string> afterMove = uids(moved, Request());
    EXPECT_NE(afterMove[0], first[0]);
    EXPECT_EQ(afterMove[1], first[1]);
}

TEST(PlanCalendar, RemindsBeforeEachWindowWhenAsked) {
    PlanCalendarRequest request = Request();
    request.alarmMinutes = 15;
    const std::string text = PlanCalendarText(Windows(), LondonClock(), request);
    const Component calendar(icalparser_parse_string(text.c_str()));
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0);
    EXPECT_TRUE(icalrestriction_check(calendar.get()));
    for (icalcomponent* event : Events(calendar.get())) {
        icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
        ASSERT_NE(alarm, nullptr);
        EXPECT_EQ(icalproperty_get_action(icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY)),
                  ICAL_ACTION_DISPLAY);
    }
    EXPECT_NE(text.find("TRIGGER:-PT15M\r\n"), std::string::npos) << text;
}

} // namespace
} // namespace velmora
