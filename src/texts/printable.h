#pragma once

#include <string>
#include <string_view>

namespace velmora {

// `text` with every control character written as \xNN (C0 controls, DEL and the
// C1 controls as UTF-8), so that nothing printed can move the cursor, clear the
// terminal or set its title. With `keepLineBreaks`, CR and LF stay as they are
// (a CSV field quotes them).
std::string EscapeControls(std::string_view text, bool keepLineBreaks = false);

// True when EscapeControls would change `text`.
bool HasControls(std::string_view text, bool keepLineBreaks = false);

} // namespace velmora
