#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "places/gazetteer.h"

namespace velmora {

// A batch row that names the birth place instead of giving its zone and coordinates.
inline constexpr auto kBatchPlaceColumns = std::to_array<std::string_view>({
    "name",
    "year",
    "month",
    "day",
    "hour",
    "minute",
    "place",
});
static_assert(kBatchPlaceColumns.size() == 7);
inline constexpr std::size_t kPlaceColumn = kBatchPlaceColumns.size() - 1;

// The row of kBatchInputColumns for a row of kBatchPlaceColumns: the best match
// for the place, its coordinates and the zone in force at the row's date and
// time, as the window's look-up writes them into the form. Nothing when no
// place matches.
std::optional<std::vector<std::string>> RowAtPlace(const std::vector<std::string>& placeRow,
                                                   const places::Gazetteer& gazetteer);

} // namespace velmora
