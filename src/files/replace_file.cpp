#include "files/replace_file.h"

#include <cerrno>
#include <climits>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/folder_of.h"

namespace velmora {
namespace {

// Links are followed as the kernel follows them, no further.
constexpr int kMaxLinkHops = 40;
// Tries at a free temporary name before giving up.
constexpr int kNameAttempts = 100;

FileFailure SystemFailure(int errorNumber) {
    return {false, errorNumber};
}

// The file a chain of links at `path` ends at, which may not exist yet.
std::optional<std::string> FollowLinks(std::string path, int& error) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return path;
        }
        char next[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), next, sizeof next);
        if (length < 0 || length == ssize_t(sizeof next)) {
            error = length < 0 ? errno : ENAMETOOLONG;
            return std::nullopt;
        }
        const std::string target(next, static_cast<std::size_t>(length));
        const std::size_t slash = path.rfind('/');
        path = target.starts_with('/') || slash == std::string::npos ? target
                                                                     : path.substr(0, slash + 1) + target;
    }
    error = ELOOP;
    return std::nullopt;
}

// A name in `folder` that no person would pick; short, so that it fits wherever the target does.
std::string TemporaryName(const std::string& folder) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::minstd_rand generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    std::string name = folder + "/.velmora-save-";
    for (int i = 0; i < 8; ++i) {
        name += kLetters[letter(generator)];
    }
    return name;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The temporary file, written and on disk. `named` is empty for a file without a name.
struct Written {
    int fd = -1;
    std::string named;
};

std::optional<Written> WriteTemporary(const std::string& folder, std::string_view bytes,
                                      std::optional<mode_t> keptMode, int& error) {
    Written file;
    file.fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    for (int attempt = 0; file.fd < 0 && attempt < kNameAttempts; ++attempt) {
        // This file system keeps no nameless files.
        file.named = TemporaryName(folder);
        file.fd = ::open(file.named.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0666);
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
        if (!file.named.empty()) {
            ::unlink(file.named.c_str());
        }
        return std::nullopt;
    }
    return file;
}

// Gives the nameless file a name: the target's own when nothing is there yet,
// otherwise a temporary one that is then renamed over the target.
int NameUnnamed(int fd, const std::string& folder, const std::string& target, bool targetExists) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (!targetExists) {
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return 0;
        }
        if (errno != EEXIST) {
            return errno;
        }
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string named = TemporaryName(folder);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, named.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST) {
                continue;
            }
            return errno;
        }
        if (::rename(named.c_str(), target.c_str()) != 0) {
            const int error = errno;
            ::unlink(named.c_str());
            return error;
        }
        return 0;
    }
    return EEXIST;
}

// The rename lasts only once the folder itself is on disk.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::optional<FileFailure> ReplaceFile(const std::string& path, std::string_view bytes) {
    int error = 0;
    const std::optional<std::string> target = FollowLinks(path, error);
    if (!target) {
        return SystemFailure(error);
    }
    struct stat status {};
    const bool exists = ::stat(target->c_str(), &status) == 0;
    if (!exists && errno != ENOENT) {
        return SystemFailure(errno);
    }
    if (exists && !S_ISREG(status.st_mode)) {
        return FileFailure{true, 0};
    }
    const std::string folder = FolderOf(*target);
    const std::optional<Written> written =
        WriteTemporary(folder, bytes, exists ? std::optional(status.st_mode & 07777) : std::nullopt, error);
    if (!written) {
        return SystemFailure(error);
    }
    if (written->named.empty()) {
        error = NameUnnamed(written->fd, folder, *target, exists);
    } else if (::rename(written->named.c_str(), target->c_str()) != 0) {
        error = errno;
        ::unlink(written->named.c_str());
    }
    ::close(written->fd);
    if (error != 0) {
        return SystemFailure(error);
    }
    SyncFolder(folder);
    return std::nullopt;
}

} // namespace velmora
