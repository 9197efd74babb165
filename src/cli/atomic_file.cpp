#include "cli/atomic_file.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

// Links are followed as the kernel would follow them, no further.
constexpr int kMaxLinkHops = 40;
constexpr std::string_view kTemporarySuffix = ".XXXXXX";

std::string Failure(const std::string& path, int error) {
    return "cannot save " + path + ": " + std::strerror(error);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The rename is only durable once the folder itself is on disk.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file a chain of symbolic links ends at, which may not exist yet.
std::optional<std::filesystem::path> FollowLinks(std::filesystem::path path, int& error) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code code;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, code))) {
            return path;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(path, code);
        if (code) {
            error = code.value();
            return std::nullopt;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = ELOOP;
    return std::nullopt;
}

// One save at a time per process; a signal handler can only see plain storage.
std::array<char, 4096> gTemporaryPath{};
volatile std::sig_atomic_t gTemporaryArmed = 0;
constexpr std::array kCleanedSignals = {SIGHUP, SIGINT, SIGQUIT, SIGTERM};

extern "C" void RemoveTemporaryAndDie(int signal) {
    if (gTemporaryArmed != 0) {
        ::unlink(gTemporaryPath.data());
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Removes the temporary file if the process is stopped by a signal while it exists.
class TemporaryGuard {
public:
    explicit TemporaryGuard(const std::string& path) {
        if (path.size() >= gTemporaryPath.size()) {
            return;
        }
        std::memcpy(gTemporaryPath.data(), path.c_str(), path.size() + 1);
        struct sigaction action {};
        action.sa_handler = RemoveTemporaryAndDie;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kCleanedSignals.size(); ++i) {
            ::sigaction(kCleanedSignals[i], &action, &previous_[i]);
        }
        gTemporaryArmed = 1;
        armed_ = true;
    }
    ~TemporaryGuard() {
        if (!armed_) {
            return;
        }
        gTemporaryArmed = 0;
        for (std::size_t i = 0; i < kCleanedSignals.size(); ++i) {
            ::sigaction(kCleanedSignals[i], &previous_[i], nullptr);
        }
    }
    TemporaryGuard(const TemporaryGuard&) = delete;
    TemporaryGuard& operator=(const TemporaryGuard&) = delete;

private:
    std::array<struct sigaction, kCleanedSignals.size()> previous_{};
    bool armed_ = false;
};

// A save holds a lock on its temporary file while it writes, so a temporary
// file of this name that can be locked belongs to a save that died.
void RemoveAbandonedTemporaries(const std::filesystem::path& folder, const std::string& prefix) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name(entry->d_name);
        if (name.size() != prefix.size() + kTemporarySuffix.size() - 1 || !name.starts_with(prefix)) {
            continue;
        }
        const int fd =
            ::openat(::dirfd(listing), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat status {};
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlinkat(::dirfd(listing), entry->d_name, 0);
        }
        ::close(fd);
    }
    ::closedir(listing);
}

// The permissions the new file gets: the old file's, or the usual ones.
mode_t ModeFor(const std::filesystem::path& target, int& error) {
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) {
            error = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        }
        return status.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
    int error = 0;
    const std::optional<std::filesystem::path> target = FollowLinks(path, error);
    if (!target) {
        return Failure(path, error);
    }
    const mode_t mode = ModeFor(*target, error);
    if (error != 0) {
        return error == EINVAL ? "cannot save " + path + ": not a regular file" : Failure(path, error);
    }
    std::filesystem::path folder = target->parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    const std::string prefix = "." + target->filename().string() + ".";
    RemoveAbandonedTemporaries(folder, prefix);

    std::string temporary = (folder / (prefix + std::string(kTemporarySuffix.substr(1)))).string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return Failure(path, errno);
    }
    const TemporaryGuard guard(temporary);
    ::flock(fd, LOCK_EX | LOCK_NB);
    if (::fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), target->c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Failure(path, error);
    }
    SyncFolder(folder);
    return std::nullopt;
}

} // namespace velmora
