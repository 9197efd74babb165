#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace velmora {

struct CsvRecord {
    std::vector<std::string> fields;
    std::uint64_t line = 0; // physical line on which the record starts, from 1
};

enum class CsvResult {
    Record,    // `fields` holds the record
    Malformed, // a quote out of place or never closed; the record was skipped
    TooLong,   // the record passed the size cap; it was skipped up to its end
    End,       // no more records
};

// Streaming reader of comma-separated records (RFC 4180) in bounded memory.
//
// Records end at LF, CR LF or a lone CR; fields may be quoted, with "" for a
// quote and line breaks kept inside quotes. Empty lines are skipped. A bad
// record never costs more than itself: a quote that is never closed, or that
// is followed by anything but a comma or a line end, ends the record at the end
// of the physical line on which the quoted field opened, and reading resumes on
// the next line. A record whose content passes `maxRecordBytes` is skipped up to
// the end of its physical line.
class CsvReader {
public:
    static constexpr std::size_t kDefaultMaxRecordBytes = 64 * 1024;

    explicit CsvReader(std::istream& input, std::size_t maxRecordBytes = kDefaultMaxRecordBytes);

    // Reads the next record. `record.line` is set for every result but End;
    // `record.fields` is only meaningful for Record.
    CsvResult Next(CsvRecord& record);

private:
    enum class Outcome { Record, Blank, Malformed, TooLong, End };

    Outcome ReadRecord(CsvRecord& record);
    Outcome FailQuotedField();
    Outcome Overlong(bool inQuotes);
    void SkipRestOfLine();
    void EndLine(int terminator);

    int Get();
    int Peek();
    bool Refill();
    void PushBack(std::string bytes);

    std::istream& input_;
    std::size_t maxRecordBytes_;
    std::string buffer_;
    std::size_t position_ = 0;
    std::uint64_t line_ = 1;

    // The raw bytes since the current quoted field opened, to resume after a bad quote.
    std::string quotedRaw_;
    std::uint64_t quoteLine_ = 0;
};

} // namespace velmora
