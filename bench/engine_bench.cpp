#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <vector>

#ifdef VELMORA_BENCH_SWISS
#include <swephexp.h>
#endif

#include "bench_main.h"
#include "birth_spread.h"
#include "ephemeris/birth_moment.h"
#include "ephemeris/birth_star.h"
#include "panchang/fortnight.h"

namespace velmora {
namespace {

// Birth moments spread over every supported year, both hemispheres, with and without summer time.
std::vector<BirthMoment> SpreadOfBirths() {
    std::vector<BirthMoment> births;
    for (const BirthRecord& record : bench::SpreadOfBirths()) {
        births.push_back(PrepareBirthMoment(record));
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

#ifdef VELMORA_BENCH_SWISS
// The Julian day (universal time) of each birth, as the other library takes it.
std::vector<double> UniversalDays(const std::vector<BirthMoment>& births) {
    std::vector<double> days;
    for (const BirthMoment& moment : births) {
        days.push_back(moment.julianCenturiesUT * 36525.0 + 2451545.0);
    }
    return days;
}

// The same births through the other library in its normal configuration: the Moon and the
// Sun from its compressed ephemeris files (Debian's swe-basic-data, on the library's default
// path; without them every call searches for the files and falls back to its analytical
// theory), tropical as the sidereal flag only costs it more, and the ayanamsa.
void SwissMoonSunAyanamsa(double julianDayUT) {
    double moon[6];
    double sun[6];
    char error[AS_MAXCH];
    swe_calc_ut(julianDayUT, SE_MOON, SEFLG_SWIEPH, moon, error);
    swe_calc_ut(julianDayUT, SE_SUN, SEFLG_SWIEPH, sun, error);
    const double ayanamsa = swe_get_ayanamsa_ut(julianDayUT);
    benchmark::DoNotOptimize(moon[0]);
    benchmark::DoNotOptimize(sun[0]);
    benchmark::DoNotOptimize(ayanamsa);
}

void BM_SwissMoonSunAyanamsa(benchmark::State& state) {
    const auto days = UniversalDays(SpreadOfBirths());
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    std::size_t i = 0;
    for (auto _ : state) {
        SwissMoonSunAyanamsa(days[i++ % days.size()]);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SwissMoonSunAyanamsa);

// Rates of both in one run, interleaved rounds so that other load on the
// machine falls on both alike; the ratio is the last line of the output.
void PrintRateRatio() {
    using Clock = std::chrono::steady_clock;
    const auto births = SpreadOfBirths();
    const auto days = UniversalDays(births);
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    constexpr int kRounds = 20;
    Clock::duration ours{};
    Clock::duration theirs{};
    for (int round = 0; round < kRounds; ++round) {
        auto start = Clock::now();
        for (const BirthMoment& moment : births) {
            const BirthStarValues star = ComputeBirthStar(moment);
            const PanchangValues panchang = ComputePanchang(moment);
            benchmark::DoNotOptimize(star.star);
            benchmark::DoNotOptimize(panchang.fortnight);
        }
        ours += Clock::now() - start;
        start = Clock::now();
        for (const double day : days) {
            SwissMoonSunAyanamsa(day);
        }
        theirs += Clock::now() - start;
    }
    const double count = static_cast<double>(kRounds) * static_cast<double>(births.size());
    const auto perReading = [&](Clock::duration total) {
        return std::chrono::duration<double, std::micro>(total).count() / count;
    };
    std::printf("star and fortnight %.3f us, Moon + Sun + ayanamsa elsewhere %.3f us: %.2fx its rate\n",
                perReading(ours), perReading(theirs), perReading(theirs) / perReading(ours));
}
#endif

} // namespace
} // namespace velmora

int main(int argc, char** argv) {
    const int status = velmora::bench::RunBenchmarks(argc, argv, "engine_bench");
#ifdef VELMORA_BENCH_SWISS
    if (status == 0) {
        velmora::PrintRateRatio();
    }
#endif
    return status;
}
