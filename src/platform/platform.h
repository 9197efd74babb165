#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

#include "reading/validation.h"

class QWidget;

namespace velmora {

// The title of every message box.
inline const QString kMessageTitle = QStringLiteral("Velmora");

// What a file dialog is asked to show.
struct FileDialogRequest {
    QString title;
    QString filter;           // Qt filter text, e.g. "Velmora (*.tam)"
    QString defaultExtension; // without the dot
};

// Everything the operating system decides, behind one seam so that the windows
// can be driven by tests. The Qt implementation is QtPlatform; tests use fakes.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box titled "Velmora" with the information or error icon and an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // A modal Yes/No question titled "Velmora" with the information icon; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;

    // The chosen file, or an empty string when the user cancelled.
    virtual QString GetSaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString GetOpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;

    // Asks the desktop to open a web page or a local file; false when nothing could be started.
    virtual bool OpenUrl(const QUrl& url) = 0;

    // The per-user settings store, section "Settings". Reading gives nothing when
    // the key is absent or the store cannot be read; writing reports success.
    virtual std::optional<QString> ReadSetting(const QString& key) = 0;
    virtual bool WriteSetting(const QString& key, const QString& value) = 0;

    virtual QDate Today() = 0;
    // The present moment, for what is shown as current.
    virtual QDateTime Now() = 0;
};

} // namespace velmora
