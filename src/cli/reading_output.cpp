#include "cli/reading_output.h"

#include <array>
#include <ostream>

#include "cli/margins_output.h"

namespace velmora {
namespace {

struct TextLabels {
    std::string_view star;
    std::string_view fortnight;
    std::string_view bird;
    std::string_view rulingDaysDay;
    std::string_view rulingDaysNight;
    std::string_view deathDays;
    std::string_view starParagraph;
    std::string_view birdParagraph;
};

// In the order of Language. English pads to one column; a terminal's width of
// Tamil letters varies, so the Tamil labels are followed by one blank only.
// The Tamil terms are those of docs/tamil-glossary.md.
constexpr auto kTextLabels = std::to_array<TextLabels>({
    {"Star:                ", "Fortnight:           ", "Ruling bird:         ", "Ruling days (day):   ",
     "Ruling days (night): ", "Death days:          ", "Star:", "Panch-Pakshi:"},
    {"ஜென்ம நட்சத்திரம்: ", "பட்சம்: ", "ஜென்ம பட்சி: ", "பகலில் அரசு நாள்(கள்): ", "இரவில் அரசு நாள்(கள்): ",
     "படு நாள்(கள்): ", "ஜென்ம நட்சத்திரம்:", "பஞ்சபட்சி:"},
});
static_assert(kTextLabels.size() == 2);

} // namespace

void WriteReadingText(std::ostream& out, const ReadingResults& results, const OutputOptions& options) {
    const LocalizedReading shown = Localize(results, options.language);
    const TextLabels& label = kTextLabels[static_cast<std::size_t>(options.language)];
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
            WriteMarginsText(out, *margins);
        }
    }
}

} // namespace velmora
