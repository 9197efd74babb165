#pragma once

#include <string_view>

namespace velmora {

// The ending of a saved reading's file name, as the file dialogs offer it.
inline constexpr std::string_view kSavedReadingSuffix = "tam";

// The test a file name passes before it is opened as a saved reading: a name
// of three characters or more must end in "tam", exactly (case counts, no dot
// needed). Shorter names pass; an empty one means nothing was chosen. The
// length is counted in the units of the name's encoding: bytes for a
// command-line argument, UTF-16 units for a name from a file dialog.
bool PassesSavedReadingNameTest(std::string_view fileName);
bool PassesSavedReadingNameTest(std::u16string_view fileName);

// A name to save a reading under: it must end in ".tam".
bool IsSavedReadingFileName(std::string_view fileName);

} // namespace velmora
