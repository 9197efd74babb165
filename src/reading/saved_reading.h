#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// Added to each single-byte character code when a reading is saved.
inline constexpr int ReadingShift = 23;

// Text as single-byte codes (0..255). Characters pushed out of 0..255 are left out.
std::string EncodeReadingText(std::string_view text);
std::string DecodeReadingText(std::string_view text);

// A saved reading file: the encoded star name and fortnight name, each
// followed by CR LF, nothing else.
std::string EncodeSavedReading(std::string_view starName, std::string_view pakshaName);

// At most this many bytes of a saved reading are ever read.
inline constexpr std::size_t kSavedReadingReadLimit = 64 * 1024;

struct SavedReading {
    std::string starName;   // decoded
    std::string pakshaName; // decoded
};

// Reads the first two lines of `bytes` (ended by CR LF, LF or CR; a missing
// line is empty), decoded. Only the first kSavedReadingReadLimit bytes count.
SavedReading DecodeSavedReading(std::string_view bytes);

} // namespace velmora
