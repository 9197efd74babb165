// The reading on paper, as a PDF and on the clipboard; the keys of the menus;
// Esc in the secondary windows.

#include <QClipboard>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>
#include <csignal>
#include <sys/resource.h>

#include "app/about_dialog.h"
#include "app/reading_report.h"
#include "app/time_zone_dialog.h"
#include "main_window_fixture.h"
#include "modal_watch.h"

using velmora::testing::BirthData;
using velmora::testing::ModalWatch;
using velmora::testing::OnNextModal;

namespace {

// The 1947 example's reading, as published with the example.
const QStringList kExampleValues{
    QStringLiteral("Pushya"),
    QStringLiteral("Krishna Paksha"),
    QStringLiteral("Cock"),
    QStringLiteral("Sunday, Tuesday"),
    QStringLiteral("Monday, Saturday"),
    QStringLiteral("Thursday, Saturday"),
};

// The text of a PDF file, one line of the page a line.
QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
        qWarning("pdftotext failed: %s", pdftotext.readAllStandardError().constData());
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

} // namespace

class ReadingSharingTest : public QObject, private velmora::testing::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    // Save, Print, Export and Copy serve the reading on the screen, and only while one shows.
    void readingActionsFollowTheResultPanel() {
        const QStringList names{QStringLiteral("mnuSave"), QStringLiteral("mnuPrint"),
                                QStringLiteral("mnuExportPdf"), QStringLiteral("mnuCopyReading")};
        auto enabled = [&] {
            QList<bool> states;
            for (const QString& name : names) {
                states << action(name)->isEnabled();
            }
            return states;
        };
        QCOMPARE(enabled(), (QList<bool>{false, false, false, false}));
        fill(BirthData());
        calculate();
        QCOMPARE(enabled(), (QList<bool>{true, true, true, true}));
        find<QPushButton>(QStringLiteral("cmdBack"))->click();
        QCOMPARE(enabled(), (QList<bool>{false, false, false, false}));
    }

    void keysReachTheirActions() {
        QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier); // no reading: nothing
        QVERIFY(fake_->saveDialogs.isEmpty());
        fake_->openFileAnswers << QString(); // Cancel
        QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(fake_->openDialogs.size(), 1);
        QTest::keyClick(window_.get(), Qt::Key_F1);
        QCOMPARE(fake_->openedUrls.size(), 1);

        fill(BirthData());
        calculate();
        fake_->saveFileAnswers << QString();
        QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(fake_->saveDialogs.size(), 1);
        QCOMPARE(fake_->saveDialogs.front().defaultExtension, QStringLiteral("tam"));
        QTest::keyClick(window_.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!window_->isVisible());
    }

    void escapeClosesTheSecondaryWindows() {
        ModalWatch about;
        OnNextModal<velmora::frmAbout>(&about,
                                       [](velmora::frmAbout* box) { QTest::keyClick(box, Qt::Key_Escape); });
        action(QStringLiteral("mnuAbout"))->trigger();
        QVERIFY(about.seen);
        QVERIFY(!about.timedOut);

        ModalWatch picker;
        OnNextModal<velmora::frmTimeZone>(
            &picker, [](velmora::frmTimeZone* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QTest::mouseClick(find(QStringLiteral("lblTZHelp")), Qt::LeftButton);
        QVERIFY(picker.seen);
        QVERIFY(!picker.timedOut);

        edit(QStringLiteral("txtMCity"))->setText(QStringLiteral("Chennai"));
        edit(QStringLiteral("txtMState"))->setText(QStringLiteral("Tamil Nadu"));
        edit(QStringLiteral("txtMCountry"))->setText(QStringLiteral("India"));
        find<QPushButton>(QStringLiteral("cmdBrowser"))->click();
        QPointer<QWidget> lookUp = window_->findChild<QWidget*>(QStringLiteral("frmLocationLookup"));
        QVERIFY(lookUp != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(lookUp));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(lookUp == nullptr || !lookUp->isVisible());
    }

    // The report holds the whole reading and the birth data as typed, with markup shown as typed.
    void reportOfACalculatedReading() {
        BirthData asha;
        asha.name = QStringLiteral("<b>Asha</b> & <img src=x>");
        fill(asha);
        calculate();
        const std::unique_ptr<QTextDocument> document = velmora::BuildReadingReport(window_->Session());
        const QString shown = document->toPlainText();
        for (const QString& expected :
             kExampleValues + QStringList{asha.name, QStringLiteral("15 August 1947"),
                                          QStringLiteral("00:00"), QStringLiteral("5:30"),
                                          QStringLiteral("77\u00b0 12' E"),
                                          QStringLiteral("28\u00b0 36' N")}) {
            QVERIFY2(shown.contains(expected), qPrintable(expected));
        }
        QVERIFY(!document->toHtml().contains(QStringLiteral("<b>Asha")));
        QVERIFY(!shown.contains(QStringLiteral("no birth data")));

        action(QStringLiteral("mnuCopyReading"))->trigger();
        const QString copied = QGuiApplication::clipboard()->text();
        for (const QString& expected :
             kExampleValues + QStringList{asha.name, QStringLiteral("Velmora v1.90")}) {
            QVERIFY2(copied.contains(expected), qPrintable(expected));
        }
        QVERIFY(copied.contains(QStringLiteral("The time taken by the Moon to move 12 degrees")));
    }

    // The copied reading follows the window's language, its captions included, and goes back to English.
    void copiedReadingFollowsTheWindowsLanguage() {
        fill(BirthData());
        calculate();
        window_->SetLanguage(velmora::Language::Tamil);
        action(QStringLiteral("mnuCopyReading"))->trigger();
        const QString tamil = QGuiApplication::clipboard()->text();
        window_->SetLanguage(velmora::Language::English);
        for (const QString& expected : {QStringLiteral("பூசம்"), QStringLiteral("கோழி"),
                                        QStringLiteral("ஜென்ம நட்சத்திரம்: பூசம்"), QStringLiteral("ஆகஸ்ட்")}) {
            QVERIFY2(tamil.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + tamil));
        }
        QVERIFY(!tamil.contains(QStringLiteral("Pushya")));
        QVERIFY(!tamil.contains(QStringLiteral("Birth data")));

        action(QStringLiteral("mnuCopyReading"))->trigger();
        const QString english = QGuiApplication::clipboard()->text();
        QVERIFY(english.contains(QStringLiteral("Nakshatra / BirthStar: Pushya")));
        QVERIFY(!english.contains(QStringLiteral("பூசம்")));
    }

    void exportWritesThePdfWhereTheUserChose() {
        fill(BirthData());
        calculate();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("asha.pdf"));
        fake_->saveFileAnswers << path;
        action(QStringLiteral("mnuExportPdf"))->trigger();
        QCOMPARE(fake_->saveDialogs.size(), 1);
        QCOMPARE(fake_->saveDialogs.front().defaultExtension, QStringLiteral("pdf"));
        QVERIFY(fake_->messages.isEmpty());
        const QString text = PdfText(path);
        for (const QString& expected :
             kExampleValues + QStringList{QStringLiteral("Asha"), QStringLiteral("Velmora v1.90")}) {
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + text));
        }

        const QString nowhere = folder.filePath(QStringLiteral("no such folder/asha.pdf"));
        fake_->saveFileAnswers << nowhere;
        action(QStringLiteral("mnuExportPdf"))->trigger();
        QCOMPARE(
            fake_->MessageTexts(),
            QStringList{QStringLiteral("The reading could not be exported to %1: No such file or directory")
                            .arg(nowhere)});
    }

    // An export cut short, as on a full disk, says why and leaves the older PDF whole.
    void exportCutShortKeepsTheOlderPdf() {
        fill(BirthData());
        calculate();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("asha.pdf"));
        QFile older(path);
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("%PDF-1.4 older\n");
        older.close();
        fake_->saveFileAnswers << path;
        // Writes beyond 20,480 bytes fail; the report is larger.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 20480;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        action(QStringLiteral("mnuExportPdf"))->trigger();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(
            fake_->MessageTexts(),
            QStringList{QStringLiteral("The reading could not be exported to %1: File too large").arg(path)});
        QVERIFY(older.open(QIODevice::ReadOnly));
        QCOMPARE(older.readAll(), QByteArray("%PDF-1.4 older\n"));
    }

    // The printer dialog chooses where the pages go; here a PDF file stands in for the printer.
    void printGoesToThePrinterChosen() {
        fill(BirthData());
        calculate();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("printed.pdf"));
        ModalWatch watch;
        OnNextModal<QPrintDialog>(&watch, [&](QPrintDialog* dialog) {
            // Without a print server the dialog offers only "Print to File (PDF)".
            auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            QVERIFY(fileName != nullptr);
            fileName->setText(path);
            dialog->accept();
        });
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(watch.seen);
        QVERIFY(!watch.timedOut);
        QVERIFY(fake_->messages.isEmpty());
        const QString text = PdfText(path);
        for (const QString& expected : kExampleValues + QStringList{QStringLiteral("Velmora v1.90")}) {
            QVERIFY2(text.contains(expected), qPrintable(expected));
        }
    }

    // A saved reading keeps only its two lines: the page says there is no birth data.
    void reportOfAReopenedFile() {
        fill(BirthData());
        calculate();
        fake_->openFileAnswers << QStringLiteral(VELMORA_EXAMPLE_READING);
        action(QStringLiteral("mnuOpen"))->trigger();
        QVERIFY(fake_->messages.isEmpty());
        const QString shown = velmora::BuildReadingReport(window_->Session())->toPlainText();
        QVERIFY(shown.contains(QStringLiteral("opened from a saved file, which keeps no birth data")));
        QVERIFY(!shown.contains(QStringLiteral("Asha")));
        for (const QString& expected : kExampleValues) {
            QVERIFY2(shown.contains(expected), qPrintable(expected));
        }
    }
};

QTEST_MAIN(ReadingSharingTest)
#include "reading_sharing_test.moc"
