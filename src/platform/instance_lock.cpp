#include "platform/instance_lock.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

// A handed-over path longer than this is not a path.
constexpr qint64 kMaxHandOverBytes = 8192;
constexpr int kHandOverTimeoutMs = 2000;

// Two windows on two displays of one user are two separate programs.
QString DisplayKey() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) {
        display = qEnvironmentVariable("DISPLAY");
    }
    QString key;
    for (const QChar c : display) {
        key += c.isLetterOrNumber() || c == u'.' || c == u'-' ? c : QChar(u'_');
    }
    return key.isEmpty() ? QStringLiteral("none") : key.left(64);
}

int OpenNoFollow(const QByteArray& path) {
    return ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
}

bool IsRegularFile(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

InstanceLock::InstanceLock(const QString& lockFilePath, QObject* parent)
    : QObject(parent), lockPath_(lockFilePath),
      socketPath_(QFileInfo(lockFilePath).absolutePath() + QStringLiteral("/") +
                  QFileInfo(lockFilePath).completeBaseName() + QStringLiteral(".socket")) {
    connect(&server_, &QLocalServer::newConnection, this, &InstanceLock::Receive);
}

InstanceLock::~InstanceLock() {
    server_.close();
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

// Whatever sits at the path (a link, a folder's stand-in, a pipe) that is not a
// plain file we can lock is replaced once; the file's bytes never matter.
bool InstanceLock::OpenLockFile() {
    const QByteArray path = QFile::encodeName(lockPath_);
    for (int attempt = 0; attempt < 2; ++attempt) {
        fd_ = OpenNoFollow(path);
        if (fd_ >= 0 && IsRegularFile(fd_)) {
            return true;
        }
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
        ::unlink(path.constData());
    }
    return false;
}

bool InstanceLock::TryLock() {
    if (held_) {
        return true;
    }
    if (fd_ < 0 && !OpenLockFile()) {
        held_ = true; // no claim can be made: start unguarded rather than never
        return true;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return false;
        }
        held_ = true;
        return true;
    }
    held_ = true;
    Listen();
    return true;
}

void InstanceLock::Listen() {
    // Only the holder of the claim gets here, so a socket left at the path is stale.
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(socketPath_);
}

void InstanceLock::Receive() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const QPointer<QLocalSocket> guarded(socket);
        const auto take = [this, guarded] {
            if (!guarded) {
                return;
            }
            if (guarded->bytesAvailable() > kMaxHandOverBytes) {
                guarded->abort();
                return;
            }
            if (!guarded->canReadLine()) {
                return;
            }
            const QString path = QString::fromUtf8(guarded->readLine()).chopped(1);
            guarded->disconnectFromServer();
            if (!path.isEmpty()) {
                emit fileHandedOver(path);
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, take);
        take();
    }
}

bool InstanceLock::HandOver(const QString& path) {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kHandOverTimeoutMs)) {
        return false;
    }
    socket.write(QFileInfo(path).absoluteFilePath().toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kHandOverTimeoutMs)) {
        return false;
    }
    // The holder closes its end once it has the whole line.
    return socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(kHandOverTimeoutMs);
}

QString InstanceLock::DefaultPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder + QStringLiteral("/velmora-") + DisplayKey() + QStringLiteral(".lock");
}

} // namespace velmora
