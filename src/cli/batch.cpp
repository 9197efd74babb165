#include "cli/batch.h"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <utility>

#include "cli/csv_reader.h"
#include "cli/margins_output.h"
#include "cli/place_row.h"
#include "cli/reading_output.h"
#include "cli/row_chunks.h"
#include "reading/field_conversion.h"
#include "texts/printable.h"

namespace velmora {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

const std::string& Column(const std::vector<std::string>& row, BatchColumn column) {
    return row[static_cast<std::size_t>(column)];
}

// A whole number from `low` to `high` as the form's lists offer it, or nothing.
std::optional<int> ListNumber(std::string_view text, int low, int high) {
    const std::string_view digits = TrimSpaces(text);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || digits.front() == '-' || error != std::errc() ||
        end != digits.data() + digits.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> Choice(std::string_view text, std::string_view yes, std::string_view no) {
    const std::string_view choice = TrimSpaces(text);
    if (choice == yes) {
        return true;
    }
    if (choice == no) {
        return false;
    }
    return std::nullopt;
}

RowError Refusal(const std::vector<std::string>& row, BatchColumn column, std::string_view expected) {
    return {column, std::string(expected) + ", got " + QuoteForMessage(Column(row, column))};
}

BatchColumn ColumnOfFormField(FormField field) {
    switch (field) {
    case FormField::Name:
        return BatchColumn::Name;
    case FormField::ZoneHour:
        return BatchColumn::ZoneHour;
    case FormField::ZoneMinute:
        return BatchColumn::ZoneMinute;
    case FormField::LongitudeDegrees:
        return BatchColumn::LongitudeDegrees;
    case FormField::LongitudeMinutes:
        return BatchColumn::LongitudeMinutes;
    case FormField::LatitudeDegrees:
        return BatchColumn::LatitudeDegrees;
    case FormField::LatitudeMinutes:
        return BatchColumn::LatitudeMinutes;
    case FormField::None:
        break;
    }
    // Only the date checks leave the focus where it is.
    return BatchColumn::Day;
}

template <std::size_t N> void AppendNames(std::string& out, const std::array<std::string_view, N>& names) {
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) {
            out.push_back(',');
        }
        out.append(names[i]);
    }
}

template <std::size_t N>
void AppendHeader(std::string& out, const std::array<std::string_view, N>& inputColumns, bool details,
                  bool margins) {
    AppendNames(out, inputColumns);
    out.push_back(',');
    AppendNames(out, kBatchResultColumns);
    if (details) {
        out.push_back(',');
        AppendNames(out, kBatchDetailColumns);
    }
    if (margins) {
        out.push_back(',');
        AppendNames(out, kMarginColumns);
    }
    out.push_back('\n');
}

void AppendReading(std::string& out, const std::vector<std::string>& row, const ReadingSession& session,
                   const BatchOptions& options) {
    for (const std::string& field : row) {
        AppendCsvField(out, field, options.escapeControls);
        out.push_back(',');
    }
    const ReadingLines lines = Localize(session.Results(), options.language).lines;
    for (const std::string_view text : std::initializer_list<std::string_view>{
             lines.star, lines.fortnight, lines.bird, lines.rulingDaysDay, lines.rulingDaysNight}) {
        AppendCsvField(out, text);
        out.push_back(',');
    }
    AppendCsvField(out, lines.deathDays);
    if (options.details) {
        const BirthMoment& moment = session.Moment();
        const BirthStarValues& birthStar = session.BirthStar();
        const PanchangValues& panchang = session.Panchang();
        for (const double value :
             {moment.universalHoursUT, moment.julianCenturiesUT, birthStar.moonTropicalDeg,
              birthStar.ayanamsaDeg, birthStar.moonSiderealDeg}) {
            out.push_back(',');
            AppendShortestNumber(out, value);
        }
        out.push_back(',');
        // No finite moment leaves the star empty; the count marks it if it ever does.
        out.append(std::to_string(birthStar.star ? IndexOf(*birthStar.star) : kStarCount));
        for (const double value :
             {panchang.momentJulianDateTT, panchang.moonLongitudeDeg, panchang.sunLongitudeDeg}) {
            out.push_back(',');
            AppendShortestNumber(out, value);
        }
    }
    if (options.margins) {
        AppendMarginFields(out, FindBirthTimeMargins(session.Record()));
    }
    out.push_back('\n');
}

