#include "app/time_zone_dialog.h"
#include "timezone/zone_table.h"

#include "app/modal_watch.h"

#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using velmora::frmTimeZone;

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QListWidget* List(frmTimeZone& dialog) {
    return dialog.findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
}

void DoubleClickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    const QPoint centre = list->visualItemRect(item).center();
    // A real double-click starts with a press that selects the row.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class TimeZoneDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheWholeTableAndNothingSelected() {
        QWidget form;
        {
            // An earlier opening that chose a row must leave no trace in the next one.
            frmTimeZone used(&form);
            List(used)->setCurrentRow(60);
            used.done(QDialog::Rejected);
        }
        frmTimeZone dialog(&form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Velmora v1.90"));
        QVERIFY(dialog.isModal());
        QListWidget* list = List(dialog);
        QVERIFY(list != nullptr);
        QCOMPARE(list->count(), 71);
        for (int row = 0; row < list->count(); ++row) {
            QCOMPARE(list->item(row)->text(), QString::fromUtf8(velmora::TimeZoneTable[row].listText.data(),
                                                                velmora::TimeZoneTable[row].listText.size()));
        }
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!dialog.ChosenRow());
        QCOMPARE(list->verticalScrollBar()->value(), 0);
        auto* quit = dialog.findChild<QPushButton*>(QStringLiteral("cmdQuit"));
        QVERIFY(quit != nullptr);
        QCOMPARE(quit->text(), QStringLiteral("&Quit"));
    }

    void doubleClickChoosesTheRowAndCloses_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::newRow("Indian Time") << 34 << "-5"
                                     << "-30";
        QTest::newRow("Newfoundland") << 50 << "3"
                                      << "30";
        QTest::newRow("Greenwich") << 29 << "0"
                                   << "0";
        QTest::newRow("Universal Time") << 61 << "0"
                                        << "0";
        QTest::newRow("NZ Std Summer") << 46 << "-13"
                                       << "0";
        QTest::newRow("Date Line West") << 36 << "12"
                                        << "0";
        QTest::newRow("NZ Summer") << 48 << "-12"
                                   << "-30";
        QTest::newRow("Eastern Daylight") << 24 << "4"
                                          << "0";
    }
    void doubleClickChoosesTheRowAndCloses() {
        QFETCH(int, row);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QWidget form;
        frmTimeZone dialog(&form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        DoubleClickRow(List(dialog), row);

        QVERIFY(dialog.ChosenRow());
        QCOMPARE(Text(dialog.ChosenRow()->hourText), hour);
        QCOMPARE(Text(dialog.ChosenRow()->minuteText), minute);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void doubleClickWithNothingSelectedOnlyCloses() {
        QWidget form;
        frmTimeZone dialog(&form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget* list = List(dialog);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(list->item(3)).center());
        QVERIFY(!dialog.ChosenRow());
        QVERIFY(!dialog.isVisible());
    }

    void quitChoosesNothing() {
        QWidget form;
        frmTimeZone dialog(&form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        List(dialog)->setCurrentRow(34); // chosen but not applied
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdQuit")), Qt::LeftButton);
        QVERIFY(!dialog.ChosenRow());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // Through exec(), as the main window opens it: Enter must apply the row, not press Quit.
    void enterOnARowAppliesIt() {
        QWidget form;
        frmTimeZone dialog(&form);
        velmora::testing::ModalWatch watch;
        velmora::testing::OnNextModal<frmTimeZone>(&watch, [](frmTimeZone* shown) {
            QListWidget* list = List(*shown);
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down); // chooses the first row
            for (int i = 0; i < 50; ++i) {
                QTest::keyClick(list, Qt::Key_Down);
            }
            QTest::keyClick(list, Qt::Key_Return);
        });
        const int result = dialog.exec();
        QVERIFY(watch.seen);
        QVERIFY(!watch.timedOut);
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(dialog.ChosenRow());
        QCOMPARE(Text(dialog.ChosenRow()->hourText), QStringLiteral("3"));
        QCOMPARE(Text(dialog.ChosenRow()->minuteText), QStringLiteral("30"));
    }
};

QTEST_MAIN(TimeZoneDialogTest)
#include "time_zone_dialog_test.moc"
