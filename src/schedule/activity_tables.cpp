#include "schedule/activity_tables.h"

#include <array>
#include <cassert>

namespace velmora {
namespace {

using enum Fortnight;
using enum DayHalf;
using enum Bird;
using enum Activity;
using std::chrono::Friday;
using std::chrono::Monday;
using std::chrono::Saturday;
using std::chrono::Sunday;
using std::chrono::Thursday;
using std::chrono::Tuesday;
using std::chrono::Wednesday;

// Tables: U. S. Pulippani, Biorhythms of Natal Moon (Ranjan Publications, New Delhi, 1993), as
// transcribed in public sources and compared cell by cell, with a transcription of P. V. Jagadisa
// Ayyar, South Indian Customs (Madras, 1925), pp. 106-109; traditions differ. Where Ayyar prints the
// bright Saturday night's fifth period as a copy of its first, the other witnesses' reading is taken.

struct MainActivityRow {
    Fortnight fortnight;
    DayHalf half;
    std::chrono::weekday weekday;
    Bird bird;
    std::array<Activity, kYamasPerHalf> yamas;
};
using Row = MainActivityRow;

// Fortnight, half, weekday (Sunday first), bird, and its activity in periods 1 to 5.
constexpr auto kMainActivities = std::to_array<MainActivityRow>({
    // 1
    Row{Bright, Day, Sunday, Vulture, {Eating, Walking, Ruling, Sleeping, Dying}},
    Row{Bright, Day, Sunday, Owl, {Walking, Ruling, Sleeping, Dying, Eating}},
    Row{Bright, Day, Sunday, Crow, {Ruling, Sleeping, Dying, Eating, Walking}},
    Row{Bright, Day, Sunday, Cock, {Sleeping, Dying, Eating, Walking, Ruling}},
    Row{Bright, Day, Sunday, Peacock, {Dying, Eating, Walking, Ruling, Sleeping}},
    Row{Bright, Day, Monday, Vulture, {Dying, Eating, Walking, Ruling, Sleeping}},
    Row{Bright, Day, Monday, Owl, {Eating, Walking, Ruling, Sleeping, Dying}},
    Row{Bright, Day, Monday, Crow, {Walking, Ruling, Sleeping, Dying, Eating}},
    Row{Bright, Day, Monday, Cock, {Ruling, Sleeping, Dying, Eating, Walking}},
    Row{Bright, Day, Monday, Peacock, {Sleeping, Dying, Eating, Walking, Ruling}},
    // 11
    Row{Bright, Day, Tuesday, Vulture, {Eating, Walking, Ruling, Sleeping, Dying}},
    Row{Bright, Day, Tuesday, Owl, {Walking, Ruling, Sleeping, Dying, Eating}},
    Row{Bright, Day, Tuesday, Crow, {Ruling, Sleeping, Dying, Eating, Walking}},
    Row{Bright, Day, Tuesday, Cock, {Sleeping, Dying, Eating, Walking, Ruling}},
    Row{Bright, Day, Tuesday, Peacock, {Dying, Eating, Walking, Ruling, Sleeping}},
    Row{Bright, Day, Wednesday, Vulture, {Dying, Eating, Walking, Ruling, Sleeping}},
    Row{Bright, Day, Wednesday, Owl, {Eating, Walking, Ruling, Sleeping, Dying}},
    Row{Bright, Day, Wednesday, Crow, {Walking, Ruling, Sleeping, Dying, Eating}},
    Row{Bright, Day, Wednesday, Cock, {Ruling, Sleeping, Dying, Eating, Walking}},
    Row{Bright, Day, Wednesday, Peacock, {Sleeping, Dying, Eating, Walking, Ruling}},
    // 21
    Row{Bright, Day, Thursday, Vulture, {Sleeping, Dying, Eating, Walking, Ruling}},
    Row{Bright, Day, Thursday, Owl, {Dying, Eating, Walking, Ruling, Sleeping}},
    Row{Bright, Day, Thursday, Crow, {Eating, Walking, Ruling, Sleeping, Dying}},
    Row{Bright, Day, Thursday, Cock, {Walking, Ruling, Sleeping, Dying, Eating}},
    Row{Bright, Day, Thursday, Peacock, {Ruling, Sleeping, Dying, Eating, Walking}},
    Row{Bright, Day, Friday, Vulture, {Ruling, Sleeping, Dying, Eating, Walking}},
    Row{Bright, Day, Friday, Owl, {Sleeping, Dying, Eating, Walking, Ruling}},
    Row{Bright, Day, Friday, Crow, {Dying, Eating, Walking, Ruling, Sleeping}},
    Row{Bright, Day, Friday, Cock, {Eating, Walking, Ruling, Sleeping, Dying}},
    Row{Bright, Day, Friday, Peacock, {Walking, Ruling, Sleeping, Dying, Eating}},
    // 31
    Row{Bright, Day, Saturday, Vulture, {Walking, Ruling, Sleeping, Dying, Eating}},
    Row{Bright, Day, Saturday, Owl, {Ruling, Sleeping, Dying, Eating, Walking}},
    Row{Bright, Day, Saturday, Crow, {Sleeping, Dying, Eating, Walking, Ruling}},
    Row{Bright, Day, Saturday, Cock, {Dying, Eating, Walking, Ruling, Sleeping}},
    Row{Bright, Day, Saturday, Peacock, {Eating, Walking, Ruling, Sleeping, Dying}},
    Row{Bright, Night, Sunday, Vulture, {Dying, Walking, Sleeping, Eating, Ruling}},
    Row{Bright, Night, Sunday, Owl, {Ruling, Dying, Walking, Sleeping, Eating}},
    Row{Bright, Night, Sunday, Crow, {Eating, Ruling, Dying, Walking, Sleeping}},
    Row{Bright, Night, Sunday, Cock, {Sleeping, Eating, Ruling, Dying, Walking}},
    Row{Bright, Night, Sunday, Peacock, {Walking, Sleeping, Eating, Ruling, Dying}},
    // 41
    Row{Bright, Night, Monday, Vulture, {Walking, Sleeping, Eating, Ruling, Dying}},
    Row{Bright, Night, Monday, Owl, {Dying, Walking, Sleeping, Eating, Ruling}},
    Row{Bright, Night, Monday, Crow, {Ruling, Dying, Walking, Sleeping, Eating}},
    Row{Bright, Night, Monday, Cock, {Eating, Ruling, Dying, Walking, Sleeping}},
    Row{Bright, Night, Monday, Peacock, {Sleeping, Eating, Ruling, Dying, Walking}},
    Row{Bright, Night, Tuesday, Vulture, {Dying, Walking, Sleeping, Eating, Ruling}},
    Row{Bright, Night, Tuesday, Owl, {Ruling, Dying, Walking, Sleeping, Eating}},
    Row{Bright, Night, Tuesday, Crow, {Eating, Ruling, Dying, Walking, Sleeping}},
    Row{Bright, Night, Tuesday, Cock, {Sleeping, Eating, Ruling, Dying, Walking}},
    Row{Bright, Night, Tuesday, Peacock, {Walking, Sleeping, Eating, Ruling, Dying}},
    // 51
    Row{Bright, Night, Wednesday, Vulture, {Walking, Sleeping, Eating, Ruling, Dying}},
    Row{Bright, Night, Wednesday, Owl, {Dying, Walking, Sleeping, Eating, Ruling}},
    Row{Bright, Night, Wednesday, Crow, {Ruling, Dying, Walking, Sleeping, Eating}},
    Row{Bright, Night, Wednesday, Cock, {Eating, Ruling, Dying, Walking, Sleeping}},
    Row{Bright, Night, Wednesday, Peacock, {Sleeping, Eating, Ruling, Dying, Walking}},
    Row{Bright, Night, Thursday, Vulture, {Sleeping, Eating, Ruling, Dying, Walking}},
    Row{Bright, Night, Thursday, Owl, {Walking, Sleeping, Eating, Ruling, Dying}},
    Row{Bright, Night, Thursday, Crow, {Dying, Walking, Sleeping, Eating, Ruling}},
    Row{Bright, Night, Thursday, Cock, {Ruling, Dying, Walking, Sleeping, Eating}},
    Row{Bright, Night, Thursday, Peacock, {Eating, Ruling, Dying, Walking, Sleeping}},
    // 61
    Row{Bright, Night, Friday, Vulture, {Eating, Ruling, Dying, Walking, Sleeping}},
    Row{Bright, Night, Friday, Owl, {Sleeping, Eating, Ruling, Dying, Walking}},
    Row{Bright, Night, Friday, Crow, {Walking, Sleeping, Eating, Ruling, Dying}},
    Row{Bright, Night, Friday, Cock, {Dying, Walking, Sleeping, Eating, Ruling}},
    Row{Bright, Night, Friday, Peacock, {Ruling, Dying, Walking, Sleeping, Eating}},
    Row{Bright, Night, Saturday, Vulture, {Ruling, Dying, Walking, Sleeping, Eating}},
    Row{Bright, Night, Saturday, Owl, {Eating, Ruling, Dying, Walking, Sleeping}},
    Row{Bright, Night, Saturday, Crow, {Sleeping, Eating, Ruling, Dying, Walking}},
    Row{Bright, Night, Saturday, Cock, {Walking, Sleeping, Eating, Ruling, Dying}},
    Row{Bright, Night, Saturday, Peacock, {Dying, Walking, Sleeping, Eating, Ruling}},
    // 71
    Row{Dark, Day, Sunday, Vulture, {Walking, Eating, Dying, Sleeping, Ruling}},
    Row{Dark, Day, Sunday, Owl, {Dying, Sleeping, Ruling, Walking, Eating}},
    Row{Dark, Day, Sunday, Crow, {Ruling, Walking, Eating, Dying, Sleeping}},
    Row{Dark, Day, Sunday, Cock, {Eating, Dying, Sleeping, Ruling, Walking}},
    Row{Dark, Day, Sunday, Peacock, {Sleeping, Ruling, Walking, Eating, Dying}},
    Row{Dark, Day, Monday, Vulture, {Sleeping, Ruling, Walking, Eating, Dying}},
    Row{Dark, Day, Monday, Owl, {Walking, Eating, Dying, Sleeping, Ruling}},
    Row{Dark, Day, Monday, Crow, {Dying, Sleeping, Ruling, Walking, Eating}},
    Row{Dark, Day, Monday, Cock, {Ruling, Walking, Eating, Dying, Sleeping}},
    Row{Dark, Day, Monday, Peacock, {Eating, Dying, Sleeping, Ruling, Walking}},
    // 81
    Row{Dark, Day, Tuesday, Vulture, {Walking, Eating, Dying, Sleeping, Ruling}},
    Row{Dark, Day, Tuesday, Owl, {Dying, Sleeping, Ruling, Walking, Eating}},
    Row{Dark, Day, Tuesday, Crow, {Ruling, Walking, Eating, Dying, Sleeping}},
    Row{Dark, Day, Tuesday, Cock, {Eating, Dying, Sleeping, Ruling, Walking}},
    Row{Dark, Day, Tuesday, Peacock, {Sleeping, Ruling, Walking, Eating, Dying}},
    Row{Dark, Day, Wednesday, Vulture, {Dying, Sleeping, Ruling, Walking, Eating}},
    Row{Dark, Day, Wednesday, Owl, {Ruling, Walking, Eating, Dying, Sleeping}},
    Row{Dark, Day, Wednesday, Crow, {Eating, Dying, Sleeping, Ruling, Walking}},
    Row{Dark, Day, Wednesday, Cock, {Sleeping, Ruling, Walking, Eating, Dying}},
    Row{Dark, Day, Wednesday, Peacock, {Walking, Eating, Dying, Sleeping, Ruling}},
    // 91
    Row{Dark, Day, Thursday, Vulture, {Ruling, Walking, Eating, Dying, Sleeping}},
    Row{Dark, Day, Thursday, Owl, {Eating, Dying, Sleeping, Ruling, Walking}},
    Row{Dark, Day, Thursday, Crow, {Sleeping, Ruling, Walking, Eating, Dying}},
    Row{Dark, Day, Thursday, Cock, {Walking, Eating, Dying, Sleeping, Ruling}},
    Row{Dark, Day, Thursday, Peacock, {Dying, Sleeping, Ruling, Walking, Eating}},
    Row{Dark, Day, Friday, Vulture, {Eating, Dying, Sleeping, Ruling, Walking}},
    Row{Dark, Day, Friday, Owl, {Sleeping, Ruling, Walking, Eating, Dying}},
    Row{Dark, Day, Friday, Crow, {Walking, Eating, Dying, Sleeping, Ruling}},
    Row{Dark, Day, Friday, Cock, {Dying, Sleeping, Ruling, Walking, Eating}},
    Row{Dark, Day, Friday, Peacock, {Ruling, Walking, Eating, Dying, Sleeping}},
    // 101
    Row{Dark, Day, Saturday, Vulture, {Sleeping, Ruling, Walking, Eating, Dying}},
    Row{Dark, Day, Saturday, Owl, {Walking, Eating, Dying, Sleeping, Ruling}},
    Row{Dark, Day, Saturday, Crow, {Dying, Sleeping, Ruling, Walking, Eating}},
    Row{Dark, Day, Saturday, Cock, {Ruling, Walking, Eating, Dying, Sleeping}},
    Row{Dark, Day, Saturday, Peacock, {Eating, Dying, Sleeping, Ruling, Walking}},
    Row{Dark, Night, Sunday, Vulture, {Eating, Sleeping, Walking, Dying, Ruling}},
    Row{Dark, Night, Sunday, Owl, {Ruling, Eating, Sleeping, Walking, Dying}},
    Row{Dark, Night, Sunday, Crow, {Dying, Ruling, Eating, Sleeping, Walking}},
    Row{Dark, Night, Sunday, Cock, {Walking, Dying, Ruling, Eating, Sleeping}},
    Row{Dark, Night, Sunday, Peacock, {Sleeping, Walking, Dying, Ruling, Eating}},
    // 111
    Row{Dark, Night, Monday, Vulture, {Dying, Ruling, Eating, Sleeping, Walking}},
    Row{Dark, Night, Monday, Owl, {Walking, Dying, Ruling, Eating, Sleeping}},
    Row{Dark, Night, Monday, Crow, {Sleeping, Walking, Dying, Ruling, Eating}},
    Row{Dark, Night, Monday, Cock, {Eating, Sleeping, Walking, Dying, Ruling}},
    Row{Dark, Night, Monday, Peacock, {Ruling, Eating, Sleeping, Walking, Dying}},
    Row{Dark, Night, Tuesday, Vulture, {Eating, Sleeping, Walking, Dying, Ruling}},
    Row{Dark, Night, Tuesday, Owl, {Ruling, Eating, Sleeping, Walking, Dying}},
    Row{Dark, Night, Tuesday, Crow, {Dying, Ruling, Eating, Sleeping, Walking}},
    Row{Dark, Night, Tuesday, Cock, {Walking, Dying, Ruling, Eating, Sleeping}},
    Row{Dark, Night, Tuesday, Peacock, {Sleeping, Walking, Dying, Ruling, Eating}},
    // 121
    Row{Dark, Night, Wednesday, Vulture, {Sleeping, Walking, Dying, Ruling, Eating}},
    Row{Dark, Night, Wednesday, Owl, {Eating, Sleeping, Walking, Dying, Ruling}},
    Row{Dark, Night, Wednesday, Crow, {Ruling, Eating, Sleeping, Walking, Dying}},
    Row{Dark, Night, Wednesday, Cock, {Dying, Ruling, Eating, Sleeping, Walking}},
    Row{Dark, Night, Wednesday, Peacock, {Walking, Dying, Ruling, Eating, Sleeping}},
    Row{Dark, Night, Thursday, Vulture, {Walking, Dying, Ruling, Eating, Sleeping}},
    Row{Dark, Night, Thursday, Owl, {Sleeping, Walking, Dying, Ruling, Eating}},
    Row{Dark, Night, Thursday, Crow, {Eating, Sleeping, Walking, Dying, Ruling}},
    Row{Dark, Night, Thursday, Cock, {Ruling, Eating, Sleeping, Walking, Dying}},
    Row{Dark, Night, Thursday, Peacock, {Dying, Ruling, Eating, Sleeping, Walking}},
    // 131
    Row{Dark, Night, Friday, Vulture, {Ruling, Eating, Sleeping, Walking, Dying}},
    Row{Dark, Night, Friday, Owl, {Dying, Ruling, Eating, Sleeping, Walking}},
    Row{Dark, Night, Friday, Crow, {Walking, Dying, Ruling, Eating, Sleeping}},
    Row{Dark, Night, Friday, Cock, {Sleeping, Walking, Dying, Ruling, Eating}},
    Row{Dark, Night, Friday, Peacock, {Eating, Sleeping, Walking, Dying, Ruling}},
    Row{Dark, Night, Saturday, Vulture, {Dying, Ruling, Eating, Sleeping, Walking}},
    Row{Dark, Night, Saturday, Owl, {Walking, Dying, Ruling, Eating, Sleeping}},
    Row{Dark, Night, Saturday, Crow, {Sleeping, Walking, Dying, Ruling, Eating}},
    Row{Dark, Night, Saturday, Cock, {Eating, Sleeping, Walking, Dying, Ruling}},
    Row{Dark, Night, Saturday, Peacock, {Ruling, Eating, Sleeping, Walking, Dying}},
});
static_assert(kMainActivities.size() == 2 * 2 * 7 * kBirdCount);

struct SubPeriodLength {
    Fortnight fortnight;
    DayHalf half;
    Activity activity;
    int minutes; // of a nominal 144-minute period
};

// The same book, p. 46 as transcribed; one independent witness gives the same twenty values.
constexpr auto kSubPeriodLengths = std::to_array<SubPeriodLength>({
    {Bright, Day, Ruling, 48},   {Bright, Day, Eating, 30},    {Bright, Day, Walking, 36},
    {Bright, Day, Sleeping, 18}, {Bright, Day, Dying, 12},     {Bright, Night, Ruling, 24},
    {Bright, Night, Eating, 30}, {Bright, Night, Walking, 30}, {Bright, Night, Sleeping, 24},
    {Bright, Night, Dying, 36},  {Dark, Day, Ruling, 18},      {Dark, Day, Eating, 48},
    {Dark, Day, Walking, 36},    {Dark, Day, Sleeping, 12},    {Dark, Day, Dying, 30},
    {Dark, Night, Ruling, 18},   {Dark, Night, Eating, 42},    {Dark, Night, Walking, 42},
    {Dark, Night, Sleeping, 18}, {Dark, Night, Dying, 24},
});
static_assert(kSubPeriodLengths.size() == 2 * 2 * kActivityCount);

// Each half's cycle of activities, the order in which a bird passes through them.
struct HalfCycle {
    Fortnight fortnight;
    DayHalf half;
    std::array<Activity, kActivityCount> order;
};
constexpr auto kHalfCycles = std::to_array<HalfCycle>({
    {Bright, Day, {Eating, Walking, Ruling, Sleeping, Dying}},
    {Bright, Night, {Eating, Ruling, Dying, Walking, Sleeping}},
    {Dark, Day, {Eating, Dying, Sleeping, Ruling, Walking}},
    {Dark, Night, {Eating, Sleeping, Walking, Dying, Ruling}},
});
static_assert(kHalfCycles.size() == 4);

constexpr std::size_t HalfIndex(Fortnight fortnight, DayHalf half) {
    return static_cast<std::size_t>(fortnight) * 2 + static_cast<std::size_t>(half);
}

constexpr std::size_t MainRowIndex(Fortnight fortnight, DayHalf half, std::chrono::weekday weekday,
                                   Bird bird) {
    return (HalfIndex(fortnight, half) * 7 + weekday.c_encoding()) * kBirdCount + IndexOf(bird);
}

// The look-ups index the tables directly, so their rows must stand in key order.
constexpr bool RowsInKeyOrder() {
    for (std::size_t i = 0; i < kMainActivities.size(); ++i) {
        const MainActivityRow& row = kMainActivities[i];
        if (MainRowIndex(row.fortnight, row.half, row.weekday, row.bird) != i) {
            return false;
        }
    }
    for (std::size_t i = 0; i < kSubPeriodLengths.size(); ++i) {
        const SubPeriodLength& row = kSubPeriodLengths[i];
        if (HalfIndex(row.fortnight, row.half) * kActivityCount + IndexOf(row.activity) != i) {
            return false;
        }
    }
    for (std::size_t i = 0; i < kHalfCycles.size(); ++i) {
        if (HalfIndex(kHalfCycles[i].fortnight, kHalfCycles[i].half) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInKeyOrder());

constexpr bool SubPeriodsFillTheirPeriod() {
    for (std::size_t half = 0; half < 4; ++half) {
        int minutes = 0;
        for (std::size_t activity = 0; activity < kActivityCount; ++activity) {
            minutes += kSubPeriodLengths[half * kActivityCount + activity].minutes;
        }
        if (minutes != kNominalYamaMinutes) {
            return false;
        }
    }
    return true;
}
static_assert(SubPeriodsFillTheirPeriod());

// The activity after each activity in each half's cycle, by half and activity.
constexpr auto kNextActivity = [] {
    std::array<std::array<Activity, kActivityCount>, kHalfCycles.size()> next{};
    for (std::size_t half = 0; half < kHalfCycles.size(); ++half) {
        const auto& order = kHalfCycles[half].order;
        for (std::size_t i = 0; i < order.size(); ++i) {
            next[half][IndexOf(order[i])] = order[(i + 1) % order.size()];
        }
    }
    return next;
}();

// Pulippani p. 48 as transcribed, strongest first.
constexpr std::array<double, kActivityCount> kActivityWeights = {1.0, 0.8, 0.6, 0.4, 0.2};

} // namespace

Activity MainActivityOf(Bird bird, Fortnight fortnight, DayHalf half, std::chrono::weekday weekday,
                        int yama) {
    assert(yama >= 1 && yama <= kYamasPerHalf);
    return kMainActivities[MainRowIndex(fortnight, half, weekday, bird)]
        .yamas[static_cast<std::size_t>(yama - 1)];
}

Activity NextActivity(Fortnight fortnight, DayHalf half, Activity activity) {
    return kNextActivity[HalfIndex(fortnight, half)][IndexOf(activity)];
}

int SubPeriodMinutes(Fortnight fortnight, DayHalf half, Activity activity) {
    return kSubPeriodLengths[HalfIndex(fortnight, half) * kActivityCount + IndexOf(activity)].minutes;
}

double ActivityWeight(Activity activity) {
    return kActivityWeights[IndexOf(activity)];
}

} // namespace velmora
