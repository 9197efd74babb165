#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QSocketNotifier;

namespace velmora {

// Decides whether this process is the only window of its user on its display, and
// lets a later start hand a file to it. The claim is an advisory lock on a file in
// the user's runtime folder: the kernel drops it when the holder ends, however it
// ends, so nothing a crash or a full disk leaves in the file can lock anyone out.
// The hand-over is a local socket of the user's own, served from the event loop.
class InstanceLock : public QObject {
    Q_OBJECT

public:
    // The default file is velmora-DISPLAY.lock in the user's runtime folder; the
    // hand-over socket sits beside it.
    explicit InstanceLock(const QString& lockFilePath = DefaultPath(), QObject* parent = nullptr);
    ~InstanceLock() override;

    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the claim (or already did), and also when
    // the claim cannot be made at all: a broken runtime folder must not keep the
    // window from starting.
    bool TryLock();

    // Gives `path` to the holder of the claim; true when it was delivered.
    bool HandOver(const QString& path);

    static QString DefaultPath();

signals:
    // A later start handed over this file (an absolute path).
    void fileHandedOver(const QString& path);

private:
    // One later start's connection, until its line is whole.
    struct Sender {
        int fd = -1;
        QSocketNotifier* readable = nullptr;
        QByteArray bytes;
    };

    bool OpenLockFile();
    void Listen();
    void Accept();
    void Read(Sender* sender);
    void Drop(Sender* sender);

    QString lockPath_;
    QString socketPath_;
    int fd_ = -1;
    bool held_ = false;
    int listenFd_ = -1;
    QSocketNotifier* listening_ = nullptr;
    std::vector<std::unique_ptr<Sender>> senders_;
};

} // namespace velmora
