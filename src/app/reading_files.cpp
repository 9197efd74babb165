#include "app/reading_files.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/message_text.h"
#include "app/translation.h"
#include "platform/platform.h"
#include "platform/replace_file.h"
#include "reading/reading_session.h"
#include "reading/saved_reading.h"
#include "reading/saved_reading_name.h"

namespace velmora {

namespace {

const char* const kContext = "velmora::ReadingFiles";
const char* const kMsgCheckFile = QT_TRANSLATE_NOOP("velmora::ReadingFiles", "Please Check The File.");
const char* const kMsgSaveFailed =
    QT_TRANSLATE_NOOP("velmora::ReadingFiles", "The reading could not be saved to %1: %2");
const char* const kMsgCannotOpen =
    QT_TRANSLATE_NOOP("velmora::ReadingFiles", "The reading could not be opened from %1: %2");
const char* const kNotARegularFile = QT_TRANSLATE_NOOP("velmora::ReadingFiles", "it is not a regular file");

QString Translated(const char* source) {
    return QCoreApplication::translate(kContext, source);
}

// The first kSavedReadingReadLimit bytes of the file, or why they cannot be read. A
// pipe or a device would block the window or never end, so only a regular file is
// read, and it is opened without waiting so that nothing swapped in meanwhile can block.
std::optional<std::string> ReadStart(const QString& fileName, QString& reason) {
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = qt_error_string(errno);
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        reason = Translated(kNotARegularFile);
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
            reason = qt_error_string(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        filled += std::size_t(got);
    }
    ::close(fd);
    bytes.resize(filled);
    return bytes;
}

} // namespace

QString FailureReason(const FileReplaceFailure& failure) {
    return failure.notARegularFile ? Translated(kNotARegularFile) : qt_error_string(failure.errorNumber);
}

void SaveReadingFile(Platform& platform, QWidget* parent, const ReadingResults& reading) {
    const QString fileName = platform.GetSaveFileName(
        parent,
        {kMessageTitle, Translated(QT_TRANSLATE_NOOP("velmora::ReadingFiles", "Rich Text Format (*.tam)")),
         QStringLiteral("tam")});
    if (fileName.isEmpty()) {
        return;
    }
    const std::string bytes = EncodeSavedReading(reading);
    if (const auto failure = ReplaceFile(fileName, QByteArrayView(bytes.data(), qsizetype(bytes.size())))) {
        platform.ShowMessage(parent,
                             Translated(kMsgSaveFailed).arg(PathInMessage(fileName), FailureReason(*failure)),
                             MessageIcon::Error);
    }
}

QString AskReadingToOpen(Platform& platform, QWidget* parent) {
    return platform.GetOpenFileName(
        parent, {Translated(QT_TRANSLATE_NOOP("velmora::ReadingFiles", "Select the source file")),
                 QStringLiteral("Velmora (*.tam)"), QStringLiteral("tam")});
}

bool ReopenReadingFile(Platform& platform, QWidget* parent, const QString& fileName, ReadingSession& session,
                       Language language) {
    if (!PassesSavedReadingNameTest(std::u16string_view(reinterpret_cast<const char16_t*>(fileName.utf16()),
                                                        std::size_t(fileName.size())))) {
        platform.ShowMessage(parent, Translated(kMsgCheckFile), MessageIcon::Error);
        return false;
    }
    if (fileName.isEmpty()) {
        return false;
    }
    QString reason;
    const std::optional<std::string> bytes = ReadStart(fileName, reason);
    if (!bytes) {
        platform.ShowMessage(parent, Translated(kMsgCannotOpen).arg(PathInMessage(fileName), reason),
                             MessageIcon::Error);
        return false;
    }
    if (session.ReopenSavedFile(*bytes) == ReadingSession::ReopenOutcome::NotAReading) {
        platform.ShowMessage(
            parent, CheckMessageFor(CheckMessage::NotAReading, language).arg(PathInMessage(fileName)),
            MessageIcon::Error);
        return false;
    }
    return true;
}

} // namespace velmora
