#include "cli/csv_writer.h"

#include <charconv>

#include "texts/printable.h"

namespace velmora {

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

} // namespace velmora
