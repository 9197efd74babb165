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
const char* const kMsgUnknownZone =
    QT_TRANSLATE_NOOP("velmora::LocationLookupLoader", "The time zone %1 is not in the time-zone database.");

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

namespace {

// The module's function `symbol` from the first of `files` that has it, or nullptr with `error` set.
QFunctionPointer ResolveInModule(const QStringList& files, const char* symbol, QString* error) {
    QString reason = QCoreApplication::translate(kContext, kMsgNotInstalled);
    for (const QString& file : files) {
        if (!QFileInfo::exists(file)) {
            continue;
        }
        QLibrary module(file);
        if (QFunctionPointer function = module.resolve(symbol)) {
            return function;
        }
        reason = module.errorString();
    }
    *error = QCoreApplication::translate(kContext, kMsgCannotLoad).arg(reason);
    return nullptr;
}

} // namespace

OpenLocationLookupFunction LoadLocationLookup(const QStringList& files, QString* error) {
    return reinterpret_cast<OpenLocationLookupFunction>(
        ResolveInModule(files, kOpenLocationLookupSymbol, error));
}

QWidget* OpenLocationLookup(const LocationLookupRequest& request, const PlaceChosenHandler& onChosen,
                            QWidget* parent, QString* error) {
    const OpenLocationLookupFunction open = LoadLocationLookup(LocationLookupModuleFiles(), error);
    return open != nullptr ? open(request, onChosen, parent) : nullptr;
}

std::unique_ptr<LocalClock> FindZoneClock(const std::string& timeZoneId, QString* error) {
    const auto find = reinterpret_cast<FindZoneClockFunction>(
        ResolveInModule(LocationLookupModuleFiles(), kFindZoneClockSymbol, error));
    if (find == nullptr) {
        return nullptr;
    }
    std::unique_ptr<LocalClock> clock(find(timeZoneId));
    if (clock == nullptr) {
        *error =
            QCoreApplication::translate(kContext, kMsgUnknownZone).arg(QString::fromStdString(timeZoneId));
    }
    return clock;
}

} // namespace velmora
