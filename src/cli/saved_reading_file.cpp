#include "cli/saved_reading_file.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>

#include <unistd.h>

#include "cli/input_file.h"
#include "reading/reading_session.h"
#include "reading/saved_reading.h"
#include "reading/saved_reading_name.h"
#include "texts/language_texts.h"

namespace velmora {
namespace {

constexpr std::string_view kMsgCheckFile = "Please Check The File.";

// At most kSavedReadingReadLimit bytes of the file; nothing, with `error` set, on failure.
std::optional<std::string> ReadSavedReading(const std::string& path, std::string& error) {
    const int fd = OpenRegularFile(path, error);
    if (fd < 0) {
        return std::nullopt;
    }
    std::string bytes(kSavedReadingReadLimit, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = "cannot read " + path + ": " + std::strerror(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(filled);
    return bytes;
}

} // namespace

std::variant<ReadingResults, std::string> OpenSavedReading(const std::string& path) {
    if (!PassesSavedReadingNameTest(path)) {
        return path + ": " + std::string(kMsgCheckFile);
    }
    std::string error;
    const auto bytes = ReadSavedReading(path, error);
    if (!bytes) {
        return error;
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
