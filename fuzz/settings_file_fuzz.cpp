// The settings file as a damaged disk, a hand edit or another program can leave
// it: any bytes at all, at any size, read and then written through the settings
// store the window uses.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "platform/qt_platform.h"

namespace {

const QString kOrganization = QStringLiteral("VelmoraFuzz");
const QString kApplication = QStringLiteral("Settings");
// Far beyond the few kilobytes the store reads.
constexpr qint64 kSparseBytes = qint64(1) << 30;

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

QString SettingsFile() {
    return qEnvironmentVariable("XDG_CONFIG_HOME") +
           QStringLiteral("/%1/%2.ini").arg(kOrganization, kApplication);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A configuration folder of the fuzzer's own, so that no real settings are touched.
    static QByteArray folder = QDir::tempPath().toLocal8Bit() + "/velmora-settings-fuzz-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr) {
        std::abort();
    }
    qputenv("XDG_CONFIG_HOME", folder);
    QDir().mkpath(QFileInfo(SettingsFile()).path());
    std::atexit([] { QDir(QString::fromLocal8Bit(folder)).removeRecursively(); });
    return 0;
}

// The first byte's low bit makes the file a sparse gigabyte after the bytes that follow.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const bool huge = (data[0] & 1) != 0;
    {
        QFile file(SettingsFile());
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
        Check(!huge || file.resize(kSparseBytes));
    }
    velmora::QtPlatform platform(kOrganization, kApplication);
    for (const QString& key : {QStringLiteral("Language"), QStringLiteral("Key")}) {
        const std::optional<QString> value = platform.ReadSetting(key);
        // An oversized file is never read, so nothing in it can be a value.
        Check(!huge || !value);
    }
    // A store that says it kept the value gives it back, whatever the file held before.
    if (platform.WriteSetting(QStringLiteral("Key"), QStringLiteral("stored, with a comma"))) {
        Check(platform.ReadSetting(QStringLiteral("Key")) == QStringLiteral("stored, with a comma"));
        Check(QFileInfo(SettingsFile()).size() < kSparseBytes);
    } else {
        Check(!huge);
    }
    return 0;
}
