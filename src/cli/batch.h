#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "places/gazetteer.h"
#include "reading/reading_session.h"
#include "reading/validation.h"

namespace velmora {

// One row of birth data: the entry form's fields as texts, in this order.
inline constexpr auto kBatchInputColumns = std::to_array<std::string_view>({
    "name",
    "year",
    "month",
    "day",
    "hour",
    "minute",
    "zone_hour",
    "zone_minute",
    "dst",
    "longitude_deg",
    "longitude_min",
    "longitude_side",
    "latitude_deg",
    "latitude_min",
    "latitude_side",
});
static_assert(kBatchInputColumns.size() == 15);
// Positions in kBatchInputColumns.
enum class BatchColumn : std::size_t {
    Name,
    Year,
    Month,
    Day,
    Hour,
    Minute,
    ZoneHour,
    ZoneMinute,
    Dst,
    LongitudeDegrees,
    LongitudeMinutes,
    LongitudeSide,
    LatitudeDegrees,
    LatitudeMinutes,
    LatitudeSide,
};

// A batch row that names the birth place instead of giving its zone and
// coordinates: the name, date and time columns of kBatchInputColumns, then the place.
inline constexpr std::size_t kBatchNameAndTimeColumns = 6;
inline constexpr auto kBatchPlaceColumns = [] {
    std::array<std::string_view, kBatchNameAndTimeColumns + 1> columns{};
    std::copy_n(kBatchInputColumns.begin(), kBatchNameAndTimeColumns, columns.begin());
    columns.back() = "place";
    return columns;
}();

// A refused row: the column at fault, by its name in the header, and why.
struct RowError {
    std::string_view column;
    std::string message;
};

// The form's fields for a row of kBatchInputColumns, or with a gazetteer, of
// kBatchPlaceColumns, whose place gives the coordinate and zone fields as
// FillPlaceFields gives them. The columns the form offers as lists (date,
// time, daylight saving, sides) are checked here, in column order, then the
// place is looked up; the typed fields are left to the form's own checks.
std::variant<BirthFormFields, RowError> FieldsFromRow(const std::vector<std::string>& row,
                                                      const places::Gazetteer* gazetteer = nullptr);

// Computes the reading of one row, as FieldsFromRow reads it, into `session`.
// Returns the refusal, if any; a refused row leaves the session as it was. A
// typed field the form refuses is named by its text in the row; one of a
// place, by the place.
std::optional<RowError> ComputeRow(const std::vector<std::string>& row, ReadingSession& session,
                                   const places::Gazetteer* gazetteer = nullptr);

} // namespace velmora
