#include <chrono>

#include <benchmark/benchmark.h>

#include "ephemeris/calendar.h"
#include "schedule/day_schedule.h"

namespace velmora {
namespace {

// Every day of 2024 at Chennai: the budget is 20 ms for the year.
void BM_YearOfSchedules(benchmark::State& state) {
    const ObserverPlace chennai{13.08, 80.27, 5.5};
    const double firstUT = JulianDateUTAtMidnight(std::chrono::year{2024} / 1 / 1);
    for (auto _ : state) {
        for (int day = 0; day < 366; ++day) {
            const std::chrono::year_month_day date = LocalDateAt(firstUT + day + 0.5, 0.0);
            const DaySchedule schedule = ComputeDaySchedule(date, chennai, Bird::Owl);
            benchmark::DoNotOptimize(schedule.periods);
        }
    }
}
BENCHMARK(BM_YearOfSchedules)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmora

BENCHMARK_MAIN();
