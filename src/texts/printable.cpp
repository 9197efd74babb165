#include "texts/printable.h"

namespace velmora {
namespace {

constexpr char kHex[] = "0123456789abcdef";

void AppendEscaped(std::string& out, unsigned char byte) {
    out += "\\x";
    out.push_back(kHex[byte >> 4U]);
    out.push_back(kHex[byte & 0xFU]);
}

// One character of a text, or one byte that is none.
struct Piece {
    std::size_t bytes;
    bool escaped;
};

// The piece at text[i]. A byte that begins no well-formed UTF-8 character (no
// overlong form, no surrogate, nothing past U+10FFFF) is escaped on its own:
// a terminal that reads single bytes would take 80..9F as C1 controls.
Piece PieceAt(std::string_view text, std::size_t i, bool keepLineBreaks) {
    const auto byteAt = [text](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byteAt(i);
    if (lead < 0x80) {
        const bool lineBreak = lead == '\n' || lead == '\r';
        return {1, (lead < 0x20 && !(keepLineBreaks && lineBreak)) || lead == 0x7F};
    }
    // The character's length, and the range its second byte must fall in.
    std::size_t bytes = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        bytes = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        bytes = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        bytes = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    }
    if (bytes == 0 || i + bytes > text.size() || byteAt(i + 1) < low || byteAt(i + 1) > high) {
        return {1, true};
    }
    for (std::size_t k = 2; k < bytes; ++k) {
        if ((byteAt(i + k) & 0xC0U) != 0x80U) {
            return {1, true};
        }
    }
    // U+0080 to U+009F, the C1 controls.
    return {bytes, lead == 0xC2 && byteAt(i + 1) <= 0x9F};
}

} // namespace

bool HasControls(std::string_view text, bool keepLineBreaks) {
    for (std::size_t i = 0; i < text.size();) {
        const Piece piece = PieceAt(text, i, keepLineBreaks);
        if (piece.escaped) {
            return true;
        }
        i += piece.bytes;
    }
    return false;
}

std::string EscapeControls(std::string_view text, bool keepLineBreaks) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Piece piece = PieceAt(text, i, keepLineBreaks);
        for (std::size_t k = 0; k < piece.bytes; ++k) {
            if (piece.escaped) {
                AppendEscaped(out, static_cast<unsigned char>(text[i + k]));
            } else {
                out.push_back(text[i + k]);
            }
        }
        i += piece.bytes;
    }
    return out;
}

std::string_view ShownPart(std::string_view text, std::size_t shownBytes) {
    if (text.size() <= shownBytes) {
        return text;
    }
    // A UTF-8 character has at most three continuation bytes (10xxxxxx) after
    // its first; bytes that are no UTF-8 are cut where they fall.
    std::size_t end = shownBytes;
    for (int back = 0; back < 3 && end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U;
         ++back) {
        --end;
    }
    return text.substr(0, end);
}

} // namespace velmora
