#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace velmora::testing {

struct ProgramRun {
    int exitCode = -1; // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs the built velmora-cli with `arguments`, `input` on its standard input.
// With `stdoutPath`, standard output goes to that file instead of `out`.
ProgramRun RunCli(const std::vector<std::string>& arguments, const std::string& input = "",
                  const std::string& stdoutPath = "");

// Runs `program`, looked up on PATH, with `arguments`, the file `inputPath` on
// its standard input and its standard output to the file `stdoutPath`.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::filesystem::path& inputPath, const std::filesystem::path& stdoutPath);

} // namespace velmora::testing
