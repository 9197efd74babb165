// The built program itself: `velmora --pdf`, and a second start handing its file
// to the window that already runs.

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

#include "app/hand_over.h"
#include "app/main_window.h"
#include "fake_platform.h"
#include "platform/instance_lock.h"
#include "support/test_files.h"

namespace {

using velmora::testing::ReadFile;
using velmora::testing::WriteFile;

const QString kProgram = QStringLiteral(VELMORA_PROGRAM);
const QString kExampleReading = QStringLiteral(VELMORA_EXAMPLE_READING);

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run RunProgram(const QStringList& arguments, const QProcessEnvironment& environment,
               const std::function<void()>& inChild = {}) {
    QProcess program;
    program.setProcessEnvironment(environment);
    if (inChild) {
        program.setChildProcessModifier(inChild);
    }
    program.start(kProgram, arguments);
    Run run;
    // The event loop keeps turning meanwhile, so a window of this process can answer.
    const QDeadlineTimer deadline(20000);
    while (program.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        QTest::qWait(20);
    }
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished();
        run.err = QStringLiteral("did not end: ") + QString::fromLocal8Bit(program.readAllStandardError());
        return run;
    }
    run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(QString::fromLatin1(name));
    }
    return environment;
}

// What the program can find at the PDF's path.
enum class Target { Nothing, Pipe, Folder, MissingFolder };

} // namespace

