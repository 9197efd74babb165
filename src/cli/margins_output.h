#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "reading/birth_time_margins.h"
#include "texts/language_texts.h"

namespace velmora {

// The margins as they are keyed in JSON and named as batch columns.
inline constexpr auto kMarginColumns = std::to_array<std::string_view>({
    "star_minutes_before",
    "star_minutes_after",
    "paksha_minutes_before",
    "paksha_minutes_after",
});
static_assert(kMarginColumns.size() == 4);

// Labelled lines in `language`: the four margins, the readings close by and the plain sentence.
void WriteMarginsText(std::ostream& out, const BirthTimeMargins& margins, Language language);

// The four margins (null when nothing changes within a day) and, under
// "reading_before" and "reading_after", the reading close by on each side or null,
// its names in `language`.
void AddMarginsJson(nlohmann::ordered_json& json, const BirthTimeMargins& margins, Language language);

// The four margins as CSV fields, each after a comma; empty for none.
void AppendMarginFields(std::string& out, const BirthTimeMargins& margins);

} // namespace velmora
