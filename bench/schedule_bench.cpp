#include <benchmark/benchmark.h>

#include "schedule/day_schedule.h"
#include "schedule/sun_times.h"

namespace velmora {
namespace {

// Every day of 2024 at Chennai: the budget is 20 ms for the year.
void BM_YearOfSchedules(benchmark::State& state) {
    const Place chennai{13.08, 80.27, 5.5};
    const double firstUT = JulianDayAtMidnightUT({2024, 1, 1});
    for (auto _ : state) {
        for (int day = 0; day < 366; ++day) {
            const LocalDate date = LocalDateOf(firstUT + day + 0.5, 0.0);
            const DaySchedule schedule = ComputeDaySchedule(date, chennai, Bird::Owl);
            benchmark::DoNotOptimize(schedule.periods);
        }
    }
}
BENCHMARK(BM_YearOfSchedules)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmora

BENCHMARK_MAIN();
