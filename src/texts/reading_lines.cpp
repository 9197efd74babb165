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

std::string_view ShownBirdName(const ReadingResults& results) {
    return results.bird ? BirdName(results.bird->bird) : std::string_view();
}

ReadingLines LinesOf(const ReadingResults& results) {
    ReadingLines lines{
        ShownStarLine(results), ShownFortnightLine(results), ShownBirdName(results), {}, {}, {}};
    if (results.bird) {
        lines.rulingDaysDay = results.bird->rulingDaysDay;
        lines.rulingDaysNight = results.bird->rulingDaysNight;
        lines.deathDays = results.bird->deathDays;
    }
    return lines;
}

} // namespace velmora
