#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/reading_results.h"

namespace velmora {

// Added to each single-byte character code when a reading is saved.
inline constexpr int ReadingShift = 23;

// Text as single-byte codes (0..255). Characters pushed out of 0..255 are left out.
std::string EncodeReadingText(std::string_view text);
std::string DecodeReadingText(std::string_view text);

// A saved reading file: the encoded star line and fortnight line, each
// followed by CR LF, nothing else.
std::string EncodeSavedReading(std::string_view starLine, std::string_view fortnightLine);

// The file of what a reading shows: its star and fortnight lines.
std::string EncodeSavedReading(const ReadingResults& results);

// At most this many bytes of a saved reading are ever read.
inline constexpr std::size_t kSavedReadingReadLimit = 64 * 1024;

// Reads the first two lines of `bytes` (ended by CR LF, LF or CR; a missing
// line is empty), decoded. Only the first kSavedReadingReadLimit bytes count.
SavedReadingLines DecodeSavedReading(std::string_view bytes);

// False when the first kSavedReadingReadLimit bytes hold a code that no saved
// reading has: the encoding writes only codes from ReadingShift up, and line
// ends. NUL bytes, other control codes and most binary files are no reading.
bool HoldsOnlyReadingText(std::string_view bytes);

} // namespace velmora
