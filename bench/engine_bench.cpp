#include <benchmark/benchmark.h>

#include <vector>

#include "ephemeris/birth_star.h"
#include "panchang/panchang.h"

namespace velmora {
namespace {

// Births spread over every supported year, both hemispheres, with and without summer time.
std::vector<BirthRecord> SpreadOfBirths() {
    std::vector<BirthRecord> births;
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; month += 3) {
            BirthRecord r;
            r.BirthYear = static_cast<std::int16_t>(year);
            r.BirthMonth = static_cast<std::int16_t>(month);
            r.BirthDay = static_cast<std::int16_t>(1 + (year * 7 + month) % 28);
            r.BirthHour = static_cast<std::int16_t>((year + month) % 24);
            r.BirthMinute = static_cast<std::int16_t>((year * 13) % 60);
            r.ZoneHours = static_cast<std::int16_t>(year % 12);
            r.ZoneMinutes = static_cast<std::int16_t>(year % 2 == 0 ? 30 : 0);
            r.LongitudeDegrees = static_cast<std::int16_t>((year * 3) % 180);
            r.LongitudeMinutes = static_cast<std::int16_t>(month * 4);
            r.LongitudeSide = month % 2 == 0 ? kTrue : kFalse;
            r.DaylightSaving = year % 3 == 0 ? kTrue : kFalse;
            births.push_back(r);
        }
    }
    return births;
}

void BM_ComputeBirthStar(benchmark::State& state) {
    const auto births = SpreadOfBirths();
    std::size_t i = 0;
    EngineState engine;
    for (auto _ : state) {
        ComputeBirthStar(births[i++ % births.size()], engine);
        benchmark::DoNotOptimize(engine.StarIndex);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeBirthStar);

void BM_ComputePanchang(benchmark::State& state) {
    const auto births = SpreadOfBirths();
    std::vector<EngineState> engines(births.size());
    for (std::size_t k = 0; k < births.size(); ++k) {
        ComputeBirthStar(births[k], engines[k]);
    }
    std::size_t i = 0;
    PanchangState panchang;
    for (auto _ : state) {
        ComputePanchang(engines[i++ % engines.size()], panchang);
        benchmark::DoNotOptimize(panchang.PakshaName.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputePanchang);

void BM_StarAndFortnight(benchmark::State& state) {
    const auto births = SpreadOfBirths();
    std::size_t i = 0;
    EngineState engine;
    PanchangState panchang;
    for (auto _ : state) {
        ComputeBirthStar(births[i++ % births.size()], engine);
        ComputePanchang(engine, panchang);
        benchmark::DoNotOptimize(panchang.PakshaName.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StarAndFortnight);

} // namespace
} // namespace velmora

BENCHMARK_MAIN();
