#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/instance_lock.h"

using velmora::InstanceLock;

class InstanceLockTest : public QObject {
    Q_OBJECT

private slots:
    void secondInstanceIsRefusedWhileTheFirstRuns() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("velmora.lock"));
        auto first = std::make_unique<InstanceLock>(path);
        QVERIFY(first->TryLock());
        QVERIFY(first->TryLock());
        InstanceLock second(path);
        QVERIFY(!second.TryLock());
        first.reset();
        QVERIFY(second.TryLock());
    }

    void lockOfADeadProcessIsTakenOver() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("velmora.lock"));
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // The child takes the lock and dies without releasing it, as a crash would.
            auto* lock = new QLockFile(path);
            _exit(lock->tryLock(0) ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(QFile::exists(path));
        InstanceLock next(path);
        QVERIFY(next.TryLock());
    }

    void defaultLockLivesInTheRuntimeFolder() {
        QVERIFY(InstanceLock::DefaultPath().startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
    }
};

QTEST_GUILESS_MAIN(InstanceLockTest)
#include "instance_lock_test.moc"