template <std::size_t N>
bool IsHeader(const std::vector<std::string>& fields, const std::array<std::string_view, N>& columns) {
    if (fields.size() != N) {
        return false;
    }
    for (std::size_t i = 0; i < N; ++i) {
        if (TrimSpaces(fields[i]) != columns[i]) {
            return false;
        }
    }
    return true;
}

// "N rows" on a terminal, once the input has taken more than a moment.
class ProgressLine {
public:
    ProgressLine(std::ostream& errors, bool enabled) : errors_(errors), enabled_(enabled) {}

    void Update(std::uint64_t rows) {
        // The clock is read only every few thousand rows to stay off the hot path.
        if (!enabled_ || rows % 4096 != 0) {
            return;
        }
        const auto now = Clock::now();
        if (now - start_ < std::chrono::seconds(1) || now - lastShown_ < std::chrono::milliseconds(250)) {
            return;
        }
        errors_ << "\rvelmora-cli: " << rows << " rows" << std::flush;
        lastShown_ = now;
        shown_ = true;
    }

    // Before a message, and at the end.
    void Clear() {
        if (shown_) {
            errors_ << "\r\033[K";
            shown_ = false;
        }
    }

private:
    using Clock = std::chrono::steady_clock;
    std::ostream& errors_;
    bool enabled_;
    bool shown_ = false;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastShown_{};
};

std::string DescribeSkipped(CsvResult result) {
    if (result == CsvResult::Malformed) {
        return "malformed quoted field";
    }
    return "record longer than " + std::to_string(CsvReader::kDefaultMaxRecordBytes) + " bytes";
}

// Checks one input record and computes its reading into `session`; returns
// the refusal, if any. With a gazetteer the record names its place instead of
// giving the zone and coordinate columns.
std::optional<std::string> CheckAndCompute(CsvResult result, const CsvRecord& record, ReadingSession& session,
                                           const places::Gazetteer* gazetteer) {
    if (result != CsvResult::Record) {
        return DescribeSkipped(result);
    }
    const std::size_t fieldCount = gazetteer ? kBatchPlaceColumns.size() : kBatchInputColumns.size();
    if (record.fields.size() != fieldCount) {
        return "expected " + std::to_string(fieldCount) + " fields, found " +
               std::to_string(record.fields.size());
    }
    std::optional<std::vector<std::string>> atPlace;
    if (gazetteer) {
        atPlace = RowAtPlace(record.fields, *gazetteer);
        if (!atPlace) {
            return "place: no place found for " + QuoteForMessage(record.fields[kPlaceColumn]);
        }
    }
    if (const auto error = ComputeRow(atPlace ? *atPlace : record.fields, session)) {
        const auto index = static_cast<std::size_t>(error->column);
        const std::string_view column =
            gazetteer && index >= kPlaceColumn ? "place" : kBatchInputColumns[index];
        return std::string(column) + ": " + error->message;
    }
    return std::nullopt;
}

// A chunk's readings and refusals, computed on any thread.
void ComputeChunk(RowChunk& chunk, const BatchOptions& options, const places::Gazetteer* gazetteer) {
    for (std::size_t row = 0; row < chunk.size; ++row) {
        const CsvRecord& record = chunk.records[row];
        ReadingSession session;
        if (auto refusal = CheckAndCompute(chunk.results[row], record, session, gazetteer)) {
            chunk.refusals.push_back({row, record.line, std::move(*refusal)});
            continue;
        }
        AppendReading(chunk.output, record.fields, session, options);
    }
}

} // namespace

