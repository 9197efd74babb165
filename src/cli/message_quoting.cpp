#include "cli/message_quoting.h"

#include "texts/printable.h"

namespace velmora {

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

} // namespace velmora
