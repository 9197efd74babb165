#include <string>

#include <gtest/gtest.h>

#include "cli/plan_condition_options.h"

namespace velmora {
namespace {

TEST(PlanConditionOptions, WhatEachOptionAsksFor) {
    const ActivitySet rulingOrEating{Activity::Ruling, Activity::Eating};
    const struct {
        std::string name;
        PlanConditionOptions options;
        ActivitySet main;
        ActivitySet sub;
        double minStrength;
    } cases[] = {
        {"nothing: ruling or eating in both", {}, rulingOrEating, rulingOrEating, 0.0},
        {"a strength alone asks nothing of the activities",
         {.minStrength = "0.64"},
         ActivitySet::All(),
         ActivitySet::All(),
         0.64},
        {"a strength with a sub-activity",
         {.sub = "walking,DYING", .minStrength = "0.3", .subGiven = true},
         ActivitySet::All(),
         {Activity::Walking, Activity::Dying},
         0.3},
        {"the main activity alone",
         {.main = "Sleeping", .mainGiven = true},
         {Activity::Sleeping},
         rulingOrEating,
         0.0},
    };
    for (const auto& c : cases) {
        const ConditionChoice choice = ChooseCondition(c.options);
        ASSERT_TRUE(choice.condition) << c.name << ": " << choice.message;
        EXPECT_EQ(choice.condition->mainActivities, c.main) << c.name;
        EXPECT_EQ(choice.condition->subActivities, c.sub) << c.name;
        EXPECT_DOUBLE_EQ(choice.condition->minStrength, c.minStrength) << c.name;
        EXPECT_EQ(choice.condition->days, PlanDays::LeaveOutDeathDays) << c.name;
        EXPECT_DOUBLE_EQ(choice.condition->minMinutes, 10.0) << c.name;
    }
}

TEST(PlanConditionOptions, HoursRunPastMidnight) {
    const ConditionChoice choice = ChooseCondition({.hours = "22:30-06:00"});
    ASSERT_TRUE(choice.condition && choice.condition->wakingHours);
    EXPECT_EQ(choice.condition->wakingHours->startMinute, 22 * 60 + 30);
    EXPECT_EQ(choice.condition->wakingHours->endMinute, 6 * 60);
}

TEST(PlanConditionOptions, RefusesWithUsageForTheWrongForm) {
    const struct {
        PlanConditionOptions options;
        bool usage;
    } cases[] = {
        {{.main = "", .mainGiven = true}, true},
        {{.sub = "Ruling,,Eating", .subGiven = true}, true},
        {{.minStrength = "-0.2"}, true},
        {{.minStrength = "1.01"}, false},
        {{.hours = "07:00-24:00"}, true},
        {{.hours = "07:00"}, true},
        {{.against = "cock"}, false},
        {{.minMinutes = "1e3"}, true},
        {{.minMinutes = "1441"}, false},
    };
    for (const auto& c : cases) {
        const ConditionChoice choice = ChooseCondition(c.options);
        EXPECT_FALSE(choice.condition) << choice.message;
        EXPECT_EQ(choice.usage, c.usage) << choice.message;
        EXPECT_EQ(choice.message.substr(0, 2), "--") << choice.message;
    }
}

} // namespace
} // namespace velmora
