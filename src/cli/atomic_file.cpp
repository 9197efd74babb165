#include "cli/atomic_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "texts/printable.h"

namespace velmora {
namespace {

// Links are followed as the kernel would follow them, no further.
constexpr int kMaxLinkHops = 40;

// A save writes "." + the file's name + kSavingMark + its own inode number in
// hexadecimal, and holds a lock on it from before it has that name until it
// has renamed it over the file. No person would choose such a name, and no file
// of theirs would have the inode number it names; so a file that has both and
// can be locked is certainly a save's that died. The file is made under
// kNewMark and a random ending, which nothing removes, and takes the name once
// locked, without replacing a file that has it.
constexpr std::string_view kSavingMark = "~velmora-save-";
constexpr std::string_view kNewMark = "~velmora-new-";
constexpr std::string_view kRandomEnding = "XXXXXX";
constexpr std::size_t kInodeHexDigits = 16;
// The part of the file's name a temporary name keeps, so that the longest one fits.
constexpr std::size_t kMaxNameKept =
    NAME_MAX - 1 - std::max(kSavingMark.size() + kInodeHexDigits, kNewMark.size() + kRandomEnding.size());

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
    // The file was renamed: the handler removes it under its new name.
    void Rename(const std::string& path) {
        if (!armed_) {
            return;
        }
        gTemporaryArmed = 0;
        if (path.size() < gTemporaryPath.size()) {
            std::memcpy(gTemporaryPath.data(), path.c_str(), path.size() + 1);
            gTemporaryArmed = 1;
        }
    }
    TemporaryGuard(const TemporaryGuard&) = delete;
    TemporaryGuard& operator=(const TemporaryGuard&) = delete;

private:
    std::array<struct sigaction, kCleanedSignals.size()> previous_{};
    bool armed_ = false;
};

// "." and as much of `name` as a temporary name can hold, cut on a whole UTF-8 character.
std::string TemporaryStem(const std::string& name) {
    return "." + std::string(ShownPart(name, kMaxNameKept));
}

std::string SavingName(const std::string& stem, ino_t inode) {
    char digits[kInodeHexDigits + 1];
    const auto end =
        std::to_chars(digits, digits + kInodeHexDigits, static_cast<std::uint64_t>(inode), 16).ptr;
    return stem + std::string(kSavingMark) + std::string(digits, end);
}

// The inode number a save's temporary name ends in, if `name` is one for `stem`.
std::optional<std::uint64_t> InodeInName(std::string_view name, const std::string& stem) {
    if (!name.starts_with(stem) || !name.substr(stem.size()).starts_with(kSavingMark)) {
        return std::nullopt;
    }
    const std::string_view digits = name.substr(stem.size() + kSavingMark.size());
    std::uint64_t inode = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), inode, 16);
    // One spelling only: lower case, no zeros ahead.
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        name != SavingName(stem, static_cast<ino_t>(inode))) {
        return std::nullopt;
    }
    return inode;
}

// Removes what saves of the same name that died left behind, and nothing else.
void RemoveAbandonedTemporaries(const std::filesystem::path& folder, const std::string& stem) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::optional<std::uint64_t> inode = InodeInName(entry->d_name, stem);
        if (!inode) {
            continue;
        }
        const int fd =
            ::openat(::dirfd(listing), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat status {};
        struct stat named {};
        // Held open, the file keeps its inode number: no other file can take it
        // and the name, so the second look confirms the name still means this file.
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_ino == *inode &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(::dirfd(listing), entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_ino == status.st_ino && named.st_dev == status.st_dev) {
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
    const std::string stem = TemporaryStem(target->filename().string());
    RemoveAbandonedTemporaries(folder, stem);

    std::string temporary = (folder / (stem + std::string(kNewMark) + std::string(kRandomEnding))).string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return Failure(path, errno);
    }
    TemporaryGuard guard(temporary);
    // Where the file system has no such locks, the clean-up cannot lock the file either.
    ::flock(fd, LOCK_EX | LOCK_NB);
    struct stat status {};
    if (::fstat(fd, &status) == 0) {
        const std::string saving = (folder / SavingName(stem, status.st_ino)).string();
        // A file of the user's may hold that name with an inode number since reused: it
        // stays. Where the file system cannot rename so, the file keeps its first name.
        if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, saving.c_str(), RENAME_NOREPLACE) == 0) {
            temporary = saving;
            guard.Rename(temporary);
        }
    }
    // The descriptor, and with it the lock, stays open until the file has its own name.
    if (::fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), target->c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
    }
    // After fsync a failed close has nothing more to tell about the bytes.
    ::close(fd);
    if (error != 0) {
        return Failure(path, error);
    }
    SyncFolder(folder);
    return std::nullopt;
}

} // namespace velmora
