#include "platform/replace_file.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/folder_of.h"

namespace velmora {
namespace {

// Links are followed as the kernel follows them, no further.
constexpr int kMaxLinkHops = 40;
// Tries at a free temporary name before giving up.
constexpr int kNameAttempts = 100;

FileReplaceFailure SystemFailure(int errorNumber) {
    return {false, errorNumber};
}

// The file a chain of links at `path` ends at, which may not exist yet.
std::optional<QByteArray> FollowLinks(QByteArray path, int& error) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return path;
        }
        char next[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), next, sizeof next);
        if (length < 0 || length == ssize_t(sizeof next)) {
            error = length < 0 ? errno : ENAMETOOLONG;
            return std::nullopt;
        }
        const QByteArray target(next, qsizetype(length));
        const qsizetype slash = path.lastIndexOf('/');
        path = target.startsWith('/') || slash < 0 ? target : path.left(slash + 1) + target;
    }
    error = ELOOP;
    return std::nullopt;
}

// A name in `folder` that no person would pick; short, so that it fits wherever the target does.
QByteArray TemporaryName(const QByteArray& folder) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = folder + QByteArrayLiteral("/.velmora-save-");
    for (int i = 0; i < 8; ++i) {
        name.append(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
    }
    return name;
}

bool WriteAll(int fd, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), std::size_t(bytes.size()));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return false;
        }
        bytes = bytes.sliced(written);
    }
    return true;
}

// The temporary file, written and on disk. `named` is empty for a file without a name.
struct Written {
    int fd = -1;
    QByteArray named;
};

std::optional<Written> WriteTemporary(const QByteArray& folder, QByteArrayView bytes,
                                      std::optional<mode_t> keptMode, int& error) {
    Written file;
    file.fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    for (int attempt = 0; file.fd < 0 && attempt < kNameAttempts; ++attempt) {
        // This file system keeps no nameless files.
        file.named = TemporaryName(folder);
        file.fd = ::open(file.named.constData(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file.fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (file.fd < 0) {
        error = errno;
        return std::nullopt;
    }
    if ((keptMode && ::fchmod(file.fd, *keptMode) != 0) || !WriteAll(file.fd, bytes) ||
        ::fsync(file.fd) != 0) {
        error = errno;
        ::close(file.fd);
        if (!file.named.isEmpty()) {
            ::unlink(file.named.constData());
        }
        return std::nullopt;
    }
    return file;
}

// Gives the nameless file a name: the target's own when nothing is there yet,
// otherwise a temporary one that is then renamed over the target.
int NameUnnamed(int fd, const QByteArray& folder, const QByteArray& target, bool targetExists) {
    const QByteArray self = QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(fd);
    if (!targetExists) {
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, target.constData(), AT_SYMLINK_FOLLOW) == 0) {
            return 0;
        }
        if (errno != EEXIST) {
            return errno;
        }
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QByteArray named = TemporaryName(folder);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, named.constData(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST) {
                continue;
            }
            return errno;
        }
        if (::rename(named.constData(), target.constData()) != 0) {
            const int error = errno;
            ::unlink(named.constData());
            return error;
        }
        return 0;
    }
    return EEXIST;
}

// The rename lasts only once the folder itself is on disk.
void SyncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::optional<FileReplaceFailure> ReplaceFile(const QString& path, QByteArrayView bytes) {
    int error = 0;
    const std::optional<QByteArray> target = FollowLinks(QFile::encodeName(path), error);
    if (!target) {
        return SystemFailure(error);
    }
    struct stat status {};
    const bool exists = ::stat(target->constData(), &status) == 0;
    if (!exists && errno != ENOENT) {
        return SystemFailure(errno);
    }
    if (exists && !S_ISREG(status.st_mode)) {
        return FileReplaceFailure{true, 0};
    }
    const QByteArray folder = FolderOf(*target);
    const std::optional<Written> written =
        WriteTemporary(folder, bytes, exists ? std::optional(status.st_mode & 07777) : std::nullopt, error);
    if (!written) {
        return SystemFailure(error);
    }
    if (written->named.isEmpty()) {
        error = NameUnnamed(written->fd, folder, *target, exists);
    } else if (::rename(written->named.constData(), target->constData()) != 0) {
        error = errno;
        ::unlink(written->named.constData());
    }
    ::close(written->fd);
    if (error != 0) {
        return SystemFailure(error);
    }
    SyncFolder(folder);
    return std::nullopt;
}

} // namespace velmora
