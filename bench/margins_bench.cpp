#include <benchmark/benchmark.h>

#include "birth_spread.h"
#include "reading/birth_sky.h"
#include "reading/birth_time_margins.h"

namespace velmora {
namespace {

using bench::SpreadOfBirths;

// The whole margin search of one birth: four margins and the readings close by.
void BM_FindBirthTimeMargins(benchmark::State& state) {
    const auto births = SpreadOfBirths();
    std::size_t i = 0;
    for (auto _ : state) {
        const BirthTimeMargins margins = FindBirthTimeMargins(births[i++ % births.size()]);
        benchmark::DoNotOptimize(margins.starMinutesAfter);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindBirthTimeMargins);

// One reading's astronomy, for scale.
void BM_ComputeBirthSky(benchmark::State& state) {
    const auto births = SpreadOfBirths();
    std::size_t i = 0;
    for (auto _ : state) {
        const BirthSky sky = ComputeBirthSky(births[i++ % births.size()]);
        benchmark::DoNotOptimize(sky.birthStar.star);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeBirthSky);

} // namespace
} // namespace velmora

BENCHMARK_MAIN();