Q_DECLARE_METATYPE(Target)

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    // Without any display at all, as a script on a server would run it.
    void pdfOfASavedReading() {
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("reading.pdf"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
            environment.remove(QString::fromLatin1(name));
        }
        const Run run = RunProgram({QStringLiteral("--pdf"), pdf, kExampleReading}, environment);
        QCOMPARE(run.exitCode, 0);
        const QString text = PdfText(pdf);
        // The 1947 example's reading, as published with the example.
        for (const char* expected :
             {"Pushya", "Krishna Paksha", "Cock", "Sunday, Tuesday", "Monday, Saturday", "Thursday, Saturday",
              "no birth data", "Velmora v1.90"}) {
            QVERIFY2(text.contains(QString::fromLatin1(expected)), expected);
        }
    }

    // Refused at once, with the reason in one line of the program's own words (no Qt
    // diagnostics, no control character), exit 1 and no PDF; the files that the window
    // and `velmora-cli open` refuse, --pdf refuses too.
    void pdfOfARefusedFile_data() {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QByteArray>("bytes"); // written to `reading` unless empty
        QTest::addColumn<Target>("target");
        QTest::addColumn<QString>("message"); // $READING and $PDF stand for the paths
        const QString notAReading = QStringLiteral(" is not a Velmora reading.");
        QTest::newRow("not a reading's name") << QStringLiteral("notes.txt") << QByteArray()
                                              << Target::Nothing << QStringLiteral("Please Check The File.");
        QTest::newRow("missing") << QStringLiteral("gone.tam") << QByteArray() << Target::Nothing
                                 << QStringLiteral(
                                        "could not be opened from $READING: No such file or directory");
        QTest::newRow("no reading named")
            << QString() << QByteArray() << Target::Nothing
            << QStringLiteral("--pdf needs a saved reading (FILE.tam) to write");
        QTest::newRow("NUL bytes") << QStringLiteral("zeros.tam") << QByteArray(1000, '\0') << Target::Nothing
                                   << notAReading;
        // "Pushya", then "Sxx" where the fortnight belongs.
        QTest::newRow("a star and no fortnight")
            << QStringLiteral("star.tam") << QByteArray("\x67\x8c\x8a\x7f\x90\x78\r\n\x6a\x8f\x8f\r\n")
            << Target::Nothing << notAReading;
        QTest::newRow("an overlong line")
            << QStringLiteral("long.tam") << QByteArray(100000, '\x78') << Target::Nothing << notAReading;
        QTest::newRow("a pipe as the PDF")
            << QString() << QByteArray() << Target::Pipe
            << QStringLiteral("could not be written to $PDF: it is not a regular file");
        QTest::newRow("a folder as the PDF")
            << QString() << QByteArray() << Target::Folder
            << QStringLiteral("could not be written to $PDF: it is not a regular file");
        QTest::newRow("a PDF in a missing folder, named with escape codes")
            << QString() << QByteArray() << Target::MissingFolder
            << QStringLiteral("could not be written to $PDF: No such file or directory");
    }
    void pdfOfARefusedFile() {
        QFETCH(QString, reading);
        QFETCH(QByteArray, bytes);
        QFETCH(Target, target);
        QFETCH(QString, message);
        QTemporaryDir folder;
        QString pdf = folder.filePath(QStringLiteral("reading.pdf"));
        QString pdfShown = pdf;
        switch (target) {
        case Target::Nothing:
            break;
        case Target::Pipe:
            QCOMPARE(::mkfifo(QFile::encodeName(pdf).constData(), 0600), 0);
            break;
        case Target::Folder:
            QVERIFY(QDir().mkdir(pdf));
            break;
        case Target::MissingFolder:
            pdf = folder.filePath(QStringLiteral("\x1b[31m/reading.pdf"));
            pdfShown = folder.filePath(QStringLiteral("\\x1b[31m/reading.pdf"));
            break;
        }
        QStringList arguments{QStringLiteral("--pdf"), pdf};
        if (reading.isEmpty() && target != Target::Nothing) {
            reading = QStringLiteral("example.tam");
            QVERIFY(QFile::copy(kExampleReading, folder.filePath(reading)));
        }
        if (!reading.isEmpty()) {
            arguments << folder.filePath(reading);
        }
        if (!bytes.isEmpty()) {
            WriteFile(folder.filePath(reading), bytes);
        }
        const Run run = RunProgram(arguments, WithoutDisplay());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith(QStringLiteral("velmora: ")) && run.err.count(u'\n') == 1 &&
                     run.err.endsWith(u'\n'),
                 qPrintable(run.err));
        QVERIFY2(run.err.contains(QString(message)
                                      .replace(QStringLiteral("$READING"), folder.filePath(reading))
                                      .replace(QStringLiteral("$PDF"), pdfShown)),
                 qPrintable(run.err));
        QVERIFY(!run.err.contains(QChar(0x1b)));
        QVERIFY(target != Target::Nothing || !QFile::exists(pdf));
    }

    // A PDF cut short, as on a nearly full disk, is reported and the older PDF at that path stays whole.
    void pdfCutShortKeepsTheOlderPdf() {
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("reading.pdf"));
        WriteFile(pdf, "%PDF-1.4 older\n");
        const Run run = RunProgram({QStringLiteral("--pdf"), pdf, kExampleReading}, WithoutDisplay(), [] {
            // Writes beyond 20,480 bytes fail; the report is larger.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{20480, 20480};
            setrlimit(RLIMIT_FSIZE, &small);
        });
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err,
                 QStringLiteral("velmora: the PDF could not be written to %1: File too large\n").arg(pdf));
        QCOMPARE(ReadFile(pdf), QByteArray("%PDF-1.4 older\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("reading.pdf")});
    }

    // Without a display a command line is answered as with one; only the window itself needs a display.
    void withoutADisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << 2
                                        << QStringLiteral("velmora: unknown option \"bogus\"\n");
        QTest::newRow("two readings")
            << QStringList{QStringLiteral("a.tam"), QStringLiteral("b.tam")} << 2
            << QStringLiteral("velmora: only one saved reading can be opened at a time\n");
        QTest::newRow("an escape code as an option, and a long one")
            << QStringList{QStringLiteral("--\x1b[31m") + QString(100, u'x')} << 2
            << QStringLiteral(
                   "velmora: unknown option \"\\x1b[31mxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\"...\n");
        QTest::newRow("the window") << QStringList{kExampleReading} << 1
                                    << QStringLiteral("velmora: no display to open the window on");
    }
    void withoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run run = RunProgram(arguments, WithoutDisplay());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.startsWith(message), qPrintable(run.err));
        QVERIFY(!run.err.contains(QChar(0x1b)));
    }

    // Twenty starts at once, each with a file, while the window that holds the claim
    // is still being made (here: busy for three seconds, serving nothing): every start
    // waits, hands its file over and ends, saying nothing.
    void twentyStartsWhileTheWindowStarts() {
        QTemporaryDir runtime;
        QVERIFY(
            QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        velmora::InstanceLock lock;
        QVERIFY(lock.TryLock());

        std::vector<std::unique_ptr<QProcess>> starts;
        for (int i = 0; i < 20; ++i) {
            starts.push_back(std::make_unique<QProcess>());
            starts.back()->setProcessEnvironment(environment);
            starts.back()->start(kProgram, {kExampleReading});
        }
        QThread::sleep(3);
        int handed = 0;
        QObject::connect(&lock, &velmora::InstanceLock::fileHandedOver,
                         [&handed](const QString& path) { handed += path == kExampleReading ? 1 : 0; });
        const auto ended = [&] {
            return std::count_if(starts.begin(), starts.end(),
                                 [](const auto& start) { return start->state() == QProcess::NotRunning; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(ended() == 20, 20000);
        QStringList failures;
        for (const auto& start : starts) {
            const QString err = QString::fromLocal8Bit(start->readAllStandardError());
            if (start->exitStatus() != QProcess::NormalExit || start->exitCode() != 0 || !err.isEmpty()) {
                failures << QStringLiteral("exit %1: %2").arg(start->exitCode()).arg(err);
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
        QCOMPARE(handed, 20);
    }

    // This test is the first window; the built program is the second start.
    void secondStartHandsItsFileToTheWindow() {
        QTemporaryDir runtime;
        QVERIFY(
            QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());

        velmora::InstanceLock lock;
        QVERIFY(lock.TryLock());
        velmora::testing::FakePlatform platform;
        velmora::frmMain window(platform);
        velmora::ShowHandedOverFiles(lock, window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.Session().Results().star.has_value());

        const Run handOver = RunProgram({kExampleReading}, environment);
        QVERIFY2(handOver.err.isEmpty(), qPrintable(handOver.err));
        QCOMPARE(handOver.exitCode, 0);
        QTRY_VERIFY(window.Session().Results().star.has_value());
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblResult0"))->text(), QStringLiteral("Pushya"));
        QVERIFY(platform.messages.isEmpty());

        // Without a file there is nothing to hand over: the second start says the window runs,
        // and waits on its message box until someone answers it.
        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(kProgram, QStringList());
        QByteArray said;
        const auto saidSoFar = [&] { return said += second.readAllStandardError(); };
        QTRY_VERIFY_WITH_TIMEOUT(saidSoFar().contains("Application is already running"), 20000);
        const bool waiting = second.state() == QProcess::Running;
        second.kill();
        QVERIFY(second.waitForFinished(5000));
        QVERIFY(waiting);
        QVERIFY(platform.unexpected.isEmpty());
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
