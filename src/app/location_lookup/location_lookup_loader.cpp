#include "app/location_lookup/location_lookup_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace velmora {

namespace {

const char* const kContext = "velmora::LocationLookupLoader";
const char* const kMsgCannotLoad =
    QT_TRANSLATE_NOOP("velmora::LocationLookupLoader", "The place look-up could not be opened: %1");
const char* const kMsgNotInstalled =
    QT_TRANSLATE_NOOP("velmora::LocationLookupLoader", "its module is not installed.");

bool IsInside(const QString& path, const QString& folder) {
    const QString relative = QDir(folder).relativeFilePath(path);
    return !relative.startsWith(QStringLiteral("..")) && !QDir::isAbsolutePath(relative);
}

} // namespace

QStringList LocationLookupModuleFiles() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList files{
        QDir::cleanPath(programFolder + QStringLiteral("/" VELMORA_LOOKUP_MODULE_FROM_PROGRAM))};
    // Never a build tree's module for an installed program: that folder may belong to anyone now.
    if (IsInside(programFolder, QStringLiteral(VELMORA_BUILD_DIR))) {
        files.append(QStringLiteral(VELMORA_LOOKUP_MODULE_BUILT));
    }
    return files;
}

OpenLocationLookupFunction LoadLocationLookup(const QStringList& files, QString* error) {
    QString reason = QCoreApplication::translate(kContext, kMsgNotInstalled);
    for (const QString& file : files) {
        if (!QFileInfo::exists(file)) {
            continue;
        }
        QLibrary module(file);
        if (auto open =
                reinterpret_cast<OpenLocationLookupFunction>(module.resolve(kOpenLocationLookupSymbol))) {
            return open;
        }
        reason = module.errorString();
    }
    *error = QCoreApplication::translate(kContext, kMsgCannotLoad).arg(reason);
    return nullptr;
}

QWidget* OpenLocationLookup(const LocationLookupRequest& request, const PlaceChosenHandler& onChosen,
                            QWidget* parent, QString* error) {
    const OpenLocationLookupFunction open = LoadLocationLookup(LocationLookupModuleFiles(), error);
    return open != nullptr ? open(request, onChosen, parent) : nullptr;
}

} // namespace velmora
