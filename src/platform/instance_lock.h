#pragma once

#include <QLockFile>
#include <QString>

namespace velmora {

// Decides whether this process is the only running instance. The lock is held
// for the object's lifetime; a lock left by a process that died is taken over.
class InstanceLock {
public:
    // The default file is velmora.lock in the user's runtime folder.
    explicit InstanceLock(const QString& lockFilePath = DefaultPath());

    // True when this process now holds the lock (or already did).
    bool TryLock();

    static QString DefaultPath();

private:
    QLockFile lock_;
};

} // namespace velmora
