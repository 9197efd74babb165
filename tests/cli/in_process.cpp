#include "in_process.h"

#include <sstream>

#include "cli/command_line.h"

namespace velmora::testing {

ProgramRun RunInProcess(const std::vector<std::string>& arguments, const std::string& input, bool terminal) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const Console console{
        .in = in, .out = out, .err = err, .outIsTerminal = terminal, .errIsTerminal = terminal};
    const int status = RunCommandLine(arguments, console);
    return {status, out.str(), err.str()};
}

} // namespace velmora::testing
