#include "platform/instance_lock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QMetaMethod>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "files/folder_of.h"
#include "texts/printable.h"

namespace velmora {
namespace {

// A handed-over path longer than this is not a path.
constexpr qint64 kMaxHandOverBytes = 8192;
// How long a later start waits for the holder to take its file: a window starting on
// a busy machine, with many starts at once, takes seconds before it serves the socket.
constexpr int kHandOverWaitMs = 15000;
constexpr int kRetryMs = 50;
// The socket path recorded in the lock file fits a socket address, far below this.
constexpr qsizetype kRecordBytes = 256;

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

QString Printable(const QByteArray& path) {
    return QString::fromStdString(
        EscapeControls(std::string_view(path.constData(), std::size_t(path.size()))));
}

// A folder fit for the lock and the socket: the user's own, which no one else may
// write into. A missing one is made so.
bool IsPrivateFolder(const QByteArray& folder) {
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat status {};
    return ::stat(folder.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

int OpenNoFollow(const QByteArray& path) {
    return ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
}

bool IsRegularFile(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

// False when the path does not fit a socket address.
bool SocketAddress(const QByteArray& path, sockaddr_un* address) {
    if (path.isEmpty() || path.size() >= qsizetype(sizeof(address->sun_path))) {
        return false;
    }
    *address = {};
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, path.constData(), std::size_t(path.size()));
    return true;
}

int NewSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

bool WaitFor(int fd, short events, const QDeadlineTimer& deadline) {
    pollfd waiting{fd, events, 0};
    int ready = 0;
    do {
        ready = ::poll(&waiting, 1, int(std::max<qint64>(deadline.remainingTime(), 0)));
    } while (ready < 0 && errno == EINTR);
    return ready == 1;
}

// A bound socket at `path`, listening; -1 when none can be made there.
int ListenAt(const QByteArray& path) {
    sockaddr_un address{};
    if (!SocketAddress(path, &address)) {
        return -1;
    }
    // Only the holder of the claim gets here, so a socket left at the path is stale;
    // anything else there is not this program's to remove.
    struct stat status {};
    if (::lstat(path.constData(), &status) == 0 && S_ISSOCK(status.st_mode)) {
        ::unlink(path.constData());
    }
    const int fd = NewSocket();
    if (fd < 0) {
        return -1;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    if (::chmod(path.constData(), 0600) != 0 || ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        ::unlink(path.constData());
        return -1;
    }
    return fd;
}

} // namespace

InstanceLock::InstanceLock(QStringList lockFilePaths, QObject* parent)
    : QObject(parent), lockPaths_(std::move(lockFilePaths)) {}

InstanceLock::~InstanceLock() {
    for (const std::unique_ptr<Sender>& sender : senders_) {
        ::close(sender->fd);
    }
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(socketPath_.constData());
    }
    if (locked_) {
        ::ftruncate(fd_, 0);
    }
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

// Whatever sits at a path (a link, a pipe) that is not a plain file we can lock is
// replaced once; a path that still cannot be used gives way to the next one.
bool InstanceLock::OpenLockFile() {
    QString reason = QStringLiteral("no place for it is known");
    for (const QString& candidate : lockPaths_) {
        const QByteArray path = QFile::encodeName(candidate);
        const QByteArray folder = QByteArray::fromStdString(FolderOf(path.toStdString()));
        if (!IsPrivateFolder(folder)) {
            reason = QStringLiteral("%1 is not a folder of this user's own").arg(Printable(folder));
            continue;
        }
        for (int attempt = 0; attempt < 2; ++attempt) {
            const int fd = OpenNoFollow(path);
            if (fd >= 0 && IsRegularFile(fd)) {
                fd_ = fd;
                lockPath_ = candidate;
                return true;
            }
            reason = QStringLiteral("%1: %2").arg(
                Printable(path), fd >= 0 ? QStringLiteral("not a regular file") : qt_error_string());
            if (fd >= 0) {
                ::close(fd);
            }
            ::unlink(path.constData());
        }
    }
    problem_ =
        QStringLiteral("no lock file can be made (%1), so a second window cannot be told from the first")
            .arg(reason);
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
    return Claim();
}

bool InstanceLock::Claim() {
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return false;
        }
        problem_ = QStringLiteral("the lock file %1 cannot be locked (%2), so a second window cannot be told "
                                  "from the first")
                       .arg(Printable(QFile::encodeName(lockPath_)), qt_error_string());
        held_ = true;
        return true;
    }
    held_ = true;
    locked_ = true;
    // What an earlier holder recorded is not this one's: later starts wait for the new record.
    ::ftruncate(fd_, 0);
    Listen();
    return true;
}

// The socket goes beside the lock file; where that name is taken by something else,
// or the folder refuses it, a name of this process's own, then the other lock folders.
void InstanceLock::Listen() {
    const QFileInfo lock(lockPath_);
    const QByteArray name = QFile::encodeName(lock.completeBaseName());
    const QByteArray ownFolder = QFile::encodeName(lock.absolutePath());
    QList<QByteArray> folders{ownFolder};
    for (const QString& candidate : lockPaths_) {
        const QByteArray folder = QByteArray::fromStdString(
            FolderOf(QFile::encodeName(QFileInfo(candidate).absoluteFilePath()).toStdString()));
        if (!folders.contains(folder)) {
            folders.append(folder);
        }
    }
    for (const QByteArray& folder : folders) {
        if (folder != ownFolder && !IsPrivateFolder(folder)) {
            continue;
        }
        for (const QByteArray& ending :
             {QByteArrayLiteral(".socket"), "-" + QByteArray::number(::getpid()) + ".socket"}) {
            const QByteArray path = folder + '/' + name + ending;
            const int fd = ListenAt(path);
            if (fd < 0) {
                continue;
            }
            listenFd_ = fd;
            socketPath_ = path;
            listening_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
            listening_->setEnabled(isSignalConnected(QMetaMethod::fromSignal(&InstanceLock::fileHandedOver)));
            connect(listening_, &QSocketNotifier::activated, this, &InstanceLock::Accept);
            RecordSocket(path);
            return;
        }
    }
    problem_ =
        QStringLiteral("no socket can be made beside %1, so files given to later starts open in windows "
                       "of their own")
            .arg(Printable(QFile::encodeName(lockPath_)));
    RecordSocket({});
}

// The lock file holds the socket's path and a line end; a lone line end says that
// this holder takes no files, and no line end yet that it has not said.
void InstanceLock::RecordSocket(const QByteArray& socketPath) {
    const QByteArray line = socketPath + '\n';
    if (::ftruncate(fd_, 0) == 0) {
        ::pwrite(fd_, line.constData(), std::size_t(line.size()), 0);
    }
}

std::optional<QByteArray> InstanceLock::RecordedSocket() const {
    char record[kRecordBytes];
    const ssize_t count = ::pread(fd_, record, sizeof record, 0);
    const QByteArray bytes(record, qsizetype(std::max<ssize_t>(count, 0)));
    const qsizetype end = bytes.indexOf('\n');
    if (end < 0) {
        return std::nullopt;
    }
    return bytes.left(end);
}

void InstanceLock::connectNotify(const QMetaMethod& signal) {
    if (signal == QMetaMethod::fromSignal(&InstanceLock::fileHandedOver) && listening_ != nullptr) {
        listening_->setEnabled(true);
    }
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
    // The answer tells the later start that this window has its file; a start that
    // did not wait for it no longer hears it, and its file still counts.
    ::send(sender->fd, "\n", 1, MSG_NOSIGNAL | MSG_DONTWAIT);
    Drop(sender);
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

bool InstanceLock::Deliver(const QByteArray& socketPath, const QByteArray& line,
                           const QDeadlineTimer& deadline) const {
    sockaddr_un address{};
    const int fd = NewSocket();
    if (fd < 0) {
        return false;
    }
    const auto closeSocket = qScopeGuard([fd] { ::close(fd); });
    // A holder still starting up, or one with a full queue of starts, refuses for now.
    if (!SocketAddress(socketPath, &address) ||
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        return false;
    }
    for (qsizetype sent = 0; sent < line.size();) {
        if (!WaitFor(fd, POLLOUT, deadline)) {
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
    // The holder answers once it has the whole line; a holder that ends first only closes.
    char answer = 0;
    return WaitFor(fd, POLLIN, deadline) && ::read(fd, &answer, 1) == 1;
}

bool InstanceLock::HandOver(const QString& path) {
    if (fd_ < 0 || held_) {
        return false;
    }
    const QByteArray line = QFileInfo(path).absoluteFilePath().toUtf8() + '\n';
    const QDeadlineTimer deadline(kHandOverWaitMs);
    for (;;) {
        if (const std::optional<QByteArray> socket = RecordedSocket()) {
            if (socket->isEmpty()) {
                return false; // the holder takes no files
            }
            if (Deliver(*socket, line, deadline)) {
                return true;
            }
        }
        if (Claim() || deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(kRetryMs);
    }
}

QStringList InstanceLock::DefaultPaths() {
    const QString name = QStringLiteral("/velmora-") + DisplayKey() + QStringLiteral(".lock");
    QStringList paths;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) {
        paths.append(runtime + name);
    }
    paths.append(QDir::tempPath() + QStringLiteral("/velmora-%1").arg(::getuid()) + name);
    return paths;
}

} // namespace velmora
