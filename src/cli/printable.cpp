#include "cli/printable.h"

namespace velmora {
namespace {

constexpr char kHex[] = "0123456789abcdef";

void AppendEscaped(std::string& out, unsigned char byte) {
    out += "\\x";
    out.push_back(kHex[byte >> 4U]);
    out.push_back(kHex[byte & 0xFU]);
}

} // namespace

bool HasControls(std::string_view text, bool keepLineBreaks) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool lineBreak = byte == '\n' || byte == '\r';
        if ((byte < 0x20 && !(keepLineBreaks && lineBreak)) || byte == 0x7F ||
            (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
             static_cast<unsigned char>(text[i + 1]) <= 0x9F)) {
            return true;
        }
    }
    return false;
}

std::string EscapeControls(std::string_view text, bool keepLineBreaks) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool lineBreak = byte == '\n' || byte == '\r';
        if ((byte < 0x20 && !(keepLineBreaks && lineBreak)) || byte == 0x7F) {
            AppendEscaped(out, byte);
            continue;
        }
        // U+0080..U+009F are C2 80..C2 9F in UTF-8.
        if (byte == 0xC2 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if (next >= 0x80 && next <= 0x9F) {
                AppendEscaped(out, byte);
                AppendEscaped(out, next);
                ++i;
                continue;
            }
        }
        out.push_back(static_cast<char>(byte));
    }
    return out;
}

} // namespace velmora
