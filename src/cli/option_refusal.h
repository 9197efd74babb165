#pragma once

#include <iosfwd>
#include <string>

namespace velmora {

// An option refused before anything is computed: the message, which begins
// with the option, and the exit status (kExitUsage for a value of the wrong shape).
struct OptionRefusal {
    std::string message;
    int exitStatus;
};

// Writes the refusal's message after the program's name, control bytes escaped; returns its exit status.
int ReportRefusal(const OptionRefusal& refusal, std::ostream& errors);

} // namespace velmora
