#pragma once

namespace velmora {

// velmora-cli's exit statuses besides 0.
inline constexpr int kExitRefused = 1; // refused input, or a file that could not be read or written
inline constexpr int kExitUsage = 2;   // a command line that is no command, or a value of the wrong shape

} // namespace velmora
