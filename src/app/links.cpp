#include "app/links.h"

#include "platform/platform.h"
#include "reading/saved_reading.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QStringList>

#include <cstdlib>
#include <string>

namespace velmora {
namespace {

// Within this many days of the stored date, in either direction, nothing is asked.
constexpr qint64 kReminderQuietDays = 14;

const QString kReminderKey = QStringLiteral("ReminderDate");
const QString kReminderQuestion =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

// The stored date is written in ISO form so that it reads back under any locale.
const QString kStoredDateFormat = QStringLiteral("yyyy-MM-dd");

// The codec works on single-byte codes; Latin-1 maps them one to one onto QChar.
QString Encoded(const QString& text) {
    const std::string bytes = EncodeReadingText(text.toLatin1().toStdString());
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString Decoded(const QString& text) {
    const std::string bytes = DecodeReadingText(text.toLatin1().toStdString());
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void StoreReminderDate(Platform& platform, const QDate& date) {
    // A store that cannot be written only means the reminder comes again next time.
    platform.WriteSetting(Encoded(kReminderKey), Encoded(date.toString(kStoredDateFormat)));
}

void OpenPage(Platform& platform, const QUrl& url) {
    // The desktop reports only whether a launcher started; there is nothing useful to tell the user.
    platform.OpenUrl(url);
}

} // namespace

QString HomePageAddress() {
    return QStringLiteral(VELMORA_HOME_URL);
}

QUrl DownloadPageUrl() {
    return QUrl(QStringLiteral(VELMORA_DOWNLOAD_URL));
}

QUrl HelpPageUrl() {
    // Installed beside the program first, then the source tree of a build that was never installed.
    const QStringList candidates = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/velmora/index.html"),
        QStringLiteral(VELMORA_HELP_SOURCE_DIR "/index.html"),
    };
    for (const QString& candidate : candidates) {
        const QFileInfo file(candidate);
        if (file.isFile()) {
            return QUrl::fromLocalFile(file.canonicalFilePath());
        }
    }
    return QUrl(HomePageAddress() + QStringLiteral("help/"));
}

void OpenHelpPage(Platform& platform) {
    OpenPage(platform, HelpPageUrl());
}

void OpenHomePage(Platform& platform) {
    OpenPage(platform, QUrl(HomePageAddress()));
}

void OpenUpdatePage(Platform& platform) {
    OpenPage(platform, DownloadPageUrl());
}

void RemindAboutUpdate(Platform& platform, QWidget* parent) {
    const QDate today = platform.Today();
    if (!today.isValid()) {
        return;
    }
    const std::optional<QString> stored = platform.ReadSetting(Encoded(kReminderKey));
    const QString storedText = stored ? Decoded(*stored) : QString();
    if (storedText.isEmpty()) {
        StoreReminderDate(platform, today);
        return;
    }
    const QDate remindedOn = QDate::fromString(storedText, kStoredDateFormat);
    if (!remindedOn.isValid()) {
        // A damaged date would silence the reminder for good; start counting again from today.
        StoreReminderDate(platform, today);
        return;
    }
    if (std::abs(today.daysTo(remindedOn)) <= kReminderQuietDays) {
        return;
    }
    const bool wantsUpdate = platform.AskYesNo(parent, kReminderQuestion);
    StoreReminderDate(platform, today);
    if (wantsUpdate) {
        OpenUpdatePage(platform);
    }
}

} // namespace velmora
