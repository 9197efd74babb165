#include "schedule/day_schedule.h"

#include <algorithm>
#include <cstddef>
#include <span>

#include "ephemeris/calendar.h"
#include "schedule/sub_periods.h"
#include "texts/look_ups.h"

namespace velmora {
namespace {

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

void FillActivities(std::span<DayPeriod, kPeriodsPerDay> periods, Bird bird, Fortnight fortnight,
                    std::chrono::weekday weekday) {
    for (DayPeriod& period : periods) {
        period.activity = MainActivityOf(bird, fortnight, period.half, weekday, period.yama);
        DivideIntoSubPeriods(period, bird, fortnight, weekday);
    }
}

// The schedule of `date` whose sun is `sun`, at a place whose clocks are `utcOffsetHours` ahead of UT.
DaySchedule ScheduleOfSunDay(std::chrono::year_month_day date, const SunDay& sun, double utcOffsetHours,
                             Bird bird) {
    DaySchedule schedule;
    schedule.date = date;
    schedule.bird = bird;
    schedule.sun = sun;
    if (!sun.SunriseUT) {
        return schedule;
    }
    const std::chrono::weekday weekday = LocalWeekdayAt(*sun.SunriseUT, utcOffsetHours);
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
    FillActivities(periods, bird, sky.fortnight, weekday);
    return schedule;
}

} // namespace

BirdDayKind BirdDayOf(Bird bird, std::chrono::weekday weekday, Fortnight fortnight) {
    const RulingBird days = BirdWithDays(bird, fortnight);
    return {days.rulingDaysDay.Has(weekday), days.rulingDaysNight.Has(weekday), days.deathDays.Has(weekday)};
}

DaySchedule ComputeDaySchedule(std::chrono::year_month_day date, const ObserverPlace& place, Bird bird) {
    return ScheduleOfSunDay(date, ComputeSunDay(date, place), place.UtcOffsetHours, bird);
}

DaySchedule ForAnotherBird(const DaySchedule& day, Bird bird) {
    DaySchedule other = day;
    other.bird = bird;
    if (other.weekday && other.sky) {
        other.birdDay = BirdDayOf(bird, *other.weekday, other.sky->fortnight);
        if (other.periods) {
            FillActivities(*other.periods, bird, other.sky->fortnight, *other.weekday);
        }
    }
    return other;
}

std::vector<DaySchedule> ComputeDaySchedules(std::chrono::year_month_day first, int dayCount,
                                             double latitudeDeg, double longitudeDeg, const LocalClock& clock,
                                             Bird bird) {
    const std::size_t count = static_cast<std::size_t>(std::max(dayCount, 0));
    const std::chrono::sys_days firstDay{first};
    std::vector<double> utcOffsetHours;
    utcOffsetHours.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        // Noon UT, then the local noon by the offset found there: changes of the clocks
        // fall at night, so the offset of the local noon is that of the day's sunrise.
        const double noonUT = JulianDateUTAtMidnight(firstDay + std::chrono::days{static_cast<int>(i)}) + 0.5;
        const double localNoonUT = noonUT - clock.UtcOffsetHoursAt(noonUT) / 24.0;
        utcOffsetHours.push_back(clock.UtcOffsetHoursAt(localNoonUT));
    }
    const std::vector<SunDay> suns = ComputeSunDays(first, utcOffsetHours, latitudeDeg, longitudeDeg);
    std::vector<DaySchedule> days;
    days.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        days.push_back(ScheduleOfSunDay(firstDay + std::chrono::days{static_cast<int>(i)}, suns[i],
                                        utcOffsetHours[i], bird));
    }
    return days;
}

} // namespace velmora
