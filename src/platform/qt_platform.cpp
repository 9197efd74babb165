#include "platform/qt_platform.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <utility>

namespace velmora {

namespace {

const QString kSettingsGroup = QStringLiteral("Settings");

QString RunFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.constFirst();
}

// QSettings reads its file as it opens it; a pipe or a device there would block
// the window before it shows, so only a plain file (or none yet) is read.
bool SettingsFileIsSafe(const QString& organization, const QString& application) {
    const QFileInfo file(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/%1/%2.ini").arg(organization, application));
    return !file.exists() || file.isFile();
}

} // namespace

QtPlatform::QtPlatform(QString organization, QString application)
    : organization_(std::move(organization)), application_(std::move(application)) {}

void QtPlatform::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    kMessageTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtPlatform::AskYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, kMessageTitle, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtPlatform::GetSaveFileName(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString QtPlatform::GetOpenFileName(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

bool QtPlatform::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

std::optional<QString> QtPlatform::ReadSetting(const QString& key) {
    if (!SettingsFileIsSafe(organization_, application_)) {
        return std::nullopt;
    }
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, organization_, application_);
    if (settings.status() != QSettings::NoError) {
        return std::nullopt;
    }
    settings.beginGroup(kSettingsGroup);
    if (!settings.contains(key)) {
        return std::nullopt;
    }
    const QVariant value = settings.value(key);
    // The INI reader turns an unquoted value with commas into a list; only plain text is ours.
    if (value.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    return value.toString();
}

bool QtPlatform::WriteSetting(const QString& key, const QString& value) {
    if (!SettingsFileIsSafe(organization_, application_)) {
        return false;
    }
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, organization_, application_);
    if (settings.status() != QSettings::NoError || !settings.isWritable()) {
        return false;
    }
    settings.beginGroup(kSettingsGroup);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QDate QtPlatform::Today() {
    return QDate::currentDate();
}

} // namespace velmora
