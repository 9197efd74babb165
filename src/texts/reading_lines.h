#pragma once

#include <string_view>

#include "model/reading_results.h"

namespace velmora {

// The star and fortnight lines of a reading: a reopened file's lines as read,
// otherwise the names of the ids (empty before any reading).
std::string_view ShownStarLine(const ReadingResults& results);
std::string_view ShownFortnightLine(const ReadingResults& results);
// The bird's name, empty while no bird was found.
std::string_view ShownBirdName(const ReadingResults& results);

// The six short lines of a reading, as the window and the command line show them.
struct ReadingLines {
    std::string_view star;
    std::string_view fortnight;
    std::string_view bird;
    std::string_view rulingDaysDay;
    std::string_view rulingDaysNight;
    std::string_view deathDays;
};
ReadingLines LinesOf(const ReadingResults& results);

} // namespace velmora