std::variant<BirthFormFields, RowError> FieldsFromRow(const std::vector<std::string>& row) {
    BirthFormFields fields;
    const auto year = ListNumber(Column(row, BatchColumn::Year), 1901, 2050);
    if (!year) {
        return Refusal(row, BatchColumn::Year, "expected a year from 1901 to 2050");
    }
    const auto month = ListNumber(Column(row, BatchColumn::Month), 1, 12);
    if (!month) {
        return Refusal(row, BatchColumn::Month, "expected a month from 1 to 12");
    }
    const auto day = ListNumber(Column(row, BatchColumn::Day), 1, 31);
    if (!day) {
        return Refusal(row, BatchColumn::Day, "expected a day from 1 to 31");
    }
    const auto hour = ListNumber(Column(row, BatchColumn::Hour), 0, 23);
    if (!hour) {
        return Refusal(row, BatchColumn::Hour, "expected an hour from 0 to 23");
    }
    const auto minute = ListNumber(Column(row, BatchColumn::Minute), 0, 59);
    if (!minute) {
        return Refusal(row, BatchColumn::Minute, "expected a minute from 0 to 59");
    }
    const auto dst = Choice(Column(row, BatchColumn::Dst), "1", "0");
    if (!dst) {
        return Refusal(row, BatchColumn::Dst, "expected 0 or 1");
    }
    const auto east = Choice(Column(row, BatchColumn::LongitudeSide), "E", "W");
    if (!east) {
        return Refusal(row, BatchColumn::LongitudeSide, "expected E or W");
    }
    const auto south = Choice(Column(row, BatchColumn::LatitudeSide), "S", "N");
    if (!south) {
        return Refusal(row, BatchColumn::LatitudeSide, "expected N or S");
    }
    fields.name = Column(row, BatchColumn::Name);
    fields.year = *year;
    fields.monthIndex = *month - 1;
    fields.dayIndex = *day - 1;
    fields.hour = *hour;
    fields.minute = *minute;
    fields.zoneHour = Column(row, BatchColumn::ZoneHour);
    fields.zoneMinute = Column(row, BatchColumn::ZoneMinute);
    fields.daylightSaving = *dst;
    fields.longitudeDegrees = Column(row, BatchColumn::LongitudeDegrees);
    fields.longitudeMinutes = Column(row, BatchColumn::LongitudeMinutes);
    fields.longitudeEast = *east;
    fields.latitudeDegrees = Column(row, BatchColumn::LatitudeDegrees);
    fields.latitudeMinutes = Column(row, BatchColumn::LatitudeMinutes);
    fields.latitudeSouth = *south;
    return fields;
}

std::optional<RowError> ComputeRow(const std::vector<std::string>& row, ReadingSession& session,
                                   const std::vector<std::string>* shown) {
    auto fields = FieldsFromRow(row);
    if (auto* error = std::get_if<RowError>(&fields)) {
        return std::move(*error);
    }
    if (const auto failure = session.Calculate(std::get<BirthFormFields>(fields))) {
        const BatchColumn column = ColumnOfFormField(failure->focus);
        // A value that was given is named, so that it can be found and mended.
        switch (failure->problem) {
        case FieldProblem::NotANumber:
            return RowError{column,
                            QuoteForMessage(Column(shown ? *shown : row, column)) + " is not a number"};
        case FieldProblem::OutOfRange:
            return RowError{column, QuoteForMessage(Column(shown ? *shown : row, column)) +
                                        " is out of range (" + std::string(failure->allowed) + ")"};
        case FieldProblem::Missing:
        case FieldProblem::NoSuchDate:
            break;
        }
        return RowError{column, std::string(CheckMessageText(failure->message, Language::English))};
    }
    return std::nullopt;
}

