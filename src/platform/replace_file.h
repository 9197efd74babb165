#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace velmora {

// Why ReplaceFile left the path as it was.
struct FileReplaceFailure {
    // The path names something that is not a regular file: a folder, a pipe, a device.
    bool notARegularFile = false;
    // Otherwise the system's error number (ENOSPC, EACCES, ENOENT...).
    int errorNumber = 0;
};

// Puts `bytes` at `path` so that the path always holds either its old file or the
// whole new one: they are written to a temporary file in the same folder, flushed to
// disk and renamed over the path. What is at the path is never opened, so a pipe
// there cannot block; only a regular file (or nothing) is replaced. A link at the
// path is followed and its target replaced; an existing file keeps its permissions.
// The temporary file has no name while it is written where the file system allows
// that, so a killed program leaves nothing behind; elsewhere it has a short name of
// its own, which fits in the folder beside any file name that fits there.
std::optional<FileReplaceFailure> ReplaceFile(const QString& path, QByteArrayView bytes);

} // namespace velmora
