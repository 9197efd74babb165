#include "app/reading_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/platform.h"
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

// Unbuffered and repeated until done or refused: a short write (a full disk, a
// size limit) then reports its reason instead of a buffered flush losing it.
bool WriteAll(QSaveFile& file, const std::string& bytes) {
    const char* next = bytes.data();
    qint64 left = qint64(bytes.size());
    while (left > 0) {
        const qint64 written = file.write(next, left);
        if (written <= 0) {
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

} // namespace

void SaveReadingFile(Platform& platform, QWidget* parent, const ReadingResults& reading) {
    const QString fileName = platform.GetSaveFileName(
        parent,
        {kMessageTitle, Translated(QT_TRANSLATE_NOOP("velmora::ReadingFiles", "Rich Text Format (*.tam)")),
         QStringLiteral("tam")});
    if (fileName.isEmpty()) {
        return;
    }
    const std::string bytes = EncodeSavedReading(reading);
    // Written beside the target and renamed over it, so a failure leaves any older file whole.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteAll(file, bytes) ||
        !file.commit()) {
        platform.ShowMessage(
            parent, Translated(kMsgSaveFailed).arg(QDir::toNativeSeparators(fileName), file.errorString()),
            MessageIcon::Error);
    }
}

QString AskReadingToOpen(Platform& platform, QWidget* parent) {
    return platform.GetOpenFileName(
        parent, {Translated(QT_TRANSLATE_NOOP("velmora::ReadingFiles", "Select the source file")),
                 QStringLiteral("Velmora (*.tam)"), QStringLiteral("tam")});
}

std::optional<SavedReadingLines> OpenReadingFile(Platform& platform, QWidget* parent,
                                                 const QString& fileName) {
    if (!PassesSavedReadingNameTest(std::u16string_view(reinterpret_cast<const char16_t*>(fileName.utf16()),
                                                        std::size_t(fileName.size())))) {
        platform.ShowMessage(parent, Translated(kMsgCheckFile), MessageIcon::Error);
        return std::nullopt;
    }
    if (fileName.isEmpty()) {
        return std::nullopt;
    }
    // A pipe or a device would block the window or never end; only a plain file is read.
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile()) {
        platform.ShowMessage(
            parent,
            Translated(kMsgCannotOpen).arg(QDir::toNativeSeparators(fileName), Translated(kNotARegularFile)),
            MessageIcon::Error);
        return std::nullopt;
    }
    QFile file(fileName);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) {
        // Only the first two short lines matter; a huge file is never read whole.
        bytes = file.read(qint64(kSavedReadingReadLimit));
    }
    if (file.error() != QFileDevice::NoError) {
        platform.ShowMessage(
            parent, Translated(kMsgCannotOpen).arg(QDir::toNativeSeparators(fileName), file.errorString()),
            MessageIcon::Error);
        return std::nullopt;
    }
    return DecodeSavedReading(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

} // namespace velmora
