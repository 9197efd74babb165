#pragma once

#include <cstdio>

#include <benchmark/benchmark.h>

#ifdef VELMORA_BENCH_SWISS
#include <swephexp.h>
#endif

namespace velmora::bench {

#ifdef VELMORA_BENCH_SWISS
// Whether the other library found its ephemeris files: it says so in the flags it returns.
inline bool SwissFilesFound() {
    double moon[6];
    char error[AS_MAXCH];
    const int used = swe_calc_ut(2451545.0, SE_MOON, SEFLG_SWIEPH, moon, error);
    return used >= 0 && (used & SEFLG_SWIEPH) != 0;
}
#endif

// The benchmarks' main. Where the other library is compared, it refuses to run
// without that library's files: timed without them, the library would be measured
// searching for them.
inline int RunBenchmarks(int argc, char** argv, const char* program) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
#ifdef VELMORA_BENCH_SWISS
    if (!SwissFilesFound()) {
        std::fprintf(
            stderr, "%s: the other library's ephemeris files are missing (install Debian's swe-basic-data)\n",
            program);
        return 1;
    }
#else
    static_cast<void>(program);
#endif
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace velmora::bench
