#include "schedule/day_schedule.h"

#include <chrono>
#include <cstddef>
#include <span>

#include "schedule/fortnight_at.h"
#include "texts/look_ups.h"

namespace velmora {
namespace {

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
    const RulingBird days = BirdWithDays(bird, fortnight);
    const std::chrono::weekday day{static_cast<unsigned>(weekday)};
    return {days.rulingDaysDay.Has(day), days.rulingDaysNight.Has(day), days.deathDays.Has(day)};
}

DaySchedule ComputeDaySchedule(const LocalDate& date, const Place& place, Bird bird) {
    DaySchedule schedule;
    schedule.Date = date;
    schedule.bird = bird;
    schedule.Sun = ComputeSunDay(date, place);
    if (schedule.Sun.Status != SunDayStatus::Normal) {
        return schedule;
    }
    schedule.Weekday = WeekdayOf(schedule.Sun.SunriseUT, place.UtcOffsetHours);
    schedule.fortnight = FortnightAtUT(schedule.Sun.SunriseUT);
    schedule.BirdDay = BirdDayOf(bird, schedule.Weekday, schedule.fortnight);
    const std::span<DayPeriod, kPeriodsPerDay> periods(schedule.Periods);
    DivideHalf(schedule.Sun.SunriseUT, schedule.Sun.SunsetUT, DayHalf::Day, periods.first<kYamasPerHalf>());
    DivideHalf(schedule.Sun.SunsetUT, schedule.Sun.NextSunriseUT, DayHalf::Night,
               periods.last<kYamasPerHalf>());
    return schedule;
}

} // namespace velmora
