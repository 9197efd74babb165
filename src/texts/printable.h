#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// `text` with every control character written as \xNN (C0 controls, DEL and the
// C1 controls as UTF-8), and every byte that is no part of a UTF-8 character,
// so that nothing printed can move the cursor, clear the terminal or set its
// title. With `keepLineBreaks`, CR and LF stay as they are (a CSV field quotes
// them).
std::string EscapeControls(std::string_view text, bool keepLineBreaks = false);

// True when EscapeControls would change `text`.
bool HasControls(std::string_view text, bool keepLineBreaks = false);

// How many bytes of an echoed value a message shows.
inline constexpr std::size_t kShownBytes = 40;

// The first bytes of `text` a message shows, ending on a whole UTF-8 character:
// at most `shownBytes`, and `text` itself when it is no longer.
std::string_view ShownPart(std::string_view text, std::size_t shownBytes = kShownBytes);

} // namespace velmora
