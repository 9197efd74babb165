// The built program itself: `velmora --pdf`, and a second start handing its file
// to the window that already runs.

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/hand_over.h"
#include "app/main_window.h"
#include "fake_platform.h"
#include "platform/instance_lock.h"

namespace {

const QString kProgram = QStringLiteral(VELMORA_PROGRAM);
const QString kExampleReading = QStringLiteral(VELMORA_EXAMPLE_READING);

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run RunProgram(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess program;
    program.setProcessEnvironment(environment);
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

} // namespace

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

    void pdfOfARefusedFile_data() {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a reading")
            << QStringLiteral("notes.txt") << QStringLiteral("Please Check The File.");
        QTest::newRow("missing") << QStringLiteral("gone.tam") << QStringLiteral("could not be opened");
        QTest::newRow("no reading named") << QString() << QStringLiteral("needs a saved reading");
    }
    void pdfOfARefusedFile() {
        QFETCH(QString, reading);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("reading.pdf"));
        QStringList arguments{QStringLiteral("--pdf"), pdf};
        if (!reading.isEmpty()) {
            arguments << folder.filePath(reading);
        }
        const Run run = RunProgram(arguments, QProcessEnvironment::systemEnvironment());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(pdf));
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
