#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "planner/planner.h"

#ifdef VELMORA_CLI_PROGRAM
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;
#endif

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

#ifdef VELMORA_CLI_PROGRAM
// `velmora-cli plan` over ten years as a whole process, its calendar file included:
// the budget is a second.
void BM_TenYearPlanProcess(benchmark::State& state) {
    std::vector<std::string> words = {VELMORA_CLI_PROGRAM,
                                      "plan",
                                      "--bird",
                                      "Cock",
                                      "--from",
                                      "2024-01-01",
                                      "--to",
                                      "2033-12-31",
                                      "--longitude",
                                      "80.27",
                                      "--latitude",
                                      "13.08",
                                      "--zone",
                                      "+5:30",
                                      "--ics",
                                      "/tmp/velmora-plan-bench.ics"};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0 ||
            waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("velmora-cli plan failed");
        }
        posix_spawn_file_actions_destroy(&actions);
    }
    std::remove(words.back().c_str());
}
BENCHMARK(BM_TenYearPlanProcess)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

} // namespace
} // namespace velmora

BENCHMARK_MAIN();
