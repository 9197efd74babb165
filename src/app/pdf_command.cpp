#include "app/pdf_command.h"

#include <QDate>
#include <cstdio>

#include "app/message_text.h"
#include "app/reading_files.h"
#include "app/reading_report.h"
#include "app/translation.h"
#include "platform/platform.h"
#include "platform/qt_platform.h"
#include "reading/reading_session.h"

namespace velmora {

namespace {

void PrintError(const QString& text) {
    std::fputs(QStringLiteral("velmora: %1\n").arg(text).toLocal8Bit().constData(), stderr);
}

// Without a window the reading's files report to the standard error and nothing is asked;
// the settings are the window's, so that the PDF is in the language the window shows.
class ConsolePlatform : public Platform {
public:
    void ShowMessage(QWidget*, const QString& text, MessageIcon) override { PrintError(text); }
    bool AskYesNo(QWidget*, const QString&) override { return false; }
    QString GetSaveFileName(QWidget*, const FileDialogRequest&) override { return {}; }
    QString GetOpenFileName(QWidget*, const FileDialogRequest&) override { return {}; }
    bool OpenUrl(const QUrl&) override { return false; }
    std::optional<QString> ReadSetting(const QString& key) override { return settings_.ReadSetting(key); }
    bool WriteSetting(const QString&, const QString&) override { return false; }
    QDate Today() override { return QDate::currentDate(); }
    QDateTime Now() override { return QDateTime::currentDateTimeUtc(); }

private:
    QtPlatform settings_;
};

} // namespace

int WriteSavedReadingPdf(const QString& pdfPath, const QString& readingPath) {
    if (pdfPath.isEmpty()) {
        PrintError(QStringLiteral("--pdf needs the name of the PDF file to write"));
        return 1;
    }
    if (readingPath.isEmpty()) {
        PrintError(QStringLiteral("--pdf needs a saved reading (FILE.tam) to write"));
        return 1;
    }
    ConsolePlatform console;
    const Language language = StartingLanguage(console);
    InstallTranslation(language);
    ReadingSession session;
    if (!ReopenReadingFile(console, nullptr, readingPath, session, language)) {
        return 1;
    }
    if (const std::optional<QString> reason = WriteReadingPdf(session, pdfPath, language)) {
        PrintError(
            QStringLiteral("the PDF could not be written to %1: %2").arg(PathInMessage(pdfPath), *reason));
        return 1;
    }
    return 0;
}

} // namespace velmora
