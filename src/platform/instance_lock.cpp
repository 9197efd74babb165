#include "platform/instance_lock.h"

#include <QDir>
#include <QStandardPaths>

namespace velmora {

InstanceLock::InstanceLock(const QString& lockFilePath) : lock_(lockFilePath) {
    // A live holder is never stale, however long it runs; a dead one is found by its pid.
    lock_.setStaleLockTime(0);
}

bool InstanceLock::TryLock() {
    return lock_.isLocked() || lock_.tryLock(0);
}

QString InstanceLock::DefaultPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder + QStringLiteral("/velmora.lock");
}

} // namespace velmora
