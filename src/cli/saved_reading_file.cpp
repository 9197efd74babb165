#include "cli/saved_reading_file.h"

#include <optional>
#include <string_view>

#include "cli/input_file.h"
#include "files/regular_file.h"
#include "reading/reading_session.h"
#include "reading/saved_reading.h"
#include "reading/saved_reading_name.h"
#include "texts/language_texts.h"

namespace velmora {
namespace {

constexpr std::string_view kMsgCheckFile = "Please Check The File.";

} // namespace

std::variant<ReadingResults, std::string> OpenSavedReading(const std::string& path) {
    if (!PassesSavedReadingNameTest(path)) {
        return path + ": " + std::string(kMsgCheckFile);
    }
    FileFailure failure;
    const auto bytes = ReadFileStart(path, kSavedReadingReadLimit, failure);
    if (!bytes) {
        return CannotReadMessage(path, failure);
    }
    ReadingSession session;
    if (session.ReopenSavedFile(*bytes) == ReadingSession::ReopenOutcome::NotAReading) {
        const std::string_view message = CheckMessageText(CheckMessage::NotAReading, Language::English);
        const std::size_t name = message.find("%1");
        return std::string(message.substr(0, name)) + path + std::string(message.substr(name + 2));
    }
    return session.Results();
}

} // namespace velmora
