#include "app/time_zone_dialog.h"
#include "timezone/zone_table.h"

#include "app/modal_watch.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using velmora::frmTimeZone;

namespace {

// The part of the birth form that the picker works on, plus neighbours it must leave alone.
struct ZoneFields {
    QWidget form;
    QLineEdit* txtZoneHour = new QLineEdit(QStringLiteral("7"), &form);
    QLineEdit* txtZoneMinute = new QLineEdit(QStringLiteral("15"), &form);
    QCheckBox* chkDST = new QCheckBox(QStringLiteral("DST"), &form);
    QLineEdit* txtName = new QLineEdit(QStringLiteral("Asha"), &form);
};

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
        ZoneFields fields;
        {
            // An earlier opening that chose a row must leave no trace in the next one.
            frmTimeZone used(fields.txtZoneHour, fields.txtZoneMinute, &fields.form);
            List(used)->setCurrentRow(60);
            used.done(QDialog::Rejected);
        }
        frmTimeZone dialog(fields.txtZoneHour, fields.txtZoneMinute, &fields.form);
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
        QCOMPARE(list->verticalScrollBar()->value(), 0);
        auto* quit = dialog.findChild<QPushButton*>(QStringLiteral("cmdQuit"));
        QVERIFY(quit != nullptr);
        QCOMPARE(quit->text(), QStringLiteral("&Quit"));
    }

    void doubleClickWritesTheRowAndCloses_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("dstTicked");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::newRow("Indian Time") << 34 << false << "-5"
                                     << "-30";
        QTest::newRow("Newfoundland") << 50 << true << "3"
                                      << "30";
        QTest::newRow("Greenwich") << 29 << false << "0"
                                   << "0";
        QTest::newRow("Universal Time") << 61 << true << "0"
                                        << "0";
        QTest::newRow("NZ Std Summer") << 46 << false << "-13"
                                       << "0";
        QTest::newRow("Date Line West") << 36 << false << "12"
                                        << "0";
        QTest::newRow("NZ Summer") << 48 << false << "-12"
                                   << "-30";
        QTest::newRow("Eastern Daylight, DST ticked") << 24 << true << "4"
                                                      << "0";
        QTest::newRow("Eastern Daylight, DST clear") << 24 << false << "4"
                                                     << "0";
    }
    void doubleClickWritesTheRowAndCloses() {
        QFETCH(int, row);
        QFETCH(bool, dstTicked);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        ZoneFields fields;
        fields.chkDST->setChecked(dstTicked);
        frmTimeZone dialog(fields.txtZoneHour, fields.txtZoneMinute, &fields.form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        DoubleClickRow(List(dialog), row);

        QCOMPARE(fields.txtZoneHour->text(), hour);
        QCOMPARE(fields.txtZoneMinute->text(), minute);
        QCOMPARE(fields.chkDST->isChecked(), dstTicked);
        QCOMPARE(fields.txtName->text(), QStringLiteral("Asha"));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void doubleClickWithNothingSelectedOnlyCloses() {
        ZoneFields fields;
        frmTimeZone dialog(fields.txtZoneHour, fields.txtZoneMinute, &fields.form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget* list = List(dialog);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(list->item(3)).center());
        QCOMPARE(fields.txtZoneHour->text(), QStringLiteral("7"));
        QCOMPARE(fields.txtZoneMinute->text(), QStringLiteral("15"));
        QVERIFY(!dialog.isVisible());
    }

    void quitLeavesTheFields() {
        ZoneFields fields;
        frmTimeZone dialog(fields.txtZoneHour, fields.txtZoneMinute, &fields.form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        List(dialog)->setCurrentRow(34); // chosen but not applied
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdQuit")), Qt::LeftButton);
        QCOMPARE(fields.txtZoneHour->text(), QStringLiteral("7"));
        QCOMPARE(fields.txtZoneMinute->text(), QStringLiteral("15"));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // Through exec(), as the main window opens it: Enter must apply the row, not press Quit.
    void enterOnARowAppliesIt() {
        ZoneFields fields;
        frmTimeZone dialog(fields.txtZoneHour, fields.txtZoneMinute, &fields.form);
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
        QCOMPARE(fields.txtZoneHour->text(), QStringLiteral("3"));
        QCOMPARE(fields.txtZoneMinute->text(), QStringLiteral("30"));
    }
};

QTEST_MAIN(TimeZoneDialogTest)
#include "time_zone_dialog_test.moc"
