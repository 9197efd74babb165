#pragma once

#include <QString>

#include "platform/platform.h"

namespace velmora {

// The production Platform: Qt's message boxes and file dialogs, the desktop's
// URL handler, an INI settings file under the user's config folder and the
// system clock. The settings file is read only when it is a regular file of a
// few kilobytes at most; any other is ignored, and is replaced (a regular file)
// or left alone (a folder, a pipe) only when there is a value to store.
class QtPlatform : public Platform {
public:
    // The settings live in <config>/<organization>/<application>.ini.
    explicit QtPlatform(QString organization = QStringLiteral("Velmora"),
                        QString application = QStringLiteral("Velmora"));

    void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) override;
    bool AskYesNo(QWidget* parent, const QString& text) override;
    QString GetSaveFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString GetOpenFileName(QWidget* parent, const FileDialogRequest& request) override;
    bool OpenUrl(const QUrl& url) override;
    std::optional<QString> ReadSetting(const QString& key) override;
    bool WriteSetting(const QString& key, const QString& value) override;
    QDate Today() override;
    QDateTime Now() override;

private:
    QString SettingsFilePath() const;

    QString organization_;
    QString application_;
};

} // namespace velmora
