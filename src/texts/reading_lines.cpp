#include "texts/reading_lines.h"

#include "texts/names.h"

namespace velmora {

std::string_view ShownStarLine(const ReadingResults& results) {
    if (results.asRead) {
        return results.asRead->starLine;
    }
    return results.star ? StarName(*results.star) : std::string_view();
}

std::string_view ShownFortnightLine(const ReadingResults& results) {
    if (results.asRead) {
        return results.asRead->fortnightLine;
    }
    return results.fortnight ? FortnightName(*results.fortnight) : std::string_view();
}

} // namespace velmora
