#include "cli/csv_reader.h"

#include <utility>

namespace velmora {
namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;
constexpr int kEndOfInput = -1;

bool IsLineEnd(int c) {
    return c == '\n' || c == '\r';
}

// The next field of `record`, reusing the storage of an earlier record.
std::string& StartField(CsvRecord& record, std::size_t& count) {
    if (count < record.fields.size()) {
        record.fields[count].clear();
    } else {
        record.fields.emplace_back();
    }
    return record.fields[count++];
}

void FinishRecord(CsvRecord& record, std::size_t count) {
    record.fields.resize(count);
}

} // namespace

CsvReader::CsvReader(std::istream& input, std::size_t maxRecordBytes)
    : input_(input), maxRecordBytes_(maxRecordBytes) {}

CsvResult CsvReader::Next(CsvRecord& record) {
    for (;;) {
        record.line = line_;
        switch (ReadRecord(record)) {
        case Outcome::Record:
            return CsvResult::Record;
        case Outcome::Blank:
            continue;
        case Outcome::Malformed:
            return CsvResult::Malformed;
        case Outcome::TooLong:
            return CsvResult::TooLong;
        case Outcome::End:
            return CsvResult::End;
        }
    }
}

CsvReader::Outcome CsvReader::ReadRecord(CsvRecord& record) {
    enum class State { FieldStart, Unquoted, Quoted, AfterQuote };
    State state = State::FieldStart;
    std::size_t count = 0;
    std::string* field = &StartField(record, count);
    std::size_t contentBytes = 0;
    bool previousCr = false; // inside quotes CR LF is one line break

    for (;;) {
        const int c = Get();
        if (c == kEndOfInput) {
            if (state == State::Quoted) {
                return FailQuotedField();
            }
            if (count == 1 && contentBytes == 0) {
                return Outcome::End;
            }
            FinishRecord(record, count);
            return Outcome::Record;
        }
        const bool inQuotes = state == State::Quoted || state == State::AfterQuote;
        if (inQuotes) {
            quotedRaw_.push_back(static_cast<char>(c));
        }
        // A line end outside quotes terminates the record and is not content.
        if ((state == State::Quoted || !IsLineEnd(c)) && ++contentBytes > maxRecordBytes_) {
            return Overlong(inQuotes);
        }

        switch (state) {
        case State::FieldStart:
            if (c == '"') {
                state = State::Quoted;
                quotedRaw_.clear();
                quoteLine_ = line_;
                previousCr = false;
                break;
            }
            state = State::Unquoted;
            [[fallthrough]];
        case State::Unquoted:
            if (c == ',') {
                field = &StartField(record, count);
                state = State::FieldStart;
            } else if (IsLineEnd(c)) {
                EndLine(c);
                if (count == 1 && contentBytes == 0) {
                    return Outcome::Blank;
                }
                FinishRecord(record, count);
                return Outcome::Record;
            } else if (c == '"') {
                SkipRestOfLine();
                return Outcome::Malformed;
            } else {
                field->push_back(static_cast<char>(c));
            }
            break;
        case State::Quoted:
            if (c == '"') {
                state = State::AfterQuote;
            } else {
                if (c == '\r' || (c == '\n' && !previousCr)) {
                    ++line_;
                }
                previousCr = c == '\r';
                field->push_back(static_cast<char>(c));
            }
            break;
        case State::AfterQuote:
            if (c == '"') {
                field->push_back('"');
                state = State::Quoted;
                previousCr = false;
            } else if (c == ',') {
                field = &StartField(record, count);
                state = State::FieldStart;
            } else if (IsLineEnd(c)) {
                EndLine(c);
                FinishRecord(record, count);
                return Outcome::Record;
            } else {
                return FailQuotedField();
            }
            break;
        }
    }
}

CsvReader::Outcome CsvReader::FailQuotedField() {
    const std::size_t lineEnd = quotedRaw_.find_first_of("\r\n");
    if (lineEnd == std::string::npos) {
        SkipRestOfLine();
        return Outcome::Malformed;
    }
    // The record ends with the line the quote opened on; what followed is read again.
    std::size_t resume = lineEnd + 1;
    if (quotedRaw_[lineEnd] == '\r') {
        if (resume < quotedRaw_.size()) {
            if (quotedRaw_[resume] == '\n') {
                ++resume;
            }
        } else if (Peek() == '\n') {
            Get();
        }
    }
    PushBack(quotedRaw_.substr(resume));
    line_ = quoteLine_ + 1;
    return Outcome::Malformed;
}

CsvReader::Outcome CsvReader::Overlong(bool inQuotes) {
    // A quoted field still open across lines at the cap is taken as never closed.
    if (inQuotes && quotedRaw_.find_first_of("\r\n") != std::string::npos) {
        return FailQuotedField();
    }
    SkipRestOfLine();
    return Outcome::TooLong;
}

void CsvReader::SkipRestOfLine() {
    for (;;) {
        const int c = Get();
        if (c == kEndOfInput) {
            return;
        }
        if (IsLineEnd(c)) {
            EndLine(c);
            return;
        }
    }
}

void CsvReader::EndLine(int terminator) {
    ++line_;
    if (terminator == '\r' && Peek() == '\n') {
        Get();
    }
}

int CsvReader::Get() {
    if (position_ == buffer_.size() && !Refill()) {
        return kEndOfInput;
    }
    return static_cast<unsigned char>(buffer_[position_++]);
}

int CsvReader::Peek() {
    if (position_ == buffer_.size() && !Refill()) {
        return kEndOfInput;
    }
    return static_cast<unsigned char>(buffer_[position_]);
}

bool CsvReader::Refill() {
    buffer_.resize(kChunkBytes);
    input_.read(buffer_.data(), static_cast<std::streamsize>(kChunkBytes));
    buffer_.resize(static_cast<std::size_t>(input_.gcount()));
    position_ = 0;
    return !buffer_.empty();
}

void CsvReader::PushBack(std::string bytes) {
    bytes.append(buffer_, position_, std::string::npos);
    buffer_ = std::move(bytes);
    position_ = 0;
}

} // namespace velmora
