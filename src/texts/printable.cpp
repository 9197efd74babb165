#include "texts/printable.h"

namespace velmora {
namespace {

constexpr char kHex[] = "0123456789abcdef";

void AppendEscaped(std::string& out, unsigned char byte) {
    out += "\\x";
    out.push_back(kHex[byte >> 4U]);
    out.push_back(kHex[byte & 0xFU]);
}

// How many bytes of a control character start at text[i]: 0 for none, 1 for
// a C0 control or DEL, 2 for a C1 control in UTF-8 (C2 80..C2 9F).
std::size_t ControlLength(std::string_view text, std::size_t i, bool keepLineBreaks) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool lineBreak = byte == '\n' || byte == '\r';
    if ((byte < 0x20 && !(keepLineBreaks && lineBreak)) || byte == 0x7F) {
        return 1;
    }
    if (byte == 0xC2 && i + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        return next >= 0x80 && next <= 0x9F ? 2 : 0;
    }
    return 0;
}

} // namespace

bool HasControls(std::string_view text, bool keepLineBreaks) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (ControlLength(text, i, keepLineBreaks) != 0) {
            return true;
        }
    }
    return false;
}

std::string EscapeControls(std::string_view text, bool keepLineBreaks) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t control = ControlLength(text, i, keepLineBreaks);
        if (control == 0) {
            out.push_back(text[i]);
            continue;
        }
        for (std::size_t k = 0; k < control; ++k) {
            AppendEscaped(out, static_cast<unsigned char>(text[i + k]));
        }
        i += control - 1;
    }
    return out;
}

} // namespace velmora
