#pragma once

#include <string>
#include <vector>

#include "run_program.h"

namespace velmora::testing {

// velmora-cli's command line run in this process, as the program runs it,
// `input` on its standard input. Its output goes to a terminal only when
// `terminal` says so.
ProgramRun RunInProcess(const std::vector<std::string>& arguments, const std::string& input = "",
                        bool terminal = false);

} // namespace velmora::testing
