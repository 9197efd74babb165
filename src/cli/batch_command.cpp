#include "cli/batch_command.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/batch_output.h"
#include "cli/csv_reader.h"
#include "cli/progress_line.h"
#include "cli/row_chunks.h"
#include "reading/field_conversion.h"
#include "texts/printable.h"

namespace velmora {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsHeader(const std::vector<std::string>& fields, std::span<const std::string_view> columns) {
    if (fields.size() != columns.size()) {
        return false;
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (TrimSpaces(fields[i]) != columns[i]) {
            return false;
        }
    }
    return true;
}

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
    if (const auto error = ComputeRow(record.fields, session, gazetteer)) {
        return std::string(error->column) + ": " + error->message;
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
        AppendColumnNames(expected, kBatchInputColumns);
        const std::uint64_t line = headerResult == CsvResult::End ? 1 : record.line;
        errors << where(line) << ": expected the header row: " << expected << '\n';
        return 1;
    }
    const std::optional<places::Gazetteer> gazetteer =
        byPlace ? std::optional<places::Gazetteer>(std::in_place) : std::nullopt;
    std::string header;
    AppendHeader(header, byPlace ? std::span<const std::string_view>(kBatchPlaceColumns) : kBatchInputColumns,
                 options);
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
