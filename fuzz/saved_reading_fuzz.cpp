// Saved reading files as a user might pick them: any bytes at all.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "reading/reading_session.h"
#include "reading/saved_reading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const velmora::SavedReading reading = velmora::DecodeSavedReading(bytes);
    if (reading.starName.size() > velmora::kSavedReadingReadLimit ||
        reading.pakshaName.size() > velmora::kSavedReadingReadLimit) {
        __builtin_trap();
    }
    velmora::ReadingSession session;
    session.Reopen(reading.starName, reading.pakshaName);
    // Encoding what was decoded and decoding again must give the same names back.
    const velmora::SavedReading again = velmora::DecodeSavedReading(
        velmora::EncodeSavedReading(session.Results().StarName, session.Results().PakshaName));
    if (again.starName.find_first_of("\r\n") == std::string::npos && again.starName != reading.starName) {
        __builtin_trap();
    }
    return 0;
}
