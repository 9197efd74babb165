#pragma once

#include <string_view>

#include "model/reading_results.h"

namespace velmora {

// The star and fortnight lines of a reading as a saved file keeps them: a
// reopened file's lines as read, otherwise the English names of the ids
// (empty before any reading).
std::string_view ShownStarLine(const ReadingResults& results);
std::string_view ShownFortnightLine(const ReadingResults& results);

} // namespace velmora
