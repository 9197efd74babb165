#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <memory>
#include <sys/resource.h>

#include "app/about_dialog.h"
#include "app/links.h"
#include "app/main_window.h"
#include "app/svg_view.h"
#include "app/time_zone_dialog.h"
#include "fake_platform.h"
#include "modal_watch.h"
#include "platform/qt_platform.h"
#include "reading/saved_reading.h"
#include "texts/paragraphs.h"

using velmora::frmMain;
using velmora::MessageIcon;
using velmora::testing::FakePlatform;
using velmora::testing::ModalWatch;
using velmora::testing::OnNextModal;

namespace {

const QString kPanels[] = {QStringLiteral("fraMain"), QStringLiteral("fraResult")};
const QString kPages[] = {QStringLiteral("picNakshatraDetails"), QStringLiteral("picPakshi"),
                          QStringLiteral("picRullingDays"), QStringLiteral("picDeathDay")};

// The birth data of the worked example: 15 August 1947, 00:00, zone 5:30,
// 77 deg 12 min East, 28 deg 36 min North.
struct BirthData {
    QString name = QStringLiteral("Asha");
    int monthIndex = 7;
    int dayIndex = 14;
    QString year = QStringLiteral("1947");
    QString zoneHour = QStringLiteral("5");
    QString zoneMinute = QStringLiteral("30");
    QString lonD = QStringLiteral("77");
    QString lonM = QStringLiteral("12");
    QString latD = QStringLiteral("28");
    QString latM = QStringLiteral("36");
};

} // namespace

Q_DECLARE_METATYPE(BirthData)
Q_DECLARE_METATYPE(velmora::MessageIcon)

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakePlatform> fake_;
    std::unique_ptr<frmMain> window_;

    template <class W = QWidget> W* find(const QString& name) const {
        W* widget = window_->findChild<W*>(name);
        if (widget == nullptr) {
            qFatal("no widget named %s", qPrintable(name));
        }
        return widget;
    }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
    QComboBox* list(const QString& name) const { return find<QComboBox>(name); }
    QString result(int index) const { return find<QLabel>(QStringLiteral("lblResult%1").arg(index))->text(); }
    QString focused() const {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }

    // Of the named siblings, the one drawn on top (the last of its parent's children).
    QString inFront(const QString* names, std::size_t count) const {
        const QObjectList& siblings = find(names[0])->parentWidget()->children();
        for (auto it = siblings.crbegin(); it != siblings.crend(); ++it) {
            if (std::find(names, names + count, (*it)->objectName()) != names + count) {
                return (*it)->objectName();
            }
        }
        return {};
    }
    QString panelInFront() const { return inFront(kPanels, std::size(kPanels)); }
    QString pageInFront() const { return inFront(kPages, std::size(kPages)); }

    void fill(const BirthData& data) const {
        edit(QStringLiteral("txtName"))->setText(data.name);
        list(QStringLiteral("cboMonth"))->setCurrentIndex(data.monthIndex);
        list(QStringLiteral("cboDate"))->setCurrentIndex(data.dayIndex);
        list(QStringLiteral("cboYear"))->setCurrentText(data.year);
        edit(QStringLiteral("txtZoneHour"))->setText(data.zoneHour);
        edit(QStringLiteral("txtZoneMinute"))->setText(data.zoneMinute);
        edit(QStringLiteral("txtLonD"))->setText(data.lonD);
        edit(QStringLiteral("txtLonM"))->setText(data.lonM);
        edit(QStringLiteral("txtLatD"))->setText(data.latD);
        edit(QStringLiteral("txtLatM"))->setText(data.latM);
    }
    void calculate() const { find<QPushButton>(QStringLiteral("cmdRashi"))->click(); }
    QAction* action(const QString& name) const { return find<QAction>(name); }

