#include "app/reading_files.h"

#include <QCoreApplication>
#include <QFile>

#include "app/message_text.h"
#include "app/translation.h"
#include "files/regular_file.h"
#include "files/replace_file.h"
#include "platform/platform.h"
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

} // namespace

QString FailureReason(const FileFailure& failure) {
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
    if (const auto failure = ReplaceFile(QFile::encodeName(fileName).toStdString(), bytes)) {
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
    // A pipe or a device would block the window or never end: only a regular file is read.
    FileFailure failure;
    const std::optional<std::string> bytes =
        ReadFileStart(QFile::encodeName(fileName).toStdString(), kSavedReadingReadLimit, failure);
    if (!bytes) {
        platform.ShowMessage(parent,
                             Translated(kMsgCannotOpen).arg(PathInMessage(fileName), FailureReason(failure)),
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
