#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

#include "texts/localized.h"

class QWidget;

namespace velmora {

class Platform;

// Addresses fixed at build time.
QString HomePageAddress();
// The user guide: the first of `guides` that is a file, else the guide on the home page.
QUrl HelpPageUrl(const QStringList& guides);
// The guide in `language` installed beside the program, then the one in the source tree of a build
// never installed; in each place the English guide stands in for a translation that is missing.
QUrl HelpPageUrl(Language language = Language::English);
QUrl DownloadPageUrl();

// Each asks the desktop to open its page; a failure shows nothing.
void OpenHelpPage(Platform& platform, Language language);
void OpenHomePage(Platform& platform);
void OpenUpdatePage(Platform& platform);

// The date held by the reminder's stored setting value (encoded, ISO form);
// nothing when the value is empty or names no valid date.
std::optional<QDate> DecodeReminderDate(const QString& stored);

// Runs once at start-up: on the first run stores today's date; when the stored
// date is more than 14 days away asks whether to look for an update. Any
// settings error ends it silently.
void RemindAboutUpdate(Platform& platform, QWidget* parent = nullptr);

} // namespace velmora