private slots:
    void init() {
        QSettings(QSettings::UserScope, QStringLiteral("QtProject")).remove(QStringLiteral("FileDialog"));
        fake_ = std::make_unique<FakePlatform>();
        window_ = std::make_unique<frmMain>(*fake_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() {
        window_.reset();
        QVERIFY2(fake_->unexpected.isEmpty(), qPrintable(fake_->unexpected.join(QStringLiteral("; "))));
        fake_.reset();
    }

    void firstDisplay() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Velmora v1.90"));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QCOMPARE(window_->centralWidget()->size(), QSize(622, 421));
        const QList<std::pair<QString, QString>> lists{
            {QStringLiteral("cboMonth"), QStringLiteral("January")},
            {QStringLiteral("cboDate"), QStringLiteral("1")},
            {QStringLiteral("cboYear"), QStringLiteral("1901")},
            {QStringLiteral("cboHH"), QStringLiteral("0")},
            {QStringLiteral("cboMM"), QStringLiteral("0")},
            {QStringLiteral("cboSS"), QStringLiteral("0")},
        };
        for (const auto& [name, shown] : lists) {
            QCOMPARE(list(name)->currentText(), shown);
        }
        QCOMPARE(list(QStringLiteral("cboMonth"))->itemText(11), QStringLiteral("December"));
        QCOMPARE(list(QStringLiteral("cboDate"))->count(), 31);
        QCOMPARE(list(QStringLiteral("cboYear"))->count(), 150);
        QCOMPARE(list(QStringLiteral("cboYear"))->itemText(149), QStringLiteral("2050"));
        QCOMPARE(list(QStringLiteral("cboHH"))->count(), 24);
        QCOMPARE(list(QStringLiteral("cboSS"))->itemText(59), QStringLiteral("59"));
        for (QLineEdit* field : window_->findChildren<QLineEdit*>()) {
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
        }
        QVERIFY(!find<QCheckBox>(QStringLiteral("chkDST"))->isChecked());
        QVERIFY(find<QRadioButton>(QStringLiteral("optLong0"))->isChecked());
        QVERIFY(find<QRadioButton>(QStringLiteral("optLat0"))->isChecked());
        QCOMPARE(panelInFront(), QStringLiteral("fraMain"));
        QVERIFY(find(QStringLiteral("fraResult"))->isVisible()); // behind, never hidden
        QCOMPARE(find<velmora::SvgView>(QStringLiteral("picBird"))->Source(),
                 QStringLiteral(":/birds/none.svg"));
        QCOMPARE(focused(), QStringLiteral("txtName"));
        QVERIFY(fake_->messages.isEmpty());
    }

    void menusInOrder() {
        QStringList seen;
        for (QAction* menu : window_->menuBar()->actions()) {
            seen << menu->text();
            for (QAction* entry : menu->menu()->actions()) {
                seen << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
            }
        }
        QCOMPARE(seen,
                 (QStringList{"&File", "&Calculate", "E&xit", "&Help", "&Online Help", "&Visit Us Online",
                              "-", "Check for Software &Update", "-", "&About Software"}));
    }

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

    void failedCheckFromTheResultPanelShowsTheForm() {
        fill(BirthData());
        calculate();
        edit(QStringLiteral("txtName"))->clear();
        action(QStringLiteral("mnuCalculate"))->trigger();
        QCOMPARE(fake_->MessageTexts(), QStringList{QStringLiteral("Please Enter Name")});
        QCOMPARE(panelInFront(), QStringLiteral("fraMain"));
        QCOMPARE(focused(), QStringLiteral("txtName"));
        QCOMPARE(result(0), QStringLiteral("Pushya")); // the last reading stays
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
        QCOMPARE(window_->Session().Record().LongitudeSide, velmora::kTrue);
        QCOMPARE(window_->Session().Record().LatitudeSide, velmora::kFalse);
        QCOMPARE(window_->Session().Record().DaylightSaving, velmora::kFalse);
        find<QPushButton>(QStringLiteral("cmdBack"))->click();
        find<QRadioButton>(QStringLiteral("optLong1"))->click();
        find<QRadioButton>(QStringLiteral("optLat1"))->click();
        find<QCheckBox>(QStringLiteral("chkDST"))->click();
        calculate();
        QCOMPARE(window_->Session().Record().LongitudeSide, velmora::kFalse);
        QCOMPARE(window_->Session().Record().LatitudeSide, velmora::kTrue);
        QCOMPARE(window_->Session().Record().DaylightSaving, velmora::kTrue);
    }

    void fullReading_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << "button";
        QTest::newRow("menu") << "menu";
    }
    void fullReading() {
        QFETCH(QString, how);
        fill(BirthData());
        if (how == QLatin1String("button")) {
            QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdRashi")), Qt::LeftButton);
        } else {
            action(QStringLiteral("mnuCalculate"))->trigger();
        }
        QVERIFY(fake_->messages.isEmpty());
        QCOMPARE(result(0), QStringLiteral("Pushya"));
        const velmora::ReadingResults& results = window_->Session().Results();
        const QStringList expected{
            QString::fromStdString(results.StarName),
            QString::fromStdString(results.PakshaName),
            QString::fromStdString(results.RulingBird),
            QString::fromStdString(results.RulingDaysDay),
            QString::fromStdString(results.RulingDaysNight),
            QString::fromStdString(results.DeathDays),
            QString::fromStdString(results.StarDescription),
            QString::fromStdString(results.PakshiDescription),
        };
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(result(i), expected[i]);
            QVERIFY2(!result(i).isEmpty(), qPrintable(QString::number(i)));
        }
        QCOMPARE(result(8).toStdString(), std::string(velmora::FortnightExplanation(results.PakshaName)));
        QCOMPARE(find<velmora::SvgView>(QStringLiteral("picBird"))->Source(),
                 QStringLiteral(":/birds/%1.svg").arg(result(2).toLower()));
        QCOMPARE(panelInFront(), QStringLiteral("fraResult"));
        QCOMPARE(find<QTabBar>(QStringLiteral("TS"))->currentIndex(), 0);
        QCOMPARE(pageInFront(), QStringLiteral("picNakshatraDetails"));
    }

    void longParagraphsAreNotCutOff() {
        fill(BirthData());
        calculate();
        QCoreApplication::processEvents(); // pending layout requests
        for (const QString& name : kPages) {
            auto* page = find<QScrollArea>(name);
            QCOMPARE(page->widget()->width(), page->viewport()->width());
            for (QLabel* label : page->widget()->findChildren<QLabel*>()) {
                if (!label->wordWrap()) {
                    continue;
                }
                QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                         qPrintable(label->objectName()));
                // Not clipped by a frame around it either.
                for (QWidget* inner = label; inner != page->widget(); inner = inner->parentWidget()) {
                    QVERIFY2(inner->parentWidget()->rect().contains(inner->geometry()),
                             qPrintable(label->objectName() + " in " + inner->parentWidget()->objectName()));
                }
            }
        }
    }

    void tabsBringTheirPages_data() {
        QTest::addColumn<int>("tab");
        for (int tab = 0; tab < 4; ++tab) {
            QTest::addRow("%s", qPrintable(kPages[tab])) << tab;
        }
    }
    void tabsBringTheirPages() {
        QFETCH(int, tab);
        fill(BirthData());
        calculate();
        auto* tabs = find<QTabBar>(QStringLiteral("TS"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        QCOMPARE(pageInFront(), kPages[tab]);
        for (const QString& page : kPages) {
            QVERIFY(find(page)->isVisible());
        }
    }

    void newReadingOpensTheFirstTab() {
        fill(BirthData());
        calculate();
        find<QTabBar>(QStringLiteral("TS"))->setCurrentIndex(2);
        QCOMPARE(pageInFront(), QStringLiteral("picRullingDays"));
        find<QPushButton>(QStringLiteral("cmdBack"))->click();
        calculate();
        QCOMPARE(find<QTabBar>(QStringLiteral("TS"))->currentIndex(), 0);
        QCOMPARE(pageInFront(), QStringLiteral("picNakshatraDetails"));
    }

    void backKeepsEveryField() {
        BirthData data;
        data.name = QStringLiteral("  Asha R.  ");
        fill(data);
        edit(QStringLiteral("txtMCity"))->setText(QStringLiteral("Delhi"));
        list(QStringLiteral("cboSS"))->setCurrentIndex(45);
        find<QCheckBox>(QStringLiteral("chkDST"))->setChecked(true);
        QStringList before;
        for (QLineEdit* field : window_->findChildren<QLineEdit*>()) {
            before << field->text();
        }
        for (QComboBox* box : window_->findChildren<QComboBox*>()) {
            before << box->currentText();
        }
        calculate();
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdBack")), Qt::LeftButton);
        QCOMPARE(panelInFront(), QStringLiteral("fraMain"));
        QStringList after;
        for (QLineEdit* field : window_->findChildren<QLineEdit*>()) {
            after << field->text();
        }
        for (QComboBox* box : window_->findChildren<QComboBox*>()) {
            after << box->currentText();
        }
        QCOMPARE(after, before);
        QVERIFY(find<QCheckBox>(QStringLiteral("chkDST"))->isChecked());
        QCOMPARE(result(0), QStringLiteral("Pushya")); // the result panel keeps the reading
    }

    void secondsChangeNothing() {
        fill(BirthData());
        calculate();
        QStringList first;
        for (int i = 0; i < 9; ++i) {
            first << result(i);
        }
        find<QPushButton>(QStringLiteral("cmdBack"))->click();
        list(QStringLiteral("cboSS"))->setCurrentIndex(59);
        calculate();
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(result(i), first[i]);
        }
    }

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
        const std::string expected =
            velmora::EncodeSavedReading("Pushya", window_->Session().Results().PakshaName);
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

    void cancelledSaveWritesNothing() {
        fill(BirthData());
        calculate();
        fake_->saveFileAnswers = {QString()};
        find<QPushButton>(QStringLiteral("cmdSave"))->click();
        QVERIFY(fake_->messages.isEmpty());
        QCOMPARE(panelInFront(), QStringLiteral("fraResult"));
    }

    void hugeFileIsReadOnlyAtItsStart() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("huge.tam"));
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        huge.write(QByteArray(velmora::EncodeSavedReading("Pushya", "").substr(0, 6).c_str()));
        QVERIFY(huge.resize(qint64(1) << 30)); // sparse: one line of a gigabyte
        huge.close();
        fake_->openFileAnswers = {path};
        QElapsedTimer clock;
        clock.start();
        find<QPushButton>(QStringLiteral("cmdOpen"))->click();
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(fake_->messages.isEmpty());
        QVERIFY(result(0).startsWith(QStringLiteral("Pushya")));
        QCOMPARE(panelInFront(), QStringLiteral("fraResult"));
    }

    void mnemonicsReachOnlyThePanelInFront() {
        fake_->openFileAnswers = {QString()};
        QTest::keyClick(window_.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(fake_->openDialogs.size(), 1);
        QTest::keyClick(window_.get(), Qt::Key_S, Qt::AltModifier); // Save is behind: nothing
        fill(BirthData());
        calculate();
        fake_->saveFileAnswers = {QString()};
        QTest::keyClick(window_.get(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(fake_->saveDialogs.size(), 1);
        QTest::keyClick(window_.get(), Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(panelInFront(), QStringLiteral("fraMain"));
        QCOMPARE(fake_->openDialogs.size(), 1);
        QCOMPARE(fake_->saveDialogs.size(), 1);
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

    void linksOpenTheirPages() {
        action(QStringLiteral("mnuOnline"))->trigger();
        action(QStringLiteral("mnuVisit"))->trigger();
        action(QStringLiteral("mnuUpdate"))->trigger();
        QTest::mouseClick(find(QStringLiteral("Label14")), Qt::LeftButton);
        fill(BirthData());
        calculate();
        QTest::mouseClick(find(QStringLiteral("lblLabel")), Qt::LeftButton);
        const QUrl home(velmora::HomePageAddress());
        QCOMPARE(fake_->openedUrls,
                 (QList<QUrl>{velmora::HelpPageUrl(), home, velmora::DownloadPageUrl(), home, home}));
        QVERIFY(find<QLabel>(QStringLiteral("lblLabel"))->text() ==
                QStringLiteral("For Detailed Analysis Visit ") + velmora::HomePageAddress());
    }

    void timeZoneHelpOpensThePickerModally() {
        ModalWatch watch;
        OnNextModal<velmora::frmTimeZone>(&watch, [](velmora::frmTimeZone* picker) { picker->reject(); });
        QWidget* help = find(QStringLiteral("lblTZHelp"));
        help->setFocus();
        QTest::keyClick(help, Qt::Key_Space);
        QVERIFY(watch.seen);
        QVERIFY(!watch.timedOut);
    }

    void aboutBoxIsModal() {
        ModalWatch watch;
        OnNextModal<velmora::frmAbout>(&watch, [](velmora::frmAbout* about) { about->reject(); });
        action(QStringLiteral("mnuAbout"))->trigger();
        QVERIFY(watch.seen);
        QVERIFY(!watch.timedOut);
    }

    void exitEndsWithoutAsking() {
        action(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(!window_->isVisible());
        QVERIFY(fake_->questions.isEmpty());
        QVERIFY(fake_->messages.isEmpty());
    }

    // The production message box, through the whole window.
    void realMessageBoxForAMissingName() {
        velmora::QtPlatform platform(QStringLiteral("VelmoraTest"), QStringLiteral("Velmora"));
        frmMain window(platform);
        window.show();
        ModalWatch watch;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        OnNextModal<QMessageBox>(&watch, [&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            QTest::keyClick(box, Qt::Key_Enter);
        });
        window.findChild<QPushButton*>(QStringLiteral("cmdRashi"))->click();
        QVERIFY(watch.seen);
        QVERIFY(!watch.timedOut);
        QCOMPARE(title, QStringLiteral("Velmora"));
        QCOMPARE(text, QStringLiteral("Please Enter Name"));
        QCOMPARE(icon, QMessageBox::Critical);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
