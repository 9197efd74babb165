#include "cli/reading_output.h"

#include <ostream>

#include "cli/margins_output.h"

namespace velmora {

void WriteReadingText(std::ostream& out, const ReadingResults& results, bool full) {
    const ReadingLines lines = LinesOf(results);
    out << "Star:                " << lines.star << '\n'
        << "Fortnight:           " << lines.fortnight << '\n'
        << "Ruling bird:         " << lines.bird << '\n'
        << "Ruling days (day):   " << lines.rulingDaysDay << '\n'
        << "Ruling days (night): " << lines.rulingDaysNight << '\n'
        << "Death days:          " << lines.deathDays << '\n';
    if (full) {
        out << "\nStar:\n"
            << results.starTexts.description << '\n'
            << "\nPanch-Pakshi:\n"
            << results.starTexts.pakshiDescription << '\n';
    }
}

nlohmann::ordered_json ReadingJson(const ReadingResults& results, bool full) {
    const ReadingLines lines = LinesOf(results);
    nlohmann::ordered_json json = {
        {"star", lines.star},
        {"paksha", lines.fortnight},
        {"bird", lines.bird},
        {"ruling_days_day", lines.rulingDaysDay},
        {"ruling_days_night", lines.rulingDaysNight},
        {"death_days", lines.deathDays},
    };
    if (full) {
        json["star_description"] = results.starTexts.description;
        json["pakshi_description"] = results.starTexts.pakshiDescription;
    }
    return json;
}

void WriteReading(std::ostream& out, const ReadingResults& results, const OutputOptions& options,
                  const BirthTimeMargins* margins) {
    if (options.json) {
        nlohmann::ordered_json json = ReadingJson(results, options.full);
        if (margins) {
            AddMarginsJson(json, *margins);
        }
        // A saved reading may decode to any bytes; they must not make the output invalid.
        out << json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else {
        WriteReadingText(out, results, options.full);
        if (margins) {
            out << '\n';
            WriteMarginsText(out, *margins);
        }
    }
}

} // namespace velmora
