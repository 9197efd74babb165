// The window's way of writing a file: whole or not at all, never through what is
// at the path unless it is a regular file, with nothing left beside it.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

#include "files/replace_file.h"
#include "support/test_files.h"

using velmora::ReplaceFile;

namespace {

using velmora::testing::ReadFile;

enum class AtPath {
    Nothing,
    OlderFile,
    LongNamedFile,
    LinkToAFile,
    Pipe,
    Folder,
    MissingFolder,
    UnderAFile,
    LinkLoop
};

const QString kLongName =
    QString(251, QLatin1Char('a')) + QStringLiteral(".tam"); // 255 bytes, the most a name holds

void WriteFile(const QString& path, const QByteArray& bytes, QFile::Permissions permissions) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

mode_t Mode(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kUsual = kOwnerOnly | QFile::ReadGroup | QFile::ReadOther;

} // namespace

Q_DECLARE_METATYPE(AtPath)

class ReplaceFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ::umask(022); }

    void whatIsAtThePath_data() {
        QTest::addColumn<AtPath>("atPath");
        QTest::addColumn<bool>("notARegularFile");
        QTest::addColumn<int>("errorNumber");
        QTest::newRow("nothing yet") << AtPath::Nothing << false << 0;
        QTest::newRow("an older file, whose permissions stay") << AtPath::OlderFile << false << 0;
        QTest::newRow("an older file of a 255-byte name") << AtPath::LongNamedFile << false << 0;
        QTest::newRow("a link, whose target is replaced") << AtPath::LinkToAFile << false << 0;
        QTest::newRow("a pipe, never opened") << AtPath::Pipe << true << 0;
        QTest::newRow("a folder") << AtPath::Folder << true << 0;
        QTest::newRow("a name in a missing folder") << AtPath::MissingFolder << false << ENOENT;
        QTest::newRow("a name under a regular file") << AtPath::UnderAFile << false << ENOTDIR;
        QTest::newRow("a loop of links") << AtPath::LinkLoop << false << ELOOP;
    }
    void whatIsAtThePath() {
        QFETCH(AtPath, atPath);
        QFETCH(bool, notARegularFile);
        QFETCH(int, errorNumber);
        QTemporaryDir folder;
        QString path = folder.filePath(QStringLiteral("reading.tam"));
        QString written = path; // where the bytes must end up
        QStringList after{QStringLiteral("reading.tam")};
        switch (atPath) {
        case AtPath::Nothing:
            break;
        case AtPath::OlderFile:
            WriteFile(path, "older", kOwnerOnly);
            break;
        case AtPath::LongNamedFile:
            path = written = folder.filePath(kLongName);
            WriteFile(path, "older", kUsual);
            after = QStringList{kLongName};
            break;
        case AtPath::LinkToAFile:
            written = folder.filePath(QStringLiteral("target.tam"));
            WriteFile(written, "older", kUsual);
            QVERIFY(QFile::link(written, path));
            after = QStringList{QStringLiteral("reading.tam"), QStringLiteral("target.tam")};
            break;
        case AtPath::Pipe:
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            break;
        case AtPath::Folder:
            QVERIFY(QDir().mkdir(path));
            break;
        case AtPath::MissingFolder:
            path = folder.filePath(QStringLiteral("missing/reading.tam"));
            after.clear();
            break;
        case AtPath::UnderAFile:
            WriteFile(folder.filePath(QStringLiteral("file")), "older", kUsual);
            path = folder.filePath(QStringLiteral("file/reading.tam"));
            after = QStringList{QStringLiteral("file")};
            break;
        case AtPath::LinkLoop:
            QVERIFY(QFile::link(folder.filePath(QStringLiteral("other.tam")), path));
            QVERIFY(QFile::link(path, folder.filePath(QStringLiteral("other.tam"))));
            after = QStringList{QStringLiteral("other.tam"), QStringLiteral("reading.tam")};
            break;
        }
        const mode_t before = Mode(written);

        QElapsedTimer clock;
        clock.start();
        const auto failure = ReplaceFile(QFile::encodeName(path).toStdString(), "new reading\r\n");
        QVERIFY2(clock.elapsed() < 2000, "waited on what is at the path");

        QCOMPARE(failure.has_value(), notARegularFile || errorNumber != 0);
        if (failure) {
            QCOMPARE(failure->notARegularFile, notARegularFile);
            QCOMPARE(failure->errorNumber, errorNumber);
        } else {
            QCOMPARE(ReadFile(written), QByteArray("new reading\r\n"));
            QCOMPARE(Mode(written),
                     before != 0 ? before : mode_t(0644)); // the umask of 022 applies to a new file
            if (atPath == AtPath::LinkToAFile) {
                QVERIFY(QFileInfo(path).isSymLink());
            }
        }
        if (atPath == AtPath::Pipe) {
            struct stat status {};
            QCOMPARE(::lstat(QFile::encodeName(path).constData(), &status), 0);
            QVERIFY(S_ISFIFO(status.st_mode));
        }
        QCOMPARE(Entries(folder.path()), after); // no temporary file is left beside
    }

    // Writes beyond 8 bytes fail, as on a full disk: the reason comes back and the older file stays whole.
    void aWriteCutShortKeepsTheOlderFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("reading.pdf"));
        WriteFile(path, "older", kUsual);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 8;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const auto failure = ReplaceFile(QFile::encodeName(path).toStdString(), std::string(20480, 'x'));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(failure.has_value());
        QCOMPARE(failure->errorNumber, EFBIG);
        QCOMPARE(ReadFile(path), QByteArray("older"));
        QCOMPARE(Entries(folder.path()), QStringList{QStringLiteral("reading.pdf")});
    }
};

QTEST_GUILESS_MAIN(ReplaceFileTest)
#include "replace_file_test.moc"
