#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace velmora::testing {

// Makes a folder immutable, which even root cannot write into, until destroyed.
class ImmutableFolder {
public:
    explicit ImmutableFolder(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY)) {
        set_ = fd_ >= 0 && SetFlag(true);
    }
    ~ImmutableFolder() {
        if (set_) {
            SetFlag(false);
        }
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    ImmutableFolder(const ImmutableFolder&) = delete;
    ImmutableFolder& operator=(const ImmutableFolder&) = delete;
    bool IsSet() const { return set_; }

private:
    bool SetFlag(bool on) {
        int flags = 0;
        if (ioctl(fd_, FS_IOC_GETFLAGS, &flags) != 0) {
            return false;
        }
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        return ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
    }
    int fd_;
    bool set_ = false;
};

} // namespace velmora::testing
