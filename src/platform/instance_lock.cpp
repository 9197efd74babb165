#include "platform/instance_lock.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmora {
namespace {

// A handed-over path longer than this is not a path.
constexpr qint64 kMaxHandOverBytes = 8192;
constexpr int kHandOverTimeoutMs = 2000;
constexpr int kPendingStarts = 8;

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

// False when the path does not fit a socket address.
bool SocketAddress(const QString& path, sockaddr_un* address) {
    const QByteArray native = QFile::encodeName(path);
    if (native.isEmpty() || native.size() >= qsizetype(sizeof(address->sun_path))) {
        return false;
    }
    *address = {};
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, native.constData(), std::size_t(native.size()));
    return true;
}

int NewSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

bool WaitFor(int fd, short events) {
    pollfd waiting{fd, events, 0};
    int ready = 0;
    do {
        ready = ::poll(&waiting, 1, kHandOverTimeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready == 1;
}

} // namespace

InstanceLock::InstanceLock(const QString& lockFilePath, QObject* parent)
    : QObject(parent), lockPath_(lockFilePath),
      socketPath_(QFileInfo(lockFilePath).absolutePath() + QStringLiteral("/") +
                  QFileInfo(lockFilePath).completeBaseName() + QStringLiteral(".socket")) {}

InstanceLock::~InstanceLock() {
    for (const std::unique_ptr<Sender>& sender : senders_) {
        ::close(sender->fd);
    }
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(QFile::encodeName(socketPath_).constData());
    }
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
    sockaddr_un address{};
    const int fd = NewSocket();
    if (!SocketAddress(socketPath_, &address) || fd < 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        return;
    }
    // Only the holder of the claim gets here, so a socket left at the path is stale.
    ::unlink(address.sun_path);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(address.sun_path, 0600) != 0 || ::listen(fd, kPendingStarts) != 0) {
        ::close(fd);
        return;
    }
    listenFd_ = fd;
    listening_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(listening_, &QSocketNotifier::activated, this, &InstanceLock::Accept);
}

void InstanceLock::Accept() {
    int fd = -1;
    while ((fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        auto sender = std::make_unique<Sender>();
        sender->fd = fd;
        sender->readable = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        Sender* reading = sender.get();
        connect(sender->readable, &QSocketNotifier::activated, this, [this, reading] { Read(reading); });
        senders_.push_back(std::move(sender));
    }
}

void InstanceLock::Read(Sender* sender) {
    char chunk[1024];
    bool ended = false; // closed or failed: what came before may still be a whole line
    for (;;) {
        const ssize_t count = ::read(sender->fd, chunk, sizeof chunk);
        if (count > 0) {
            sender->bytes.append(chunk, qsizetype(count));
            if (sender->bytes.size() > kMaxHandOverBytes) {
                Drop(sender);
                return;
            }
            continue;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        ended = count == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
        break;
    }
    const qsizetype end = sender->bytes.indexOf('\n');
    if (end < 0) {
        if (ended) {
            Drop(sender);
        }
        return;
    }
    const QString path = QString::fromUtf8(sender->bytes.left(end));
    Drop(sender); // closing tells the later start that its line arrived
    if (!path.isEmpty()) {
        emit fileHandedOver(path);
    }
}

void InstanceLock::Drop(Sender* sender) {
    // The notifier may be the one whose signal runs now.
    sender->readable->setEnabled(false);
    sender->readable->deleteLater();
    ::close(sender->fd);
    std::erase_if(senders_, [sender](const std::unique_ptr<Sender>& known) { return known.get() == sender; });
}

bool InstanceLock::HandOver(const QString& path) {
    sockaddr_un address{};
    const int fd = NewSocket();
    if (fd < 0) {
        return false;
    }
    const auto closeSocket = qScopeGuard([fd] { ::close(fd); });
    if (!SocketAddress(socketPath_, &address) ||
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        return false;
    }
    const QByteArray line = QFileInfo(path).absoluteFilePath().toUtf8() + '\n';
    for (qsizetype sent = 0; sent < line.size();) {
        if (!WaitFor(fd, POLLOUT)) {
            return false;
        }
        // No SIGPIPE when the holder has gone meanwhile.
        const ssize_t count =
            ::send(fd, line.constData() + sent, std::size_t(line.size() - sent), MSG_NOSIGNAL);
        if (count < 0 && errno != EINTR && errno != EAGAIN) {
            return false;
        }
        sent += std::max<qsizetype>(count, 0);
    }
    // The holder closes its end once it has the whole line.
    char reply = 0;
    return WaitFor(fd, POLLIN) && ::read(fd, &reply, 1) == 0;
}

QString InstanceLock::DefaultPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder + QStringLiteral("/velmora-") + DisplayKey() + QStringLiteral(".lock");
}

} // namespace velmora
