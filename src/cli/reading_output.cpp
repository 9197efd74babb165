#include "cli/reading_output.h"

#include <ostream>

#include "cli/margins_output.h"

namespace velmora {

void WriteReadingText(std::ostream& out, const ReadingResults& results, const OutputOptions& options) {
    const LocalizedReading shown = Localize(results, options.language);
    const ReadingLabels& label = TextsOf(options.language).readingLabels;
    out << label.star << shown.lines.star << '\n'
        << label.fortnight << shown.lines.fortnight << '\n'
        << label.bird << shown.lines.bird << '\n'
        << label.rulingDaysDay << shown.lines.rulingDaysDay << '\n'
        << label.rulingDaysNight << shown.lines.rulingDaysNight << '\n'
        << label.deathDays << shown.lines.deathDays << '\n';
    if (options.full) {
        out << '\n'
            << label.starParagraph << '\n'
            << shown.texts.description << "\n\n"
            << label.birdParagraph << '\n'
            << shown.texts.pakshiDescription << '\n';
    }
}

nlohmann::ordered_json ReadingJson(const ReadingResults& results, const OutputOptions& options) {
    const LocalizedReading shown = Localize(results, options.language);
    nlohmann::ordered_json json = {
        {"star", shown.lines.star},
        {"paksha", shown.lines.fortnight},
        {"bird", shown.lines.bird},
        {"ruling_days_day", shown.lines.rulingDaysDay},
        {"ruling_days_night", shown.lines.rulingDaysNight},
        {"death_days", shown.lines.deathDays},
    };
    if (options.full) {
        json["star_description"] = shown.texts.description;
        json["pakshi_description"] = shown.texts.pakshiDescription;
    }
    return json;
}

void WriteReading(std::ostream& out, const ReadingResults& results, const OutputOptions& options,
                  const BirthTimeMargins* margins) {
    if (options.json) {
        nlohmann::ordered_json json = ReadingJson(results, options);
        if (margins) {
            AddMarginsJson(json, *margins, options.language);
        }
        // A saved reading may decode to any bytes; they must not make the output invalid.
        out << json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else {
        WriteReadingText(out, results, options);
        if (margins) {
            out << '\n';
            WriteMarginsText(out, *margins, options.language);
        }
    }
}

} // namespace velmora
