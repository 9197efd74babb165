#include <chrono>
#include <optional>
#include <vector>

#include <benchmark/benchmark.h>

#ifdef VELMORA_BENCH_SWISS
#include <swephexp.h>
#endif

#include "bench_main.h"
#include "ephemeris/calendar.h"
#include "places/zone_clock.h"
#include "schedule/day_schedule.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

constexpr int kDaysOf2024 = 366;
constexpr double kChennaiLatitudeDeg = 13.08;
constexpr double kChennaiLongitudeDeg = 80.27;
constexpr double kChennaiOffsetHours = 5.5;

// Every day of 2024 at Chennai, with sub-periods: the budget is 2.5 ms for the year.
void BM_YearOfSchedules(benchmark::State& state) {
    const FixedOffsetClock india(kChennaiOffsetHours);
    for (auto _ : state) {
        const std::vector<DaySchedule> days = ComputeDaySchedules(
            2024y / 1 / 1, kDaysOf2024, kChennaiLatitudeDeg, kChennaiLongitudeDeg, india, Bird::Owl);
        benchmark::DoNotOptimize(days.data());
    }
}
BENCHMARK(BM_YearOfSchedules)->Unit(benchmark::kMillisecond);

// The same year a date at a time, as a front end asking for one day does.
void BM_YearOfSchedulesDayByDay(benchmark::State& state) {
    const ObserverPlace chennai{kChennaiLatitudeDeg, kChennaiLongitudeDeg, kChennaiOffsetHours};
    const std::chrono::sys_days first{2024y / 1 / 1};
    for (auto _ : state) {
        for (int day = 0; day < kDaysOf2024; ++day) {
            const DaySchedule schedule =
                ComputeDaySchedule(first + std::chrono::days{day}, chennai, Bird::Owl);
            benchmark::DoNotOptimize(schedule.periods);
        }
    }
}
BENCHMARK(BM_YearOfSchedulesDayByDay)->Unit(benchmark::kMillisecond);

// London through the time-zone database, across both changes of the clocks.
void BM_YearOfSchedulesLondon(benchmark::State& state) {
    const std::optional<places::ZoneClock> london = places::ZoneClock::Find("Europe/London");
    if (!london) {
        state.SkipWithError("no Europe/London in the time-zone database");
        return;
    }
    for (auto _ : state) {
        const std::vector<DaySchedule> days =
            ComputeDaySchedules(2024y / 1 / 1, kDaysOf2024, 51.5, -0.13, *london, Bird::Owl);
        benchmark::DoNotOptimize(days.data());
    }
}
BENCHMARK(BM_YearOfSchedulesLondon)->Unit(benchmark::kMillisecond);

#ifdef VELMORA_BENCH_SWISS
// The same year's sunrises and sunsets at Chennai through the other library in its
// normal configuration: its compressed ephemeris files (Debian's swe-basic-data),
// the upper limb with standard refraction, each search from the local midnight.
void SwissYearOfSunrisesAndSunsets() {
    double place[3] = {kChennaiLongitudeDeg, kChennaiLatitudeDeg, 0.0};
    char error[AS_MAXCH];
    const double firstMidnightUT = JulianDateUTAtMidnight(2024y / 1 / 1) - kChennaiOffsetHours / 24.0;
    for (int day = 0; day < kDaysOf2024; ++day) {
        double sunrise = 0.0;
        double sunset = 0.0;
        swe_rise_trans(firstMidnightUT + day, SE_SUN, nullptr, SEFLG_SWIEPH, SE_CALC_RISE, place, 0.0, 0.0,
                       &sunrise, error);
        swe_rise_trans(sunrise, SE_SUN, nullptr, SEFLG_SWIEPH, SE_CALC_SET, place, 0.0, 0.0, &sunset, error);
        benchmark::DoNotOptimize(sunrise);
        benchmark::DoNotOptimize(sunset);
    }
}

void BM_SwissYearOfSunrisesAndSunsets(benchmark::State& state) {
    for (auto _ : state) {
        SwissYearOfSunrisesAndSunsets();
    }
}
BENCHMARK(BM_SwissYearOfSunrisesAndSunsets)->Unit(benchmark::kMillisecond);
#endif

} // namespace
} // namespace velmora

int main(int argc, char** argv) {
    return velmora::bench::RunBenchmarks(argc, argv, "schedule_bench");
}
