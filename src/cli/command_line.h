#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

namespace velmora {

// Where velmora-cli reads and writes, and which of its outputs a person watches.
struct Console {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool outIsTerminal = false; // batch output escapes control characters only there
    bool errIsTerminal = false; // a long batch shows its progress only there
};

// The command that `arguments` (the words after the program's name) ask for,
// ready to run and returning its exit status; or, when parsing settles the
// matter (help, the version or a usage error, already written to the console),
// the exit status. Parsing reads no input and touches no file.
std::variant<std::function<int()>, int> ParseCommandLine(const std::vector<std::string>& arguments,
                                                         const Console& console);

// The whole of velmora-cli: parses `arguments` and runs the command. Returns the exit status.
int RunCommandLine(const std::vector<std::string>& arguments, const Console& console);

} // namespace velmora
