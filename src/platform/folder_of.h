#pragma once

#include <QByteArray>

namespace velmora {

// The folder part of a path in the file system's bytes: "." for a bare name, "/" for
// a file at the root.
inline QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) {
        return QByteArrayLiteral(".");
    }
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

} // namespace velmora
