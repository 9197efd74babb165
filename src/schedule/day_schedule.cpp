#include "schedule/day_schedule.h"

#include <cstddef>
#include <cstdint>
#include <span>

#include "ephemeris/calendar.h"
#include "schedule/sub_periods.h"

namespace velmora {
namespace {

// Weekdays as bits, Sunday the lowest.
constexpr std::uint8_t kSun = 1U << 0U;
constexpr std::uint8_t kMon = 1U << 1U;
constexpr std::uint8_t kTue = 1U << 2U;
constexpr std::uint8_t kWed = 1U << 3U;
constexpr std::uint8_t kThu = 1U << 4U;
constexpr std::uint8_t kFri = 1U << 5U;
constexpr std::uint8_t kSat = 1U << 6U;

struct BirdWeekdays {
    std::uint8_t RulingByDay;
    std::uint8_t RulingByNight;
    std::uint8_t Death;
};

// The reading's day lists as weekday sets, in the order of the birds.
constexpr auto kBrightWeekdays = std::to_array<BirdWeekdays>({
    {kSun | kTue, kFri, kThu | kSat}, // Vulture
    {kMon | kWed, kSat, kSun | kFri}, // Owl
    {kThu, kSun | kTue, kMon},        // Crow
    {kFri, kMon | kWed, kTue},        // Cock
    {kSat, kThu, kWed},               // Peacock
});
constexpr auto kDarkWeekdays = std::to_array<BirdWeekdays>({
    {kFri, kSun | kTue, kTue},               // Vulture
    {kThu, kWed, kMon},                      // Owl
    {kWed, kThu, kSun},                      // Crow
    {kSun | kTue, kMon | kSat, kThu | kSat}, // Cock
    {kMon | kSat, kFri, kWed | kFri},        // Peacock
});
static_assert(kBrightWeekdays.size() == 5 && kDarkWeekdays.size() == 5);

bool Has(std::uint8_t days, std::chrono::weekday weekday) {
    return (days >> weekday.c_encoding() & 1U) != 0U;
}

// The period's sub-periods, their nominal minutes scaled to the real period.
void DivideIntoSubPeriods(DayPeriod& period, Bird bird, Fortnight fortnight, std::chrono::weekday weekday) {
    const auto shares = SubPeriodsOf(bird, fortnight, period.half, weekday, period.yama);
    const double daysPerMinute = (period.endUT - period.startUT) / kNominalYamaMinutes;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const SubPeriodShare& share = shares[i];
        period.subPeriods[i] = {share.bird, share.activity,
                                period.startUT + share.startMinute * daysPerMinute,
                                period.startUT + (share.startMinute + share.minutes) * daysPerMinute,
                                StrengthOf(period.activity, share.activity)};
    }
    // Exact ends, so the next period starts where this one stops.
    period.subPeriods.back().endUT = period.endUT;
}

void DivideHalf(double startUT, double endUT, DayHalf half, std::span<DayPeriod, kYamasPerHalf> periods) {
    const double length = (endUT - startUT) / kYamasPerHalf;
    for (int i = 0; i < kYamasPerHalf; ++i) {
        DayPeriod& period = periods[static_cast<std::size_t>(i)];
        period.half = half;
        period.yama = i + 1;
        period.startUT = startUT + i * length;
        period.endUT = startUT + (i + 1) * length;
    }
    periods[kYamasPerHalf - 1].endUT = endUT;
}

} // namespace

BirdDayKind BirdDayOf(Bird bird, std::chrono::weekday weekday, Fortnight fortnight) {
    const BirdWeekdays& days =
        (fortnight == Fortnight::Bright ? kBrightWeekdays : kDarkWeekdays)[IndexOf(bird)];
    return {Has(days.RulingByDay, weekday), Has(days.RulingByNight, weekday), Has(days.Death, weekday)};
}

DaySchedule ComputeDaySchedule(std::chrono::year_month_day date, const ObserverPlace& place, Bird bird) {
    DaySchedule schedule;
    schedule.date = date;
    schedule.bird = bird;
    schedule.sun = ComputeSunDay(date, place);
    const SunDay& sun = schedule.sun;
    if (!sun.SunriseUT) {
        return schedule;
    }
    const std::chrono::weekday weekday = LocalWeekdayAt(*sun.SunriseUT, place.UtcOffsetHours);
    schedule.weekday = weekday;
    const DaySky& sky = schedule.sky.emplace(ComputeDaySkyAtUT(*sun.SunriseUT));
    schedule.birdDay = BirdDayOf(bird, weekday, sky.fortnight);
    if (sun.Status != SunDayStatus::Normal) {
        return schedule;
    }
    std::array<DayPeriod, kPeriodsPerDay>& periods = schedule.periods.emplace();
    const std::span<DayPeriod, kPeriodsPerDay> all(periods);
    DivideHalf(*sun.SunriseUT, *sun.SunsetUT, DayHalf::Day, all.first<kYamasPerHalf>());
    DivideHalf(*sun.SunsetUT, *sun.NextSunriseUT, DayHalf::Night, all.last<kYamasPerHalf>());
    for (DayPeriod& period : periods) {
        period.activity = MainActivityOf(bird, sky.fortnight, period.half, weekday, period.yama);
        DivideIntoSubPeriods(period, bird, sky.fortnight, weekday);
    }
    return schedule;
}

} // namespace velmora
