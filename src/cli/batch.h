#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/message_quoting.h"
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

struct RowError {
    BatchColumn column;
    std::string message;
};

// The form's fields for a row of kBatchInputColumns.size() texts. The columns
// the form offers as lists (date, time, daylight saving, sides) are checked
// here, in column order; the typed fields are left to the form's own checks.
std::variant<BirthFormFields, RowError> FieldsFromRow(const std::vector<std::string>& row);

// Computes the reading of one row into `session`. Returns the refusal, if any;
// a refused row leaves the session as it was. A typed field the form refuses
// is named by its text in `shown` when given (the value a person typed, of
// which the field may be a part), else by its text in the row.
std::optional<RowError> ComputeRow(const std::vector<std::string>& row, ReadingSession& session,
                                   const std::vector<std::string>* shown = nullptr);

} // namespace velmora
