#include "files/regular_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

int OpenRegularFile(const std::string& path, FileFailure& failure) {
    // O_NONBLOCK keeps the open of a pipe with no writer from waiting for one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        failure = {false, errno};
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        failure = S_ISDIR(status.st_mode) ? FileFailure{false, EISDIR} : FileFailure{true, 0};
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::optional<std::string> ReadFileStart(const std::string& path, std::size_t maxBytes,
                                         FileFailure& failure) {
    const int fd = OpenRegularFile(path, failure);
    if (fd < 0) {
        return std::nullopt;
    }
    std::string bytes(maxBytes, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            failure = {false, errno};
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(filled);
    return bytes;
}

} // namespace velmora
