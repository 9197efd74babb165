#include "cli/margins_output.h"

#include <ostream>

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

void WriteNearText(std::ostream& out, std::string_view label, const std::optional<NearChange>& near,
                   Language language) {
    if (!near) {
        return;
    }
    const MinuteReading& r = near->reading;
    out << label << near->minutes << TextsOf(language).marginLabels.minutesClose
        << (r.star ? StarName(*r.star, language) : std::string_view()) << ", "
        << FortnightName(r.fortnight, language) << ", "
        << (r.bird ? BirdName(r.bird->bird, language) : std::string_view()) << '\n';
}

} // namespace

void WriteMarginsText(std::ostream& out, const BirthTimeMargins& margins, Language language) {
    const MarginLabels& labels = TextsOf(language).marginLabels;
    const auto minutes = MinutesOf(margins);
    for (std::size_t i = 0; i < minutes.size(); ++i) {
        out << labels.margins[i];
        if (minutes[i]) {
            out << *minutes[i] << '\n';
        } else {
            out << labels.noChange << '\n';
        }
    }
    WriteNearText(out, labels.readingBefore, margins.earlier, language);
    WriteNearText(out, labels.readingAfter, margins.later, language);
    if (const std::string line = NearChangeLine(margins, language); !line.empty()) {
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