void AppendCsvField(std::string& out, std::string_view rawField, bool escapeControls) {
    // An echoed name may hold any bytes; none may reach a terminal as a control.
    std::string escaped;
    std::string_view field = rawField;
    if (escapeControls && HasControls(rawField, true)) {
        escaped = EscapeControls(rawField, true);
        field = escaped;
    }
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(field);
        return;
    }
    out.push_back('"');
    for (const char c : field) {
        if (c == '"') {
            out.push_back('"');
        }
        out.push_back(c);
    }
    out.push_back('"');
}

void AppendShortestNumber(std::string& out, double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

std::string QuoteForMessage(std::string_view text) {
    const std::string_view shown = ShownPart(text);
    std::string quoted;
    for (const char c : shown) {
        if (c == '"' || c == '\\') {
            quoted.push_back('\\');
        }
        quoted.push_back(c);
    }
    return '"' + EscapeControls(quoted) + (shown.size() < text.size() ? "\"..." : "\"");
}

int RunBatch(std::istream& input, std::ostream& output, std::ostream& errors, const BatchOptions& options) {
    const auto where = [&options](std::uint64_t line) {
        const std::string lineText = "line " + std::to_string(line);
        return options.part == 0 ? lineText : "part " + std::to_string(options.part) + ", " + lineText;
    };
    CsvReader reader(input);
    CsvRecord record;
    const CsvResult headerResult = reader.Next(record);
    if (!record.fields.empty() && record.fields.front().starts_with(kUtf8ByteOrderMark)) {
        record.fields.front().erase(0, kUtf8ByteOrderMark.size());
    }
    // A place column stands for the seven zone and coordinate columns.
    const bool byPlace = headerResult == CsvResult::Record && IsHeader(record.fields, kBatchPlaceColumns);
    if (headerResult != CsvResult::Record || !(byPlace || IsHeader(record.fields, kBatchInputColumns))) {
        std::string expected;
        AppendNames(expected, kBatchInputColumns);
        const std::uint64_t line = headerResult == CsvResult::End ? 1 : record.line;
        errors << where(line) << ": expected the header row: " << expected << '\n';
        return 1;
    }
    const std::optional<places::Gazetteer> gazetteer =
        byPlace ? std::optional<places::Gazetteer>(std::in_place) : std::nullopt;
    std::string header;
    if (byPlace) {
        AppendHeader(header, kBatchPlaceColumns, options.details, options.margins);
    } else {
        AppendHeader(header, kBatchInputColumns, options.details, options.margins);
    }
    if (options.part <= 1) {
        output.write(header.data(), static_cast<std::streamsize>(header.size()));
    }

    ProgressLine progress(errors, options.showProgress);
    std::uint64_t rows = 0;
    bool anyRefused = false;
    const auto write = [&](const RowChunk& chunk) {
        auto refusal = chunk.refusals.begin();
        for (std::size_t row = 0; row < chunk.size; ++row) {
            progress.Update(++rows);
            if (refusal != chunk.refusals.end() && refusal->row == row) {
                progress.Clear();
                errors << where(refusal->line) << ": " << EscapeControls(refusal->message) << '\n';
                anyRefused = true;
                ++refusal;
            }
        }
        output.write(chunk.output.data(), static_cast<std::streamsize>(chunk.output.size()));
        return static_cast<bool>(output); // nowhere to write to: reading on would only burn time
    };
    // The place look-up has not been shown safe to share between threads.
    const unsigned jobs = byPlace ? 1U : options.jobs;
    const places::Gazetteer* places = gazetteer ? &*gazetteer : nullptr;
    ProcessInOrder(
        reader, jobs, [&](RowChunk& chunk) { ComputeChunk(chunk, options, places); }, write);
    output.flush();
    progress.Clear();
    if (input.bad()) {
        errors << "velmora-cli: error while reading the input\n";
        return 1;
    }
    if (!output) {
        errors << "velmora-cli: error while writing the output\n";
        return 1;
    }
    return anyRefused ? 1 : 0;
}

} // namespace velmora
