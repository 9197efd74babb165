#include <QApplication>
#include <QIcon>

#include "app/links.h"
#include "app/main_window.h"
#include "platform/instance_lock.h"
#include "platform/qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));

    velmora::QtPlatform platform;
    velmora::InstanceLock lock;
    if (!lock.TryLock()) {
        platform.ShowMessage(nullptr, QStringLiteral("Application is already running"),
                             velmora::MessageIcon::Information);
        return 0;
    }
    velmora::RemindAboutUpdate(platform);

    velmora::frmMain window(platform);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/velmora.svg")));
    window.show();
    return QApplication::exec();
}
