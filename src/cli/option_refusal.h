#pragma once

#include <string>

namespace velmora {

// An option refused before anything is computed: the message, which begins
// with the option, and the exit status (kExitUsage for a value of the wrong shape).
struct OptionRefusal {
    std::string message;
    int exitStatus;
};

} // namespace velmora
