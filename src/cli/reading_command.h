#pragma once

#include <iosfwd>
#include <string>

#include "cli/exit_status.h"
#include "cli/reading_options.h"
#include "cli/reading_output.h"

namespace velmora {

// Computes and prints one reading, with its birth-time margins when `margins`
// is set; saves it too when `savePath` is not empty. Returns the exit status.
int RunReading(const ReadingOptions& options, const OutputOptions& output, const std::string& savePath,
               std::ostream& out, std::ostream& errors, bool margins = false);

// Prints a saved reading. Returns the exit status.
int RunOpen(const std::string& path, const OutputOptions& output, std::ostream& out, std::ostream& errors);

} // namespace velmora
