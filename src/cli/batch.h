#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "reading/reading_session.h"
#include "reading/validation.h"
#include "texts/localized.h"

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
inline constexpr auto kBatchResultColumns = std::to_array<std::string_view>({
    "star",
    "paksha",
    "bird",
    "ruling_days_day",
    "ruling_days_night",
    "death_days",
});
static_assert(kBatchResultColumns.size() == 6);
inline constexpr auto kBatchDetailColumns = std::to_array<std::string_view>({
    "universal_hours",
    "julian_centuries",
    "moon_tropical_deg",
    "ayanamsa_deg",
    "moon_sidereal_deg",
    "star_index",
    "panchang_moment_jd",
    "panchang_moon_deg",
    "panchang_sun_deg",
});
static_assert(kBatchDetailColumns.size() == 9);

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

// Appends `field` as one CSV field, quoted when it holds a comma, quote or line
// break. Its bytes are kept, unless `escapeControls` asks for the control
// characters but line breaks as \xNN, for a terminal.
void AppendCsvField(std::string& out, std::string_view field, bool escapeControls = false);

// Appends the shortest text that reads back as exactly `value`.
void AppendShortestNumber(std::string& out, double value);

// A text for a message: at most a few dozen characters, control bytes escaped.
std::string QuoteForMessage(std::string_view text);

struct BatchOptions {
    bool details = false;
    bool margins = false;                  // the four birth-time margins, after everything else
    bool showProgress = false;             // a progress line on `errors` for long inputs
    bool escapeControls = false;           // the output goes to a terminal
    unsigned jobs = 0;                     // threads computing rows; 0 for one per core
    Language language = Language::English; // of the values; the header stays English
    std::uint64_t part = 0;                // which part of a split input this is, from 1; 0 for all of it
};

// Reads CSV birth data with a header row from `input` and writes one CSV row
// per reading to `output`; each refused row gives one line on `errors` and no
// output. Rows are computed on `options.jobs` threads; the output, the
// messages and their order do not depend on the count. A part of an input
// split in parts that each begin with the header row writes the output's
// header only when it is the first, so that the parts' outputs joined in
// order are the output of the whole; its messages name the part, and their
// line numbers count from its own header row. Returns the exit status: 0
// when every row was read, 1 otherwise.
int RunBatch(std::istream& input, std::ostream& output, std::ostream& errors, const BatchOptions& options);

} // namespace velmora
