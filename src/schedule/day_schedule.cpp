#include "schedule/day_schedule.h"

#include <cstddef>
#include <cstdint>
#include <span>

#include "ephemeris/calendar.h"
#include "panchang/fortnight.h"

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

bool Has(std::uint8_t days, int weekday) {
    return (days >> static_cast<unsigned>(weekday) & 1U) != 0U;
}

void DivideHalf(double startUT, double endUT, DayHalf half, std::span<DayPeriod, kYamasPerHalf> periods) {
    const double length = (endUT - startUT) / kYamasPerHalf;
    for (int i = 0; i < kYamasPerHalf; ++i) {
        periods[static_cast<std::size_t>(i)] = {half, i + 1, startUT + i * length,
                                                startUT + (i + 1) * length};
    }
    // Exact ends, so the next half starts where this one stops.
    periods[kYamasPerHalf - 1].EndUT = endUT;
}

} // namespace

BirdDayKind BirdDayOf(Bird bird, int weekday, Fortnight fortnight) {
    if (weekday < 0 || weekday > 6) {
        return {};
    }
    const BirdWeekdays& days =
        (fortnight == Fortnight::Bright ? kBrightWeekdays : kDarkWeekdays)[IndexOf(bird)];
    return {Has(days.RulingByDay, weekday), Has(days.RulingByNight, weekday), Has(days.Death, weekday)};
}

DaySchedule ComputeDaySchedule(std::chrono::year_month_day date, const ObserverPlace& place, Bird bird) {
    DaySchedule schedule;
    schedule.Date = date;
    schedule.bird = bird;
    schedule.Sun = ComputeSunDay(date, place);
    const SunDay& sun = schedule.Sun;
    if (!sun.SunriseUT) {
        return schedule;
    }
    schedule.Weekday = static_cast<int>(LocalWeekdayAt(*sun.SunriseUT, place.UtcOffsetHours).c_encoding());
    schedule.fortnight = ComputePanchangAtUT(*sun.SunriseUT).fortnight;
    schedule.BirdDay = BirdDayOf(bird, *schedule.Weekday, *schedule.fortnight);
    if (sun.Status != SunDayStatus::Normal) {
        return schedule;
    }
    std::array<DayPeriod, kPeriodsPerDay>& periods = schedule.Periods.emplace();
    const std::span<DayPeriod, kPeriodsPerDay> all(periods);
    DivideHalf(*sun.SunriseUT, *sun.SunsetUT, DayHalf::Day, all.first<kYamasPerHalf>());
    DivideHalf(*sun.SunsetUT, *sun.NextSunriseUT, DayHalf::Night, all.last<kYamasPerHalf>());
    return schedule;
}

} // namespace velmora
