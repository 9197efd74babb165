#include "platform/qt_platform.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <utility>

#include <cstdio>

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

// The settings hold two short values; a file far beyond that is not what this
// program wrote, and QSettings would read it whole, at twice its size in memory.
constexpr qint64 kSettingsFileLimitBytes = 64 * 1024;

enum class Store {
    Usable,  // a regular file of a sensible size, or none yet
    Ignored, // a regular file too large or unreadable: never read, replaced when there is a value to store
    Unusable // a folder, a pipe or a device: QSettings would fail or block on it
};

Store Examine(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists()) {
        return Store::Usable;
    }
    if (!file.isFile()) {
        return Store::Unusable;
    }
    return file.size() > kSettingsFileLimitBytes || !file.isReadable() ? Store::Ignored : Store::Usable;
}

bool StoreValue(QSettings& settings, const QString& key, const QString& value) {
    if (settings.status() != QSettings::NoError || !settings.isWritable()) {
        return false;
    }
    settings.beginGroup(kSettingsGroup);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

// A store of this one value, written beside the ignored file and renamed over it,
// so that the ignored file is never read and is replaced whole or not at all.
bool ReplaceIgnoredStore(const QString& path, const QString& key, const QString& value) {
    QTemporaryFile fresh(path + QStringLiteral(".XXXXXX"));
    if (!fresh.open()) {
        return false;
    }
    fresh.close();
    {
        QSettings settings(fresh.fileName(), QSettings::IniFormat);
        if (!StoreValue(settings, key, value)) {
            return false;
        }
    }
    if (::rename(QFile::encodeName(fresh.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
        return false;
    }
    fresh.setAutoRemove(false);
    return true;
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

QString QtPlatform::SettingsFilePath() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/%1/%2.ini").arg(organization_, application_);
}

std::optional<QString> QtPlatform::ReadSetting(const QString& key) {
    const QString path = SettingsFilePath();
    if (Examine(path) != Store::Usable) {
        return std::nullopt;
    }
    QSettings settings(path, QSettings::IniFormat);
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
    const QString path = SettingsFilePath();
    switch (Examine(path)) {
    case Store::Unusable:
        return false;
    case Store::Ignored:
        return ReplaceIgnoredStore(path, key, value);
    case Store::Usable:
        break;
    }
    QSettings settings(path, QSettings::IniFormat);
    return StoreValue(settings, key, value);
}

QDate QtPlatform::Today() {
    return QDate::currentDate();
}

QDateTime QtPlatform::Now() {
    return QDateTime::currentDateTimeUtc();
}

} // namespace velmora
