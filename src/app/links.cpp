#include "app/links.h"

#include "platform/platform.h"
#include "reading/saved_reading.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>

#include <cstdlib>
#include <string>

namespace velmora {
namespace {

// Within this many days of the stored date, in either direction, nothing is asked.
constexpr qint64 kReminderQuietDays = 14;

const QString kReminderKey = QStringLiteral("ReminderDate");
const char* const kReminderQuestion = QT_TRANSLATE_NOOP(
    "velmora::Links",
    "There maybe an update to this software available\rDo you want to check for an update?");

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

QUrl HelpPageUrl(const QStringList& guides) {
    for (const QString& guide : guides) {
        const QFileInfo file(guide);
        if (file.isFile()) {
            return QUrl::fromLocalFile(file.canonicalFilePath());
        }
    }
    return QUrl(HomePageAddress() + QStringLiteral("help/"));
}

QUrl HelpPageUrl(Language language) {
    const QStringList folders = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/velmora/help"),
        QStringLiteral(VELMORA_HELP_SOURCE_DIR),
    };
    QStringList pages;
    if (language == Language::Tamil) {
        pages << QStringLiteral("/index-ta.html");
    }
    pages << QStringLiteral("/index.html");
    QStringList guides;
    for (const QString& folder : folders) {
        for (const QString& page : pages) {
            guides << folder + page;
        }
    }
    return HelpPageUrl(guides);
}

void OpenHelpPage(Platform& platform, Language language) {
    OpenPage(platform, HelpPageUrl(language));
}

void OpenHomePage(Platform& platform) {
    OpenPage(platform, QUrl(HomePageAddress()));
}

void OpenUpdatePage(Platform& platform) {
    OpenPage(platform, DownloadPageUrl());
}

std::optional<QDate> DecodeReminderDate(const QString& stored) {
    const QDate date = QDate::fromString(Decoded(stored), kStoredDateFormat);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

void RemindAboutUpdate(Platform& platform, QWidget* parent) {
    const QDate today = platform.Today();
    if (!today.isValid()) {
        return;
    }
    const std::optional<QString> stored = platform.ReadSetting(Encoded(kReminderKey));
    const std::optional<QDate> remindedOn = stored ? DecodeReminderDate(*stored) : std::nullopt;
    if (!remindedOn) {
        // The first run, or a damaged date that would silence the reminder for
        // good: either way counting starts from today.
        StoreReminderDate(platform, today);
        return;
    }
    if (std::abs(today.daysTo(*remindedOn)) <= kReminderQuietDays) {
        return;
    }
    const bool wantsUpdate =
        platform.AskYesNo(parent, QCoreApplication::translate("velmora::Links", kReminderQuestion));
    StoreReminderDate(platform, today);
    if (wantsUpdate) {
        OpenUpdatePage(platform);
    }
}

} // namespace velmora
