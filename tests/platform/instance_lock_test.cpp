#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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
        auto first = std::make_unique<InstanceLock>(QStringList{path});
        QVERIFY(first->TryLock());
        QVERIFY(first->TryLock());
        InstanceLock second({path});
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
            auto* lock = new InstanceLock({path});
            _exit(lock->TryLock() ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(QFile::exists(path));
        InstanceLock next({path});
        QVERIFY(next.TryLock());
    }

    // What a crash, a full disk or another program can leave at the lock's path.
    void leftoverLockDataNeverLocksOut_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind"); // 0 file, 1 folder, 2 pipe, 3 dangling link
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("damaged") << QByteArray("\x01\xff garbage\n\n\n", 14) << 0;
        QTest::newRow("foreign pid") << QByteArray("1\nvelmora\nsomehost\n") << 0;
        QTest::newRow("pipe") << QByteArray() << 2;
        QTest::newRow("dangling link") << QByteArray() << 3;
    }
    void leftoverLockDataNeverLocksOut() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("velmora.lock"));
        const QByteArray native = QFile::encodeName(path);
        if (kind == 0) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        } else if (kind == 2) {
            QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        } else {
            QCOMPARE(::symlink("/nonexistent/velmora.lock", native.constData()), 0);
        }
        InstanceLock lock({path});
        QVERIFY(lock.TryLock());
        InstanceLock second({path});
        QVERIFY(!second.TryLock());
    }

    void aFileIsHandedToTheRunningInstance() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("velmora.lock"));
        InstanceLock first({path});
        QVERIFY(first.TryLock());
        QSignalSpy handed(&first, &InstanceLock::fileHandedOver);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            InstanceLock second({path});
            _exit(!second.TryLock() && second.HandOver(QStringLiteral("/tmp/asha.tam")) ? 0 : 1);
        }
        QTRY_COMPARE(handed.count(), 1);
        QCOMPARE(handed.at(0).at(0).toString(), QStringLiteral("/tmp/asha.tam"));
        int status = 0;
        pid_t ended = 0;
        QTRY_VERIFY((ended = ended ? ended : waitpid(child, &status, WNOHANG)) != 0);
        QCOMPARE(ended, child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    // What the holder does with connections that are not the usual hand-over: a line too long for
    // a path or one cut off is dropped; a whole line from a start that did not wait still counts.
    void brokenHandOversAreDropped_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("closeFirst");
        QTest::newRow("line too long") << QByteArray(9000, 'a') << false;
        QTest::newRow("cut off") << QByteArray("/tmp/asha.t") << true;
        QTest::newRow("whole line, then gone") << QByteArray("/tmp/asha.tam\n") << true;
    }
    void brokenHandOversAreDropped() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, closeFirst);
        QTemporaryDir folder;
        InstanceLock first({folder.filePath(QStringLiteral("velmora.lock"))});
        QVERIFY(first.TryLock());
        QSignalSpy handed(&first, &InstanceLock::fileHandedOver);

        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray socketPath = QFile::encodeName(folder.filePath(QStringLiteral("velmora.socket")));
        std::memcpy(address.sun_path, socketPath.constData(), std::size_t(socketPath.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        QCOMPARE(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        QCOMPARE(::send(fd, bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL),
                 ssize_t(bytes.size()));
        if (closeFirst) {
            ::close(fd);
            QTest::qWait(100);
        } else {
            // The holder hangs up on the over-long line.
            char reply = 0;
            QTRY_VERIFY(::recv(fd, &reply, 1, MSG_DONTWAIT) == 0);
            ::close(fd);
        }
        QCOMPARE(handed.count(), bytes.endsWith('\n') ? 1 : 0);
    }

    void defaultLockLivesInTheRuntimeFolder() {
        QVERIFY(InstanceLock::DefaultPaths().front().startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
    }
};

QTEST_GUILESS_MAIN(InstanceLockTest)
#include "instance_lock_test.moc"
