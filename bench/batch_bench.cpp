#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "cli/batch_command.h"
#include "cli/csv_reader.h"

namespace velmora {
namespace {

// A batch input of `rows` births spread over the form's range, header first.
std::string BatchInput(int rows) {
    std::string input =
        "name,year,month,day,hour,minute,zone_hour,zone_minute,dst,longitude_deg,longitude_min,"
        "longitude_side,latitude_deg,latitude_min,latitude_side\n";
    for (int i = 0; i < rows; ++i) {
        input += "Person " + std::to_string(i) + "," + std::to_string(1901 + i % 150) + "," +
                 std::to_string(1 + i % 12) + "," + std::to_string(1 + i % 28) + "," +
                 std::to_string(i % 24) + "," + std::to_string(i % 60) + "," + std::to_string(i % 13) + "," +
                 (i % 2 == 0 ? "30" : "0") + "," + std::to_string(i % 2) + "," + std::to_string(i % 180) +
                 "," + std::to_string(i % 60) + "," + (i % 3 == 0 ? "W" : "E") + "," +
                 std::to_string(i % 90) + "," + std::to_string(i % 60) + "," + (i % 5 == 0 ? "S" : "N") +
                 "\n";
    }
    return input;
}

constexpr int kRows = 100000;

// The whole batch path: CSV in, checks, reading, CSV out with the intermediate
// values; on one thread and on one per core (argument 0).
void BM_BatchDetails(benchmark::State& state) {
    const std::string input = BatchInput(kRows);
    const auto jobs = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream errors;
        benchmark::DoNotOptimize(
            RunBatch(in, out, errors, {.details = true, .showProgress = false, .jobs = jobs}));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BatchDetails)->ArgName("jobs")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// The CSV reader alone, to tell its share from the computation's.
void BM_CsvReader(benchmark::State& state) {
    const std::string input = BatchInput(kRows);
    for (auto _ : state) {
        std::istringstream in(input);
        CsvReader reader(in);
        CsvRecord record;
        while (reader.Next(record) != CsvResult::End) {
            benchmark::DoNotOptimize(record.fields.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * (kRows + 1));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}
BENCHMARK(BM_CsvReader)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmora

BENCHMARK_MAIN();
