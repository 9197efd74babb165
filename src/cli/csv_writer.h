#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Appends `field` as one CSV field, quoted when it holds a comma, quote or line
// break. Its bytes are kept, unless `escapeControls` asks for the control
// characters but line breaks as \xNN, for a terminal.
void AppendCsvField(std::string& out, std::string_view field, bool escapeControls = false);

// Appends the shortest text that reads back as exactly `value`.
void AppendShortestNumber(std::string& out, double value);

} // namespace velmora
