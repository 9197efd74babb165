#include "cli/reading_output.h"

#include <ostream>

namespace velmora {

void WriteReadingText(std::ostream& out, const ReadingResults& results, bool full) {
    out << "Star:                " << results.StarName << '\n'
        << "Fortnight:           " << results.PakshaName << '\n'
        << "Ruling bird:         " << results.RulingBird << '\n'
        << "Ruling days (day):   " << results.RulingDaysDay << '\n'
        << "Ruling days (night): " << results.RulingDaysNight << '\n'
        << "Death days:          " << results.DeathDays << '\n';
    if (full) {
        out << "\nStar:\n"
            << results.StarDescription << '\n'
            << "\nPanch-Pakshi:\n"
            << results.PakshiDescription << '\n';
    }
}

nlohmann::ordered_json ReadingJson(const ReadingResults& results, bool full) {
    nlohmann::ordered_json json = {
        {"star", results.StarName},
        {"paksha", results.PakshaName},
        {"bird", results.RulingBird},
        {"ruling_days_day", results.RulingDaysDay},
        {"ruling_days_night", results.RulingDaysNight},
        {"death_days", results.DeathDays},
    };
    if (full) {
        json["star_description"] = results.StarDescription;
        json["pakshi_description"] = results.PakshiDescription;
    }
    return json;
}

void WriteReading(std::ostream& out, const ReadingResults& results, const OutputOptions& options) {
    if (options.json) {
        // A saved reading may decode to any bytes; they must not make the output invalid.
        out << ReadingJson(results, options.full)
                   .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
            << '\n';
    } else {
        WriteReadingText(out, results, options.full);
    }
}

} // namespace velmora
