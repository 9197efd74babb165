#pragma once

#include <string>
#include <variant>

#include "model/reading_results.h"

namespace velmora {

// What the saved reading at `path` shows, read as the window reads it: a name
// that passes the saved files' test, at most kSavedReadingReadLimit bytes of a
// regular file, and lines that are a reading's. Otherwise the message, without
// the program's name before it.
std::variant<ReadingResults, std::string> OpenSavedReading(const std::string& path);

} // namespace velmora
