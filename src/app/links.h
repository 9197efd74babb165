#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace velmora {

class Platform;

// Addresses fixed at build time.
QString HomePageAddress();
QUrl HelpPageUrl(); // the user guide installed beside the program
QUrl DownloadPageUrl();

// Each asks the desktop to open its page; a failure shows nothing.
void OpenHelpPage(Platform& platform);
void OpenHomePage(Platform& platform);
void OpenUpdatePage(Platform& platform);

// Runs once at start-up: on the first run stores today's date; when the stored
// date is more than 14 days away asks whether to look for an update. Any
// settings error ends it silently.
void RemindAboutUpdate(Platform& platform, QWidget* parent = nullptr);

} // namespace velmora
