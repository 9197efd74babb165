#include "reading/saved_reading.h"

#include "texts/reading_lines.h"

namespace velmora {
namespace {

std::string ShiftCodes(std::string_view text, int shift) {
    std::string shifted;
    shifted.reserve(text.size());
    for (const char c : text) {
        const int code = static_cast<unsigned char>(c) + shift;
        if (code >= 0 && code <= 255) { // a code pushed out of the single-byte range is left out
            shifted.push_back(static_cast<char>(code));
        }
    }
    return shifted;
}

// The next line of `rest` (ended by CR LF, LF or CR, or by the end), removed from it.
std::string_view TakeLine(std::string_view& rest) {
    const auto end = rest.find_first_of("\r\n");
    const std::string_view line = rest.substr(0, end);
    if (end == std::string_view::npos) {
        rest = {};
    } else {
        const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
        rest.remove_prefix(end + (crlf ? 2 : 1));
    }
    return line;
}

} // namespace

std::string EncodeReadingText(std::string_view text) {
    return ShiftCodes(text, ReadingShift);
}

std::string DecodeReadingText(std::string_view text) {
    return ShiftCodes(text, -ReadingShift);
}

std::string EncodeSavedReading(std::string_view starLine, std::string_view fortnightLine) {
    return EncodeReadingText(starLine) + "\r\n" + EncodeReadingText(fortnightLine) + "\r\n";
}

std::string EncodeSavedReading(const ReadingResults& results) {
    return EncodeSavedReading(ShownStarLine(results), ShownFortnightLine(results));
}

SavedReadingLines DecodeSavedReading(std::string_view bytes) {
    std::string_view rest = bytes.substr(0, kSavedReadingReadLimit);
    SavedReadingLines lines;
    lines.starLine = DecodeReadingText(TakeLine(rest));
    lines.fortnightLine = DecodeReadingText(TakeLine(rest));
    return lines;
}

bool HoldsOnlyReadingText(std::string_view bytes) {
    for (const char c : bytes.substr(0, kSavedReadingReadLimit)) {
        if (static_cast<unsigned char>(c) < ReadingShift && c != '\r' && c != '\n') {
            return false;
        }
    }
    return true;
}

} // namespace velmora
