// Saving a reading and opening it again, and the files that cannot be saved or opened.

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "app/lean_widgets/svg_view.h"
#include "main_window_fixture.h"
#include "reading/saved_reading.h"

using velmora::frmMain;
using velmora::MessageIcon;
using velmora::testing::BirthData;

class ReadingFilesTest : public QObject, private velmora::testing::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void saveAndOpenRoundTrip() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("asha.tam"));
        fill(BirthData());
        calculate();
        QStringList shown;
        for (int i = 0; i < 9; ++i) {
            shown << result(i);
        }
        const QString bird = find<velmora::SvgView>(QStringLiteral("picBird"))->Source();
        fake_->saveFileAnswers = {path};
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdSave")), Qt::LeftButton);
        QVERIFY(fake_->messages.isEmpty());
        QCOMPARE(fake_->saveDialogs.size(), 1);
        QCOMPARE(fake_->saveDialogs[0].title, QStringLiteral("Velmora"));
        QCOMPARE(fake_->saveDialogs[0].filter, QStringLiteral("Rich Text Format (*.tam)"));
        QCOMPARE(fake_->saveDialogs[0].defaultExtension, QStringLiteral("tam"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::string expected = velmora::EncodeSavedReading("Pushya", "Krishna Paksha");
        QCOMPARE(file.readAll().toStdString(), expected);

        // A fresh run opens it: the same reading, and the form stays as it was.
        window_ = std::make_unique<frmMain>(*fake_);
        window_->show();
        fake_->openFileAnswers = {path};
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdOpen")), Qt::LeftButton);
        QVERIFY(fake_->messages.isEmpty());
        QCOMPARE(fake_->openDialogs.size(), 1);
        QCOMPARE(fake_->openDialogs[0].title, QStringLiteral("Select the source file"));
        QCOMPARE(fake_->openDialogs[0].filter, QStringLiteral("Velmora (*.tam)"));
        QCOMPARE(fake_->openDialogs[0].defaultExtension, QStringLiteral("tam"));
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(result(i), shown[i]);
        }
        QCOMPARE(find<velmora::SvgView>(QStringLiteral("picBird"))->Source(), bird);
        QCOMPARE(panelInFront(), QStringLiteral("fraResult"));
        QCOMPARE(pageInFront(), QStringLiteral("picNakshatraDetails"));
        QVERIFY(edit(QStringLiteral("txtName"))->text().isEmpty());
        QVERIFY(window_->Session().Record().BirthName.empty());
    }

    void openChecksTheName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // "" = nothing shown
        QTest::newRow("capital TAM") << "/nowhere/reading.TAM"
                                     << "Please Check The File.";
        QTest::newRow("other extension") << "/nowhere/reading.txt"
                                         << "Please Check The File.";
        QTest::newRow("cancel") << ""
                                << "";
        QTest::newRow("short name skips the test") << "ab"
                                                   << "The reading could not be opened from ab: ";
        QTest::newRow("missing file") << "/nowhere/reading.tam"
                                      << "The reading could not be opened from /nowhere/reading.tam: ";
    }

    void openChecksTheName() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        fake_->openFileAnswers = {name};
        find<QPushButton>(QStringLiteral("cmdOpen"))->click();
        // A name given on the command line meets the same checks, without a dialog.
        window_->OpenSavedReading(name);
        QCOMPARE(fake_->openDialogs.size(), 1);
        if (message.isEmpty()) {
            QVERIFY(fake_->messages.isEmpty());
        } else {
            QCOMPARE(fake_->messages.size(), 2);
            for (const auto& shown : fake_->messages) {
                QVERIFY2(shown.text.startsWith(message), qPrintable(shown.text));
                QCOMPARE(shown.icon, MessageIcon::Error);
            }
        }
        QCOMPARE(panelInFront(), QStringLiteral("fraMain"));
    }

    void failedSaveIsReported() {
        QTemporaryDir folder;
        const QString link = folder.filePath(QStringLiteral("dangling.tam"));
        QVERIFY(QFile::link(folder.filePath(QStringLiteral("missing/target.tam")), link));
        fill(BirthData());
        calculate();
        fake_->saveFileAnswers = {link};
        find<QPushButton>(QStringLiteral("cmdSave"))->click();
        QCOMPARE(fake_->messages.size(), 1);
        QVERIFY2(fake_->messages[0].text.startsWith(
                     QStringLiteral("The reading could not be saved to %1: ").arg(link)),
                 qPrintable(fake_->messages[0].text));
        QVERIFY(fake_->messages[0].text.size() > link.size() + 40); // the reason is given
        QCOMPARE(fake_->messages[0].icon, MessageIcon::Error);
    }

    void failedSaveKeepsTheOlderFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("older.tam"));
        QFile older(path);
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("older reading\r\n");
        older.close();
        fill(BirthData());
        calculate();
        fake_->saveFileAnswers = {path};
        // Writes beyond 8 bytes fail, as on a full disk.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 8;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        find<QPushButton>(QStringLiteral("cmdSave"))->click();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(fake_->messages.size(), 1);
        QVERIFY(fake_->messages[0].text.startsWith(QStringLiteral("The reading could not be saved to ")));
        QVERIFY2(fake_->messages[0].text.contains(QStringLiteral("too large")),
                 qPrintable(fake_->messages[0].text));
        QVERIFY(older.open(QIODevice::ReadOnly));
        QCOMPARE(older.readAll(), QByteArray("older reading\r\n"));
    }

    // A name of 255 bytes, the most a file name holds, saves as any other, also over
    // an older reading of that name: the temporary file's name fits beside it.
    void longestNameSavesAndSavesAgain() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QString(251, QLatin1Char('a')) + QStringLiteral(".tam"));
        fill(BirthData());
        calculate();
        fake_->saveFileAnswers = {path, path};
        for (int save = 0; save < 2; ++save) {
            find<QPushButton>(QStringLiteral("cmdSave"))->click();
            QVERIFY2(fake_->messages.isEmpty(), qPrintable(fake_->MessageTexts().join(u'\n')));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), velmora::EncodeSavedReading("Pushya", "Krishna Paksha"));
    }

    void cancelledSaveWritesNothing() {
        fill(BirthData());
        calculate();
        fake_->saveFileAnswers = {QString()};
        find<QPushButton>(QStringLiteral("cmdSave"))->click();
        QVERIFY(fake_->messages.isEmpty());
        QCOMPARE(panelInFront(), QStringLiteral("fraResult"));
    }

    // Files that are no saved reading: refused at once with a message naming the
    // file and why, and nothing shown changes.
    void whatIsNoReadingIsRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind"); // 0 file, 1 pipe, 2 a gigabyte of one line, 3 twenty sparse gigabytes
        QTest::addColumn<QString>("reason");
        QTest::newRow("random bytes") << QByteArray("\xff\x01\x80zz\r\n\"\\\r\n", 11) << 0
                                      << QStringLiteral("is not a Velmora reading.");
        QTest::newRow("markup and escape codes")
            << QByteArray::fromStdString(velmora::EncodeSavedReading("a<br>b<b>Star</b>", "\x1b]0;t\x07"))
            << 0 << QStringLiteral("is not a Velmora reading.");
        QTest::newRow("pipe") << QByteArray() << 1 << QStringLiteral("it is not a regular file");
        QTest::newRow("huge") << QByteArray::fromStdString(
                                     velmora::EncodeSavedReading("Pushya", "").substr(0, 6))
                              << 2 << QStringLiteral("is not a Velmora reading.");
        QTest::newRow("NUL bytes") << QByteArray(1000, '\0') << 0
                                   << QStringLiteral("is not a Velmora reading.");
        QTest::newRow("sparse file") << QByteArray() << 3 << QStringLiteral("is not a Velmora reading.");
        QTest::newRow("star, then no fortnight")
            << QByteArray::fromStdString(velmora::EncodeSavedReading("Pushya", "Fortnight")) << 0
            << QStringLiteral("is not a Velmora reading.");
    }
    void whatIsNoReadingIsRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("odd.tam"));
        if (kind == 1) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            if (kind >= 2) {
                QVERIFY(file.resize(kind == 2 ? qint64(1) << 30 : qint64(20) << 30)); // sparse, all NUL bytes
            }
        }
        fake_->openFileAnswers = {path};
        QElapsedTimer clock;
        clock.start();
        find<QPushButton>(QStringLiteral("cmdOpen"))->click();
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(fake_->messages.size(), 1);
        QVERIFY2(fake_->messages[0].text.contains(path) && fake_->messages[0].text.endsWith(reason),
                 qPrintable(fake_->messages[0].text));
        QCOMPARE(fake_->messages[0].icon, MessageIcon::Error);
        fake_->messages.clear();
        QCOMPARE(result(0), QString());
        QCOMPARE(panelInFront(), QStringLiteral("fraMain"));
    }

    // The result labels show their text as it is, never as markup.
    void resultsArePlainText() {
        fill(BirthData());
        calculate();
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(find<QLabel>(QStringLiteral("lblResult%1").arg(i))->textFormat(), Qt::PlainText);
        }
    }
};

QTEST_MAIN(ReadingFilesTest)
#include "reading_files_test.moc"
