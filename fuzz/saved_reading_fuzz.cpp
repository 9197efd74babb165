// Saved reading files as a user might pick them: any bytes at all.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "reading/reading_session.h"
#include "reading/saved_reading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const velmora::SavedReadingLines reading = velmora::DecodeSavedReading(bytes);
    if (reading.starLine.size() > velmora::kSavedReadingReadLimit ||
        reading.fortnightLine.size() > velmora::kSavedReadingReadLimit) {
        __builtin_trap();
    }
    velmora::ReadingSession session;
    if (session.ReopenSavedFile(bytes) == velmora::ReadingSession::ReopenOutcome::NotAReading) {
        return 0;
    }
    // Encoding what was decoded and decoding again must give the same lines back.
    const velmora::SavedReadingLines again =
        velmora::DecodeSavedReading(velmora::EncodeSavedReading(session.Results()));
    if (again.starLine.find_first_of("\r\n") == std::string::npos && again.starLine != reading.starLine) {
        __builtin_trap();
    }
    return 0;
}
