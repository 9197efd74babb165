#include <benchmark/benchmark.h>

#include <vector>

#include "ephemeris/birth_moment.h"
#include "ephemeris/birth_star.h"
#include "panchang/fortnight.h"

namespace velmora {
namespace {

// Birth moments spread over every supported year, both hemispheres, with and without summer time.
std::vector<BirthMoment> SpreadOfBirths() {
    std::vector<BirthMoment> births;
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; month += 3) {
            BirthRecord r;
            r.BirthYear = year;
            r.BirthMonth = month;
            r.BirthDay = 1 + (year * 7 + month) % 28;
            r.BirthHour = (year + month) % 24;
            r.BirthMinute = (year * 13) % 60;
            r.ZoneHours = static_cast<std::int16_t>(year % 12);
            r.ZoneMinutes = static_cast<std::int16_t>(year % 2 == 0 ? 30 : 0);
            r.LongitudeDegrees = static_cast<std::int16_t>((year * 3) % 180);
            r.LongitudeMinutes = static_cast<std::int16_t>(month * 4);
            r.LongitudeEast = month % 2 == 0;
            r.DaylightSaving = year % 3 == 0;
            births.push_back(PrepareBirthMoment(r));
        }
    }
    return births;
}

void BM_ComputeBirthStar(benchmark::State& state) {
    const auto births = SpreadOfBirths();
    std::size_t i = 0;
    for (auto _ : state) {
        const BirthStarValues values = ComputeBirthStar(births[i++ % births.size()]);
        benchmark::DoNotOptimize(values.star);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeBirthStar);

void BM_ComputePanchang(benchmark::State& state) {
    const auto births = SpreadOfBirths();
    std::size_t i = 0;
    for (auto _ : state) {
        const PanchangValues values = ComputePanchang(births[i++ % births.size()]);
        benchmark::DoNotOptimize(values.fortnight);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputePanchang);

void BM_StarAndFortnight(benchmark::State& state) {
    const auto births = SpreadOfBirths();
    std::size_t i = 0;
    for (auto _ : state) {
        const BirthMoment& moment = births[i++ % births.size()];
        const BirthStarValues star = ComputeBirthStar(moment);
        const PanchangValues panchang = ComputePanchang(moment);
        benchmark::DoNotOptimize(star.star);
        benchmark::DoNotOptimize(panchang.fortnight);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StarAndFortnight);

} // namespace
} // namespace velmora

BENCHMARK_MAIN();
