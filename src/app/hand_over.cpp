#include "app/hand_over.h"

#include "app/main_window.h"
#include "platform/instance_lock.h"

namespace velmora {

void ShowHandedOverFiles(InstanceLock& lock, frmMain& window) {
    QObject::connect(&lock, &InstanceLock::fileHandedOver, &window, [&window](const QString& path) {
        window.OpenSavedReading(path);
        if (window.isMinimized()) {
            window.showNormal();
        }
        window.raise();
        window.activateWindow();
    });
}

} // namespace velmora
