#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/instance_lock.h"
#include "support/immutable_folder.h"

using velmora::InstanceLock;

namespace {

// The exit code of a child that ends within a few seconds; -1 otherwise.
int ExitCodeOf(pid_t child) {
    int status = 0;
    for (int waited = 0; waited < 100; ++waited) {
        if (waitpid(child, &status, WNOHANG) == child) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        QTest::qWait(50);
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return -1;
}

} // namespace

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

    // What can stand in the lock's or the socket's way: the claim and the hand-over
    // work through the next place, which both starts agree on.
    void unusablePlacesGiveWay_data() {
        QTest::addColumn<int>(
            "obstacle"); // 0 a read-only folder, 1 a folder at the lock's path, 2 ... the socket's
        QTest::newRow("read-only runtime folder") << 0;
        QTest::newRow("a folder where the lock goes") << 1;
        QTest::newRow("a folder where the socket goes") << 2;
    }
    void unusablePlacesGiveWay() {
        QFETCH(int, obstacle);
        QTemporaryDir runtime;
        QTemporaryDir fallback;
        const QStringList paths{runtime.filePath(QStringLiteral("velmora.lock")),
                                fallback.filePath(QStringLiteral("velmora.lock"))};
        if (obstacle == 1) {
            QVERIFY(QDir().mkdir(paths[0]));
        } else if (obstacle == 2) {
            QVERIFY(QDir().mkdir(runtime.filePath(QStringLiteral("velmora.socket"))));
        }
        const velmora::testing::ImmutableFolder readOnly(obstacle == 0 ? runtime.path() : QString());
        if (obstacle == 0 && !readOnly.IsSet()) {
            QSKIP("this file system or user cannot make a folder immutable");
        }
        InstanceLock first(paths);
        QVERIFY(first.TryLock());
        QVERIFY2(first.Problem().isEmpty(), qPrintable(first.Problem()));
        QSignalSpy handed(&first, &InstanceLock::fileHandedOver);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            InstanceLock second(paths);
            _exit(!second.TryLock() && second.HandOver(QStringLiteral("/tmp/asha.tam")) ? 0 : 1);
        }
        QTRY_COMPARE(handed.count(), 1);
        QCOMPARE(handed.at(0).at(0).toString(), QStringLiteral("/tmp/asha.tam"));
        QCOMPARE(ExitCodeOf(child), 0);
    }

    // Where neither a lock nor a socket can be made, each start says so and goes on
    // at once: unguarded, or showing its file itself.
    void noGuardIsSaidAndNothingWaits() {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QStringList underAFile{folder.filePath(QStringLiteral("file/velmora.lock"))};
        InstanceLock first(underAFile);
        QVERIFY(first.TryLock());
        QVERIFY2(first.Problem().startsWith(QStringLiteral("no lock file can be made")),
                 qPrintable(first.Problem()));
        InstanceLock second(underAFile);
        QVERIFY(second.TryLock());

        // A socket address holds 107 bytes; this folder's names are longer.
        QString deep = folder.path();
        while (deep.size() < 120) {
            deep += QStringLiteral("/folder");
        }
        QVERIFY(QDir().mkpath(deep));
        const QStringList farAway{deep + QStringLiteral("/velmora.lock")};
        InstanceLock holder(farAway);
        QVERIFY(holder.TryLock());
        QVERIFY2(holder.Problem().startsWith(QStringLiteral("no socket can be made")),
                 qPrintable(holder.Problem()));
        InstanceLock later(farAway);
        QVERIFY(!later.TryLock());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!later.HandOver(QStringLiteral("/tmp/asha.tam")));
        QVERIFY(clock.elapsed() < 1000);
    }

    // A start that comes while the window is still being made waits for it; the file is
    // taken once the window listens for files, not before.
    void aHandOverWaitsForTheWindow() {
        QTemporaryDir folder;
        const QStringList paths{folder.filePath(QStringLiteral("velmora.lock"))};
        InstanceLock first(paths);
        QVERIFY(first.TryLock());
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            InstanceLock second(paths);
            _exit(!second.TryLock() && second.HandOver(QStringLiteral("/tmp/asha.tam")) ? 0 : 1);
        }
        QTest::qWait(500); // the window is still being made; nothing listens for files yet
        QCOMPARE(waitpid(child, nullptr, WNOHANG), 0);
        QSignalSpy handed(&first, &InstanceLock::fileHandedOver);
        QTRY_COMPARE(handed.count(), 1);
        QCOMPARE(ExitCodeOf(child), 0);
    }

    // When the holder ends while a later start waits on it, that start takes the claim
    // and shows its file itself, without waiting out the hand-over's time.
    void aHolderThatEndsLeavesTheClaim() {
        QTemporaryDir folder;
        const QStringList paths{folder.filePath(QStringLiteral("velmora.lock"))};
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const pid_t holder = fork();
        QVERIFY(holder >= 0);
        if (holder == 0) {
            // A window still being made: it holds the claim and takes no files, then ends.
            InstanceLock lock(paths);
            const bool held = lock.TryLock();
            ::write(ready[1], "x", 1);
            ::usleep(500 * 1000);
            _exit(held ? 0 : 1);
        }
        char byte = 0;
        QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
        InstanceLock later(paths);
        QVERIFY(!later.TryLock());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!later.HandOver(QStringLiteral("/tmp/asha.tam")));
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(later.TryLock());
        QCOMPARE(ExitCodeOf(holder), 0);
        ::close(ready[0]);
        ::close(ready[1]);
    }

    void defaultLockLivesInTheRuntimeFolder() {
        QVERIFY(InstanceLock::DefaultPaths().front().startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
    }
};

QTEST_GUILESS_MAIN(InstanceLockTest)
#include "instance_lock_test.moc"
