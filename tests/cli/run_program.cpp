#include "run_program.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace velmora::testing {

namespace {

// Runs `program` with its standard streams on files; `out` is read back unless it was asked for.
ProgramRun Spawn(const std::string& program, const std::vector<std::string>& arguments,
                 const std::filesystem::path& inputPath, const std::filesystem::path& outPath, bool readOut) {
    const TempFolder folder;
    const auto errPath = folder.Path() / "stderr";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inputPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);

    ProgramRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (readOut) {
        run.out = ReadFile(outPath);
    }
    run.err = ReadFile(errPath);
    return run;
}

} // namespace

ProgramRun RunCli(const std::vector<std::string>& arguments, const std::string& input,
                  const std::string& stdoutPath) {
    // Files rather than pipes: nothing can block however much the program writes.
    const TempFolder folder;
    const auto inputPath = folder.Write("stdin", input);
    const auto outPath = stdoutPath.empty() ? folder.Path() / "stdout" : std::filesystem::path(stdoutPath);
    return Spawn(VELMORA_CLI_PROGRAM, arguments, inputPath, outPath, stdoutPath.empty());
}

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::filesystem::path& inputPath, const std::filesystem::path& stdoutPath) {
    return Spawn(program, arguments, inputPath, stdoutPath, false);
}

} // namespace velmora::testing
