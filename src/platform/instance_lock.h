#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QDeadlineTimer;
class QSocketNotifier;

namespace velmora {

// Decides whether this process is the only window of its user on its display, and
// lets a later start hand a file to it. The claim is an advisory lock on a file in
// the user's runtime folder: the kernel drops it when the holder ends, however it
// ends, so nothing a crash or a full disk leaves in the file can lock anyone out.
// The hand-over is a local socket of the user's own, served from the event loop;
// the holder writes the socket's path into the lock file, so a later start finds
// it wherever the holder could make it.
class InstanceLock : public QObject {
    Q_OBJECT

public:
    // The lock file is the first of `lockFilePaths` that can be used: a regular file
    // (made if missing) in a folder of the user's own that no one else may write.
    // By default velmora-DISPLAY.lock in the user's runtime folder, then in a
    // private folder in the temporary folder.
    explicit InstanceLock(QStringList lockFilePaths = DefaultPaths(), QObject* parent = nullptr);
    ~InstanceLock() override;

    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the claim (or already did), and also when
    // the claim cannot be made at all: a broken runtime folder must not keep the
    // window from starting. Problem() then says so.
    bool TryLock();

    // Gives `path` to the holder of the claim, waiting while the holder starts up
    // (some seconds at most); true when the holder took it. False when the holder
    // cannot take files, does not answer in time, or ended meanwhile: this process
    // then shows the file itself (and TryLock may find the claim free again).
    bool HandOver(const QString& path);

    // What keeps the guard or the hand-over from working, in a sentence for the
    // user; empty when both work.
    QString Problem() const { return problem_; }

    static QStringList DefaultPaths();

signals:
    // A later start handed over this file (an absolute path). Files are taken only
    // once something is connected here, so none is taken before the window can show it.
    void fileHandedOver(const QString& path);

protected:
    void connectNotify(const QMetaMethod& signal) override;

private:
    // One later start's connection, until its line is whole.
    struct Sender {
        int fd = -1;
        QSocketNotifier* readable = nullptr;
        QByteArray bytes;
    };

    bool OpenLockFile();
    bool Claim();
    void Listen();
    void RecordSocket(const QByteArray& socketPath);
    std::optional<QByteArray> RecordedSocket() const;
    bool Deliver(const QByteArray& socketPath, const QByteArray& line, const QDeadlineTimer& deadline) const;
    void Accept();
    void Read(Sender* sender);
    void Drop(Sender* sender);

    QStringList lockPaths_;
    QString lockPath_;
    QByteArray socketPath_;
    QString problem_;
    int fd_ = -1;
    bool held_ = false;   // TryLock has said yes
    bool locked_ = false; // ... and this process has the lock itself
    int listenFd_ = -1;
    QSocketNotifier* listening_ = nullptr;
    std::vector<std::unique_ptr<Sender>> senders_;
};

} // namespace velmora
