#include <chrono>

#include <benchmark/benchmark.h>

#include "planner/planner.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

// A year at Chennai, the default condition: the budget is 20 ms.
void BM_YearPlan(benchmark::State& state) {
    const FixedOffsetClock clock(5.5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlanWindows(2024y / 1 / 1, 366, 13.08, 80.27, clock, Bird::Owl, {}));
    }
}
BENCHMARK(BM_YearPlan)->Unit(benchmark::kMillisecond);

// The same year with every part of the condition: waking hours and another bird.
void BM_YearPlanAgainstAnother(benchmark::State& state) {
    const FixedOffsetClock clock(5.5);
    PlanCondition condition;
    condition.wakingHours = WakingHours{7 * 60, 22 * 60};
    condition.against = Bird::Crow;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlanWindows(2024y / 1 / 1, 366, 13.08, 80.27, clock, Bird::Owl, condition));
    }
}
BENCHMARK(BM_YearPlanAgainstAnother)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmora

BENCHMARK_MAIN();
