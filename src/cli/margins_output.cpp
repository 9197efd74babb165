#include "cli/margins_output.h"

#include <ostream>

#include "texts/names.h"

namespace velmora {
namespace {

std::array<std::optional<int>, 4> MinutesOf(const BirthTimeMargins& margins) {
    return {margins.starMinutesBefore, margins.starMinutesAfter, margins.fortnightMinutesBefore,
            margins.fortnightMinutesAfter};
}

nlohmann::ordered_json NearJson(const std::optional<NearChange>& near, Language language) {
    if (!near) {
        return nullptr;
    }
    const MinuteReading& r = near->reading;
    return {
        {"minutes", near->minutes},
        {"star", r.star ? StarName(*r.star, language) : std::string_view()},
        {"paksha", FortnightName(r.fortnight, language)},
        {"bird", r.bird ? BirdName(r.bird->bird, language) : std::string_view()},
    };
}

void WriteNearText(std::ostream& out, std::string_view label, const std::optional<NearChange>& near) {
    if (!near) {
        return;
    }
    const MinuteReading& r = near->reading;
    out << label << near->minutes << " min): " << (r.star ? StarName(*r.star) : std::string_view()) << ", "
        << FortnightName(r.fortnight) << ", " << (r.bird ? BirdName(r.bird->bird) : std::string_view())
        << '\n';
}

} // namespace

void WriteMarginsText(std::ostream& out, const BirthTimeMargins& margins) {
    const auto minutes = MinutesOf(margins);
    for (std::size_t i = 0; i < minutes.size(); ++i) {
        out << kMarginColumns[i] << ": ";
        if (minutes[i]) {
            out << *minutes[i] << '\n';
        } else {
            out << "none within 24 hours\n";
        }
    }
    WriteNearText(out, "Reading before (", margins.earlier);
    WriteNearText(out, "Reading after (", margins.later);
    if (const std::string line = NearChangeLine(margins); !line.empty()) {
        out << line << '\n';
    }
}

void AddMarginsJson(nlohmann::ordered_json& json, const BirthTimeMargins& margins, Language language) {
    const auto minutes = MinutesOf(margins);
    for (std::size_t i = 0; i < minutes.size(); ++i) {
        json[kMarginColumns[i]] = minutes[i] ? nlohmann::ordered_json(*minutes[i]) : nullptr;
    }
    json["reading_before"] = NearJson(margins.earlier, language);
    json["reading_after"] = NearJson(margins.later, language);
}

void AppendMarginFields(std::string& out, const BirthTimeMargins& margins) {
    for (const std::optional<int>& value : MinutesOf(margins)) {
        out.push_back(',');
        if (value) {
            out.append(std::to_string(*value));
        }
    }
}

} // namespace velmora
