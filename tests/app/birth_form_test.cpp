// The input panel: the checks of the birth data, the filters of the fields, what reaches the
// birth record, the place look-up, the time-zone picker, and the keyboard.

#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <QTreeWidget>

#include "app/time_zone_dialog.h"
#include "main_window_fixture.h"
#include "modal_watch.h"

using velmora::MessageIcon;
using velmora::testing::BirthData;
using velmora::testing::ModalWatch;
using velmora::testing::OnNextModal;

class BirthFormTest : public QObject, private velmora::testing::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void checksStopAtTheFirstFailure_data() {
        QTest::addColumn<BirthData>("data");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QString>("focus"); // "" = stays on cboSS
        BirthData data;
        data.name = QStringLiteral("   ");
        data.zoneHour = data.zoneMinute = data.lonD = data.lonM = data.latD = data.latM = QString();
        const auto error = MessageIcon::Error;
        QTest::newRow("name of spaces") << data << "Please Enter Name" << error << "txtName";
        data.name = QStringLiteral("Asha");
        QTest::newRow("zone hour") << data << "Please Enter Hour of the Time Zone" << error << "txtZoneHour";
        data.zoneHour = QStringLiteral("5");
        QTest::newRow("zone minute") << data << "Please Enter Minute of the Time Zone" << error
                                     << "txtZoneMinute";
        data.zoneMinute = QStringLiteral("30");
        QTest::newRow("longitude degrees")
            << data << "Please Enter Degree of Longitude" << error << "txtLonD";
        data.lonD = QStringLiteral("77");
        QTest::newRow("longitude minutes")
            << data << "Please Enter Minute of Longitude" << error << "txtLonM";
        data.lonM = QStringLiteral("12");
        QTest::newRow("latitude degrees") << data << "Please Enter Degree of Latitude" << error << "txtLatD";
        data.latD = QStringLiteral("28");
        QTest::newRow("latitude minutes") << data << "Please Enter Minute of Latitude" << error << "txtLatM";
        data.latM = QStringLiteral("36");
        data.monthIndex = 1;
        data.dayIndex = 29;
        QTest::newRow("February 30") << data << "Please Enter Correct Date Or Month!"
                                     << MessageIcon::Information << "";
        data.monthIndex = 10;
        data.dayIndex = 30;
        QTest::newRow("November 31") << data << "Please Enter Correct Date Or Month !"
                                     << MessageIcon::Information << "";
        data = BirthData();
        data.zoneHour = QStringLiteral("ab");
        QTest::newRow("letters in the zone")
            << data << "Please Enter Hour of the Time Zone" << error << "txtZoneHour";
    }

    void checksStopAtTheFirstFailure() {
        QFETCH(BirthData, data);
        QFETCH(QString, message);
        QFETCH(MessageIcon, icon);
        QFETCH(QString, focus);
        fill(data);
        list(QStringLiteral("cboSS"))->setFocus();
        calculate();
        QCOMPARE(fake_->MessageTexts(), QStringList{message});
        QCOMPARE(fake_->messages.constFirst().icon, icon);
        QCOMPARE(focused(), focus.isEmpty() ? QStringLiteral("cboSS") : focus);
        QCOMPARE(panelInFront(), QStringLiteral("fraMain"));
        QVERIFY(window_->Session().Record().BirthName.empty()); // nothing was taken over
        QVERIFY(result(0).isEmpty());
    }

    // Back on the form after a reading, a date refused from the date list leaves
    // the cursor on the list, not on the field the form remembered.
    void dateMessageKeepsTheFocusOnTheDateList() {
        fill(BirthData());
        calculate();
        QCOMPARE(panelInFront(), QStringLiteral("fraResult"));
        find<QPushButton>(QStringLiteral("cmdBack"))->click();
        list(QStringLiteral("cboMonth"))->setCurrentIndex(10);
        list(QStringLiteral("cboDate"))->setCurrentIndex(30);
        list(QStringLiteral("cboDate"))->setFocus();
        action(QStringLiteral("mnuCalculate"))->trigger();
        QCOMPARE(fake_->MessageTexts(), QStringList{QStringLiteral("Please Enter Correct Date Or Month !")});
        fake_->messages.clear();
        QCOMPARE(focused(), QStringLiteral("cboDate"));
        QCOMPARE(find<QPushButton>(QStringLiteral("cmdSave"))->geometry().top(), 320); // 4800 twips
        QCOMPARE(find<QPushButton>(QStringLiteral("cmdBack"))->geometry().top(), 320);
    }

    void datesOfShortMonths_data() {
        QTest::addColumn<int>("month"); // 1..12
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message"); // "" = accepted
        const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
        const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
        for (const char* leap : {"1904", "2000", "2048"}) {
            QTest::addRow("Feb 29 %s", leap) << 2 << 29 << leap << "";
            QTest::addRow("Feb 30 %s", leap) << 2 << 30 << leap << february;
        }
        for (const char* common : {"1901", "1999", "2001"}) {
            QTest::addRow("Feb 28 %s", common) << 2 << 28 << common << "";
            QTest::addRow("Feb 29 %s", common) << 2 << 29 << common << february;
            QTest::addRow("Feb 31 %s", common) << 2 << 31 << common << february;
        }
        for (int month : {4, 6, 9, 11}) {
            QTest::addRow("month %d day 31", month) << month << 31 << "2001" << thirty;
            QTest::addRow("month %d day 30", month) << month << 30 << "2001"
                                                    << "";
        }
        QTest::newRow("Jan 31") << 1 << 31 << "1901"
                                << "";
        QTest::newRow("Dec 31") << 12 << 31 << "2050"
                                << "";
    }

    void datesOfShortMonths() {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, year);
        QFETCH(QString, message);
        BirthData data;
        data.monthIndex = month - 1;
        data.dayIndex = day - 1;
        data.year = year;
        fill(data);
        calculate();
        QCOMPARE(fake_->MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(panelInFront(), message.isEmpty() ? QStringLiteral("fraResult") : QStringLiteral("fraMain"));
    }

    void coordinateFieldsTakeDigitsOnly_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("after"); // the field held "12" with the cursor at the end
        QTest::addColumn<bool>("refused");
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        QTest::newRow("digit") << int(Qt::Key_7) << none << "127" << false;
        QTest::newRow("minus") << int(Qt::Key_Minus) << none << "12" << true;
        QTest::newRow("point") << int(Qt::Key_Period) << none << "12" << true;
        QTest::newRow("space") << int(Qt::Key_Space) << none << "12" << true;
        QTest::newRow("letter") << int(Qt::Key_A) << none << "12" << true;
        QTest::newRow("enter") << int(Qt::Key_Return) << none << "12" << true;
        QTest::newRow("ctrl+v") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << "12"
                                << true;
        QTest::newRow("shift+insert")
            << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "12" << true;
        QTest::newRow("ctrl+x") << int(Qt::Key_X) << Qt::KeyboardModifiers(Qt::ControlModifier) << "12"
                                << true;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "1" << false;
        QTest::newRow("left") << int(Qt::Key_Left) << none << "12" << false;
        QTest::newRow("home") << int(Qt::Key_Home) << none << "12" << false;
        QTest::newRow("alt+q, no mnemonic")
            << int(Qt::Key_Q) << Qt::KeyboardModifiers(Qt::AltModifier) << "12" << false;
    }

    void coordinateFieldsTakeDigitsOnly() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, after);
        QFETCH(bool, refused);
        QApplication::clipboard()->setText(QStringLiteral("99"));
        for (const char* name : {"txtLatD", "txtLatM", "txtLonD", "txtLonM"}) {
            fake_->messages.clear();
            QLineEdit* field = edit(QString::fromLatin1(name));
            field->setText(QStringLiteral("12"));
            field->setFocus();
            QTest::keyClick(field, Qt::Key(key), modifiers);
            QCOMPARE(field->text(), after);
            QCOMPARE(fake_->MessageTexts(),
                     refused ? QStringList{QStringLiteral("Only Numbers Are Accepted")} : QStringList());
            if (refused) {
                QCOMPARE(fake_->messages.constFirst().icon, MessageIcon::Error);
            }
        }
    }

    void deleteAndTabStillWorkInCoordinateFields() {
        QLineEdit* field = edit(QStringLiteral("txtLatD"));
        field->setText(QStringLiteral("12"));
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Home);
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(field->text(), QStringLiteral("2"));
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("txtLatM"));
        QVERIFY(fake_->messages.isEmpty());
    }

    void zoneFieldsTakeAnythingUpToTheirLength() {
        QLineEdit* hour = edit(QStringLiteral("txtZoneHour"));
        QLineEdit* minute = edit(QStringLiteral("txtZoneMinute"));
        QTest::keyClicks(hour, QStringLiteral("-5.5"));
        QTest::keyClicks(minute, QStringLiteral("301"));
        QCOMPARE(hour->text(), QStringLiteral("-5."));
        QCOMPARE(minute->text(), QStringLiteral("30"));
        // The time zone picker writes "-30": the program's own text is kept whole.
        minute->setText(QStringLiteral("-30"));
        QCOMPARE(minute->text(), QStringLiteral("-30"));
        QVERIFY(fake_->messages.isEmpty());
    }

    void zoneHoursInTheRecord_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("hours");
        QTest::newRow("-5") << "-5" << 5;
        QTest::newRow("+5") << "+5" << 5;
        QTest::newRow("5.5 to even") << "5.5" << 6;
        QTest::newRow("4.5 to even") << "4.5" << 4;
        QTest::newRow("-10") << "-10" << 10;
    }

    void zoneHoursInTheRecord() {
        QFETCH(QString, typed);
        QFETCH(int, hours);
        BirthData data;
        data.zoneHour = typed;
        fill(data);
        calculate();
        QVERIFY(fake_->messages.isEmpty());
        QCOMPARE(int(window_->Session().Record().ZoneHours), hours);
    }

    void sidesAndDaylightSavingInTheRecord() {
        fill(BirthData());
        calculate();
        QCOMPARE(window_->Session().Record().LongitudeEast, true);
        QCOMPARE(window_->Session().Record().LatitudeSouth, false);
        QCOMPARE(window_->Session().Record().DaylightSaving, false);
        find<QPushButton>(QStringLiteral("cmdBack"))->click();
        find<QRadioButton>(QStringLiteral("optLong1"))->click();
        find<QRadioButton>(QStringLiteral("optLat1"))->click();
        find<QCheckBox>(QStringLiteral("chkDST"))->click();
        calculate();
        QCOMPARE(window_->Session().Record().LongitudeEast, false);
        QCOMPARE(window_->Session().Record().LatitudeSouth, true);
        QCOMPARE(window_->Session().Record().DaylightSaving, true);
    }

    void tabOrderRunsDownTheForm() {
        edit(QStringLiteral("txtName"))->setFocus();
        QStringList visited{focused()};
        for (int i = 0; i < 24; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focused();
        }
        QCOMPARE(visited,
                 (QStringList{"txtName",    "cboMonth", "cboDate",     "cboYear",       "cboHH",
                              "cboMM",      "cboSS",    "txtZoneHour", "txtZoneMinute", "chkDST",
                              "lblTZHelp",  "txtLatD",  "txtLatM",     "optLat0",       "txtLonD",
                              "txtLonM",    "optLong0", "txtMCity",    "txtMState",     "txtMCountry",
                              "cmdBrowser", "cmdRashi", "Label14",     "cmdOpen",       "txtName"}));
    }

    void accessibleNames() {
        const QList<std::pair<QString, QString>> names{
            {"txtName", "Name"},
            {"cboMonth", "Birth month"},
            {"cboDate", "Birth day"},
            {"cboYear", "Birth year"},
            {"cboHH", "Birth hour"},
            {"cboMM", "Birth minute"},
            {"cboSS", "Birth second"},
            {"txtZoneHour", "Time zone hours"},
            {"txtZoneMinute", "Time zone minutes"},
            {"txtLatD", "Latitude degrees"},
            {"txtLatM", "Latitude minutes"},
            {"txtLonD", "Longitude degrees"},
            {"txtLonM", "Longitude minutes"},
            {"txtMCity", "City"},
            {"txtMState", "State"},
            {"txtMCountry", "Country"},
            {"cmdBrowser", "Click Here To Find Latitude & Longitude"},
        };
        for (const auto& [object, name] : names) {
            QCOMPARE(find(object)->accessibleName(), name);
        }
    }

    void placeLookUpNeedsEveryName_data() {
        QTest::addColumn<QStringList>("place");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no city, no state") << QStringList{"", "", "India"} << "Please Enter City"
                                           << "txtMCity";
        QTest::newRow("no state") << QStringList{"Chennai", "", "India"} << "Please Enter State"
                                  << "txtMState";
        QTest::newRow("no country") << QStringList{" ", " ", ""} << "Please Enter Country"
                                    << "txtMCountry";
    }

    void placeLookUpNeedsEveryName() {
        QFETCH(QStringList, place);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        edit(QStringLiteral("txtMCity"))->setText(place[0]);
        edit(QStringLiteral("txtMState"))->setText(place[1]);
        edit(QStringLiteral("txtMCountry"))->setText(place[2]);
        find<QPushButton>(QStringLiteral("cmdBrowser"))->click();
        QCOMPARE(fake_->MessageTexts(), QStringList{message});
        QCOMPARE(fake_->messages[0].icon, MessageIcon::Information);
        QCOMPARE(focused(), focus);
    }

    // The look-up opens at the form's birth date and time; its chosen place fills the form, and
    // the reading equals the command line's `reading --place` for the same date and time.
    void placeLookUpFillsTheForm_data() {
        QTest::addColumn<QStringList>("place"); // city, state, country as typed
        QTest::addColumn<QString>("date");      // yyyy-MM-dd
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QStringList>("filled"); // lat deg, min, N/S, lon deg, min, E/W, zone hour, min, DST
        QTest::addColumn<QString>("star");
        QTest::newRow("London, double summer time")
            << QStringList{"London", "England", "United Kingdom"} << "1947-05-01" << 12 << 0
            << QStringList{"51", "31", "N", "0", "8", "W", "+1", "00", "DST"} << "Uttara Phalguni";
        QTest::newRow("Chennai") << QStringList{"Chennai", "Tamil Nadu", "India"} << "1990-01-01" << 5 << 30
                                 << QStringList{"13", "5", "N", "80", "17", "E", "+5", "30", ""}
                                 << "Dhanistha";
    }

    void placeLookUpFillsTheForm() {
        QFETCH(QStringList, place);
        QFETCH(QString, date);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QStringList, filled);
        QFETCH(QString, star);
        const QDate birthDate = QDate::fromString(date, Qt::ISODate);
        BirthData data;
        data.monthIndex = birthDate.month() - 1;
        data.dayIndex = birthDate.day() - 1;
        data.year = QString::number(birthDate.year());
        fill(data);
        list(QStringLiteral("cboHH"))->setCurrentIndex(hour);
        list(QStringLiteral("cboMM"))->setCurrentIndex(minute);
        edit(QStringLiteral("txtMCity"))->setText(place[0]);
        edit(QStringLiteral("txtMState"))->setText(place[1]);
        edit(QStringLiteral("txtMCountry"))->setText(place[2]);
        find<QPushButton>(QStringLiteral("cmdBrowser"))->click();

        auto* lookup = window_->findChild<QWidget*>(QStringLiteral("frmLocationLookup"));
        QVERIFY(lookup != nullptr);
        QCOMPARE(lookup->findChild<QDateEdit*>(QStringLiteral("dtpDate"))->date(), birthDate);
        QCOMPARE(lookup->findChild<QTimeEdit*>(QStringLiteral("dtpTime"))->time(), QTime(hour, minute));
        auto* rows = lookup->findChild<QTreeWidget*>(QStringLiteral("lstPlaces"));
        QTRY_VERIFY(rows->topLevelItemCount() > 0);
        QCOMPARE(rows->topLevelItem(0)->text(0), place[0]);
        QPointer<QWidget> closing = lookup;
        lookup->findChild<QPushButton*>(QStringLiteral("cmdUse"))->click();
        QTRY_VERIFY(closing.isNull());

        for (const auto& [name, text] :
             std::initializer_list<std::pair<const char*, QString>>{{"txtMCity", place[0]},
                                                                    {"txtMState", place[1]},
                                                                    {"txtMCountry", place[2]},
                                                                    {"txtLatD", filled[0]},
                                                                    {"txtLatM", filled[1]},
                                                                    {"txtLonD", filled[3]},
                                                                    {"txtLonM", filled[4]},
                                                                    {"txtZoneHour", filled[6]},
                                                                    {"txtZoneMinute", filled[7]}}) {
            QCOMPARE(edit(QString::fromLatin1(name))->text(), text);
        }
        QCOMPARE(find<QRadioButton>(QStringLiteral("optLat1"))->isChecked(), filled[2] == "S");
        QCOMPARE(find<QRadioButton>(QStringLiteral("optLong1"))->isChecked(), filled[5] == "W");
        QCOMPARE(find<QCheckBox>(QStringLiteral("chkDST"))->isChecked(), filled[8] == "DST");
        calculate();
        QVERIFY2(fake_->messages.isEmpty(), qPrintable(fake_->MessageTexts().join(u';')));
        QCOMPARE(result(0), star);
    }

    // The picker opens modally from the link; its choice goes into the two zone fields and
    // Quit leaves them. Nothing else on the form changes.
    void timeZoneHelpFillsTheZoneFields_data() {
        QTest::addColumn<bool>("choose");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::newRow("Indian Time") << true << "-5"
                                     << "-30";
        QTest::newRow("quit") << false << "7"
                              << "15";
    }

    void timeZoneHelpFillsTheZoneFields() {
        QFETCH(bool, choose);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        edit(QStringLiteral("txtName"))->setText(QStringLiteral("Asha"));
        edit(QStringLiteral("txtZoneHour"))->setText(QStringLiteral("7"));
        edit(QStringLiteral("txtZoneMinute"))->setText(QStringLiteral("15"));
        find<QCheckBox>(QStringLiteral("chkDST"))->setChecked(true);
        ModalWatch watch;
        OnNextModal<velmora::frmTimeZone>(&watch, [choose](velmora::frmTimeZone* picker) {
            if (choose) {
                auto* list = picker->findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
                list->setCurrentRow(34);
                QTest::keyClick(list, Qt::Key_Return);
            } else {
                picker->findChild<QPushButton*>(QStringLiteral("cmdQuit"))->click();
            }
        });
        QWidget* help = find(QStringLiteral("lblTZHelp"));
        help->setFocus();
        QTest::keyClick(help, Qt::Key_Space);
        QVERIFY(watch.seen);
        QVERIFY(!watch.timedOut);
        QCOMPARE(edit(QStringLiteral("txtZoneHour"))->text(), hour);
        QCOMPARE(edit(QStringLiteral("txtZoneMinute"))->text(), minute);
        QVERIFY(find<QCheckBox>(QStringLiteral("chkDST"))->isChecked());
        QCOMPARE(edit(QStringLiteral("txtName"))->text(), QStringLiteral("Asha"));
        QVERIFY(fake_->messages.isEmpty());
    }
};

QTEST_MAIN(BirthFormTest)
#include "birth_form_test.moc"
