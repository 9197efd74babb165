// Your Bird's Day over a fake platform: how it opens, what it marks as now and when it looks
// again, the place it remembers, its keys, its Tamil and its PDF.

#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include "app/birds_day/birds_day_window.h"
#include "app/birds_day/day_place.h"
#include "app/birth_form_panel.h"
#include "app/translation.h"
#include "main_window_fixture.h"

namespace velmora::testing {

namespace {

QDateTime Utc(int year, int month, int day, int hour, int minute) {
    return {QDate(year, month, day), QTime(hour, minute), Qt::UTC};
}

} // namespace

class BirdsDayTest : public QObject, public MainWindowFixture {
    Q_OBJECT

    frmBirdsDay* day() const { return find<frmBirdsDay>(QStringLiteral("frmBirdsDay")); }
    template <class W = QWidget> W* inDay(const QString& name) const {
        W* widget = day()->findChild<W*>(name);
        if (widget == nullptr) {
            qFatal("no widget named %s in the day", qPrintable(name));
        }
        return widget;
    }
    QTreeWidget* periods() const { return inDay<QTreeWidget>(QStringLiteral("lstPeriods")); }
    QString text(const QString& label) const { return inDay<QLabel>(label)->text(); }
    void openFromMenu() const { action(QStringLiteral("mnuBirdsDay"))->trigger(); }

    // Coordinates typed in and used, as a user types them.
    void typePlace(const QString& latitude, const QString& longitude, const QString& offset) const {
        inDay<QLineEdit>(QStringLiteral("txtLatitude"))->setText(latitude);
        inDay<QLineEdit>(QStringLiteral("txtLongitude"))->setText(longitude);
        inDay<QLineEdit>(QStringLiteral("txtOffset"))->setText(offset);
        inDay<QPushButton>(QStringLiteral("cmdUseTyped"))->click();
    }
    void chooseDate(QDate date) const {
        auto* edit = inDay<QDateEdit>(QStringLiteral("dtpDay"));
        edit->setDate(date);
        emit edit->userDateChanged(date);
    }
    // The period and sub-period drawn as now, as the list marks them.
    QPair<int, int> marked() const {
        QPair<int, int> found{-1, -1};
        for (int i = 0; i < periods()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = periods()->topLevelItem(i);
            if (item->font(0).bold()) {
                found.first = i;
                for (int j = 0; j < item->childCount(); ++j) {
                    if (item->child(j)->font(0).bold()) {
                        found.second = j;
                    }
                }
            }
        }
        return found;
    }

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    // From the reading: its bird (the dark fortnight of Pushya gives the Cock) at the birth place
    // the form names, without touching the remembered place.
    void opensFromTheReadingAtTheBirthPlace() {
        fill(BirthData{});
        edit(QStringLiteral("txtMCity"))->setText(QStringLiteral("New Delhi"));
        edit(QStringLiteral("txtMCountry"))->setText(QStringLiteral("India"));
        calculate();
        find<QPushButton>(QStringLiteral("cmdBirdsDay"))->click();
        QVERIFY(day()->isVisible());
        QCOMPARE(inDay<QComboBox>(QStringLiteral("cboBird"))->currentText(), QStringLiteral("Cock"));
        QCOMPARE(day()->Place().name, QStringLiteral("New Delhi, India"));
        QCOMPARE(day()->Place().latitudeDeg, 28.6);
        QCOMPARE(day()->Place().longitudeDeg, 77.2);
        QCOMPARE(day()->Place().utcOffsetHours, 5.5);
        QVERIFY(text(QStringLiteral("lblPlaceShown")).contains(QStringLiteral("UTC+05:30")));
        QVERIFY(fake_->settingWrites.isEmpty());
    }

    // A birth place the look-up chose keeps its zone, so that today is read in today's offset
    // (London's summer time, whatever the birth's); edited by hand it is a fixed offset again.
    void theLookUpsBirthPlaceKeepsItsZone() {
        fill(BirthData{});
        places::PlaceFormValues london;
        london.city = "London";
        london.country = "United Kingdom";
        london.timeZoneId = "Europe/London";
        london.zoneHour = "+0";
        london.zoneMinute = "00";
        london.latitudeDegrees = "51";
        london.latitudeMinutes = "30";
        london.longitudeDegrees = "0";
        london.longitudeMinutes = "7";
        london.longitudeEast = false;
        find<BirthFormPanel>(QStringLiteral("fraMain"))->SetPlace(london);
        calculate();
        find<QPushButton>(QStringLiteral("cmdBirdsDay"))->click();
        QCOMPARE(day()->Place().timeZoneId, QStringLiteral("Europe/London"));
        QCOMPARE(day()->Place().name, QStringLiteral("London, United Kingdom"));
        day()->close();

        find<QPushButton>(QStringLiteral("cmdBack"))->click();
        QTest::keyClicks(edit(QStringLiteral("txtMCity")), QStringLiteral(" City"));
        calculate();
        find<QPushButton>(QStringLiteral("cmdBirdsDay"))->click();
        QCOMPARE(day()->Place().name, QStringLiteral("London City, United Kingdom"));
        QCOMPARE(day()->Place().timeZoneId, QString());
        QCOMPARE(day()->Place().utcOffsetHours, 0.0);
    }

    // From the menu without a reading: the first bird at the default place; a star and a
    // fortnight choose the bird as the reading would (Pushya: Crow when bright, Cock when dark).
    void opensFromTheMenuAndFindsTheBirdFromAStar() {
        openFromMenu();
        QVERIFY(day()->isVisible());
        QCOMPARE(day()->Shown().schedule.bird, Bird::Vulture);
        QCOMPARE(day()->Place(), DefaultDayPlace());
        auto* star = inDay<QComboBox>(QStringLiteral("cboStar"));
        auto* fortnight = inDay<QComboBox>(QStringLiteral("cboFortnight"));
        star->setCurrentIndex(int(IndexOf(Star::Pushya)) + 1);
        for (const auto& [index, bird] : {std::pair{0, Bird::Owl}, {1, Bird::Cock}}) {
            fortnight->setCurrentIndex(index);
            emit fortnight->activated(index);
            QCOMPARE(day()->Shown().schedule.bird, bird);
        }
    }

    // The book's worked example: on 31 October 1984, a bright Wednesday, the Cock sleeps in the
    // second day period and dies in the third. At 09:00 at Chennai the second is current.
    void marksTheCurrentPeriodAndLooksAgainAtItsEnd() {
        fake_->now = Utc(1984, 10, 31, 3, 30);
        openFromMenu();
        typePlace(QStringLiteral("13.08"), QStringLiteral("80.27"), QStringLiteral("+5:30"));
        auto* bird = inDay<QComboBox>(QStringLiteral("cboBird"));
        bird->setCurrentIndex(int(IndexOf(Bird::Cock)));
        emit bird->activated(bird->currentIndex());
        QCOMPARE(inDay<QDateEdit>(QStringLiteral("dtpDay"))->date(), QDate(1984, 10, 31));
        QCOMPARE(text(QStringLiteral("lblWeekday")), QStringLiteral("Wednesday"));
        QCOMPARE(text(QStringLiteral("lblFortnight")), QStringLiteral("Shukla Paksha"));
        QCOMPARE(periods()->topLevelItemCount(), 10);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(periods()->topLevelItem(i)->childCount(), 5);
        }
        QVERIFY(periods()->topLevelItem(1)->text(2).endsWith(QStringLiteral("Sleeping")));
        QVERIFY(periods()->topLevelItem(2)->text(2).endsWith(QStringLiteral("Dying")));
        const QPair<int, int> now = marked();
        QCOMPARE(now.first, 1);
        QVERIFY(now.second >= 0);

        // The timer waits for the end of the current sub-period, then marks the next.
        const SubPeriod& sub = (*day()->Shown().schedule.periods)[1].subPeriods[std::size_t(now.second)];
        const QDateTime end = QDateTime::fromMSecsSinceEpoch(
            qint64(std::llround((sub.endUT - 2440587.5) * 86400000.0)), Qt::UTC);
        auto* timer = inDay<QTimer>(QStringLiteral("tmrBoundary"));
        QVERIFY(timer->isActive() && timer->isSingleShot());
        QVERIFY(std::abs(timer->interval() - fake_->now.msecsTo(end)) <= 2);
        fake_->now = end.addMSecs(1);
        timer->start(0);
        QTRY_VERIFY(marked() != now);
        QCOMPARE(marked(), now.second < 4 ? qMakePair(1, now.second + 1) : qMakePair(2, 0));
    }

    // Before sunrise the present day is still the day before, in its night.
    void beforeSunriseTheNightOfTheDayBeforeIsCurrent() {
        fake_->now = Utc(1984, 10, 30, 20, 0); // 01:30 at Chennai on the 31st
        openFromMenu();
        typePlace(QStringLiteral("13.08"), QStringLiteral("80.27"), QStringLiteral("+5:30"));
        inDay<QPushButton>(QStringLiteral("cmdToday"))->click();
        QCOMPARE(inDay<QDateEdit>(QStringLiteral("dtpDay"))->date(), QDate(1984, 10, 30));
        QVERIFY(marked().first >= 5);
        // A day gone by shows nothing current and needs no timer.
        chooseDate(QDate(1984, 10, 20));
        QCOMPARE(marked().first, -1);
        QVERIFY(!inDay<QTimer>(QStringLiteral("tmrBoundary"))->isActive());
    }

    // Coordinates typed in are remembered, and the next window starts there; values that are not
    // a place are refused with a message, the field to correct focused and nothing stored.
    void remembersThePlaceAndRefusesWhatIsNoPlace() {
        openFromMenu();
        typePlace(QStringLiteral("-33.87"), QStringLiteral("151.21"), QStringLiteral("+10"));
        QCOMPARE(fake_->settings.value(QStringLiteral("DayPlaceLatitude")), QStringLiteral("-33.8700"));
        frmBirdsDay again(*fake_, Language::English, nullptr);
        QCOMPARE(again.Place().latitudeDeg, -33.87);
        QCOMPARE(again.Place().utcOffsetHours, 10.0);

        const int writes = int(fake_->settingWrites.size());
        const struct {
            const char* latitude;
            const char* longitude;
            const char* offset;
            const char* field;
        } refused[] = {{"91", "0", "0", "txtLatitude"},     {"nan", "0", "0", "txtLatitude"},
                       {"0", "180.5", "0", "txtLongitude"}, {"0", "1e400", "0", "txtLongitude"},
                       {"0", "0", "+14:30", "txtOffset"},   {"0", "0", "5:60", "txtOffset"},
                       {"0", "0", "-12.5", "txtOffset"},    {"0", "0", "UTC", "txtOffset"}};
        for (const auto& row : refused) {
            fake_->messages.clear();
            typePlace(QString::fromLatin1(row.latitude), QString::fromLatin1(row.longitude),
                      QString::fromLatin1(row.offset));
            QCOMPARE(fake_->messages.size(), 1);
            QCOMPARE(day()->focusWidget(), inDay(QString::fromLatin1(row.field)));
        }
        QCOMPARE(fake_->settingWrites.size(), writes);
        QCOMPARE(day()->Place().latitudeDeg, -33.87);
        fake_->messages.clear();
    }

    // Stored values that are not a place leave the default place, a path for a zone included.
    void ignoresARememberedPlaceThatIsNone() {
        const QMap<QString, QString> good{{QStringLiteral("DayPlaceLatitude"), QStringLiteral("51.5")},
                                          {QStringLiteral("DayPlaceLongitude"), QStringLiteral("-0.12")},
                                          {QStringLiteral("DayPlaceTimeZone"), QStringLiteral("")},
                                          {QStringLiteral("DayPlaceUtcOffset"), QStringLiteral("0")}};
        const QPair<QString, QString> spoilt[] = {
            {QStringLiteral("DayPlaceLatitude"), QStringLiteral("95")},
            {QStringLiteral("DayPlaceLongitude"), QStringLiteral("")},
            {QStringLiteral("DayPlaceUtcOffset"), QStringLiteral("inf")},
            {QStringLiteral("DayPlaceTimeZone"), QStringLiteral("../../etc/passwd")}};
        fake_->settings = good;
        QCOMPARE(frmBirdsDay(*fake_, Language::English, nullptr).Place().latitudeDeg, 51.5);
        for (const auto& [key, value] : spoilt) {
            fake_->settings = good;
            fake_->settings.insert(key, value);
            QCOMPARE(frmBirdsDay(*fake_, Language::English, nullptr).Place(), DefaultDayPlace());
        }
        QVERIFY(fake_->messages.isEmpty());
    }

    // Offsets as people type them.
    void readsTypedOffsets() {
        const struct {
            const char* text;
            double hours;
        } accepted[] = {{"+5:30", 5.5}, {"-3:30", -3.5},  {"5", 5.0},    {" -0:30 ", -0.5},
                        {"5.75", 5.75}, {"+14:00", 14.0}, {"-12", -12.0}};
        for (const auto& row : accepted) {
            QCOMPARE(ParseUtcOffset(QString::fromLatin1(row.text)), std::optional(row.hours));
        }
    }

    // A zone from the database keeps each date's own offset: London's clocks go forward on
    // 31 March 2024, and the Sun rises there at 05:40 GMT the day before and 06:38 BST that day.
    void aZoneGivesEachDateItsOwnOffset() {
        fake_->settings = {{QStringLiteral("DayPlaceName"), QStringLiteral("London")},
                           {QStringLiteral("DayPlaceLatitude"), QStringLiteral("51.5072")},
                           {QStringLiteral("DayPlaceLongitude"), QStringLiteral("-0.1276")},
                           {QStringLiteral("DayPlaceTimeZone"), QStringLiteral("Europe/London")},
                           {QStringLiteral("DayPlaceUtcOffset"), QStringLiteral("0")}};
        openFromMenu();
        QCOMPARE(day()->Place().timeZoneId, QStringLiteral("Europe/London"));
        for (const auto& [date, offset, sunrise] : {std::tuple{QDate(2024, 3, 30), "UTC+00:00", "05:40"},
                                                    {QDate(2024, 3, 31), "UTC+01:00", "06:38"}}) {
            chooseDate(date);
            QVERIFY2(text(QStringLiteral("lblPlaceShown")).endsWith(QLatin1String(offset)),
                     qPrintable(text(QStringLiteral("lblPlaceShown"))));
            const QTime shown =
                QTime::fromString(text(QStringLiteral("lblSunrise")), QStringLiteral("HH:mm"));
            QVERIFY2(std::abs(shown.secsTo(
                         QTime::fromString(QLatin1String(sunrise), QStringLiteral("HH:mm")))) <= 60,
                     qPrintable(text(QStringLiteral("lblSunrise"))));
        }
    }

    // Where the Sun stays up all summer the day says so, shows no periods, and finds no ruling.
    void aPolarDayIsSaidPlainly() {
        fake_->now = Utc(2024, 6, 21, 10, 0);
        openFromMenu();
        typePlace(QStringLiteral("78.22"), QStringLiteral("15.65"), QStringLiteral("+2"));
        QVERIFY(text(QStringLiteral("lblSun")).contains(QStringLiteral("polar day")));
        QCOMPARE(periods()->topLevelItemCount(), 0);
        QVERIFY(!inDay(QStringLiteral("picTimeline"))->isVisible());
        QVERIFY(text(QStringLiteral("lblNextRule")).contains(QStringLiteral("does not rule")));
    }

    // Esc closes the window; the menu opens the same window again.
    void escapeClosesIt() {
        openFromMenu();
        frmBirdsDay* first = day();
        QTest::keyClick(first, Qt::Key_Escape);
        QVERIFY(!first->isVisible());
        openFromMenu();
        QCOMPARE(day(), first);
        QVERIFY(first->isVisible());
    }

    // Every control can be reached by its mnemonic or tab, and has a name a screen reader says.
    void everyPartIsNamed() {
        openFromMenu();
        for (QWidget* widget : day()->findChildren<QWidget*>()) {
            if (qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                qobject_cast<QAbstractButton*>(widget) || qobject_cast<QTreeWidget*>(widget)) {
                if (widget->parentWidget()->inherits("QComboBox") ||
                    widget->objectName().startsWith(QLatin1String("qt_"))) {
                    continue;
                }
                QVERIFY2(!widget->objectName().isEmpty(), widget->metaObject()->className());
                const bool named = !widget->accessibleName().isEmpty() ||
                                   (qobject_cast<QAbstractButton*>(widget) &&
                                    !qobject_cast<QAbstractButton*>(widget)->text().isEmpty());
                const QList<QLabel*> labels = day()->findChildren<QLabel*>();
                const bool labelled =
                    std::any_of(labels.cbegin(), labels.cend(),
                                [widget](const QLabel* label) { return label->buddy() == widget; });
                QVERIFY2(named || labelled, qPrintable(widget->objectName()));
            }
        }
        QVERIFY(!inDay(QStringLiteral("picTimeline"))->accessibleName().isEmpty());

        // Tab goes down the controls, each field before its button, then through the day.
        QStringList chain;
        QWidget* widget = inDay(QStringLiteral("cboBird"));
        do {
            if (widget->focusPolicy() & Qt::TabFocus && widget->isVisible() &&
                !widget->objectName().startsWith(QLatin1String("qt_"))) { // a date edit's own line
                chain << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        } while (widget != inDay(QStringLiteral("cboBird")));
        QCOMPARE(chain, (QStringList{"cboBird", "cboStar", "cboFortnight", "dtpDay", "cmdToday", "txtPlace",
                                     "cmdFindPlace", "txtLatitude", "txtLongitude", "txtOffset",
                                     "cmdUseTyped", "tabViews", "chkSubPeriods", "lstPeriods", "cmdPrint",
                                     "cmdExportPdf", "cmdClose"}));
        day()->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), day());
        QTest::keyClick(day(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(day()->focusWidget(), inDay(QStringLiteral("txtPlace")));
    }

    // The plan beside the day: the window's bird and place, and a window chosen shows its day.
    void plansAndShowsTheChosenDay() {
        fake_->now = Utc(2024, 3, 28, 9, 0);
        fake_->today = QDate(2024, 3, 28);
        openFromMenu();
        day()->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), day());
        auto* tabs = inDay<QTabWidget>(QStringLiteral("tabViews"));
        QTest::keyClick(day(), Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(tabs->currentWidget()->objectName(), QStringLiteral("planView"));
        QVERIFY(!inDay<QPushButton>(QStringLiteral("cmdPrint"))->isEnabled());

        // Down the plan's controls after the tabs, then the list and its buttons.
        QStringList chain;
        QWidget* widget = tabs;
        do {
            if (widget->focusPolicy() & Qt::TabFocus && widget->isVisible() && widget->isEnabled() &&
                !widget->objectName().startsWith(QLatin1String("qt_"))) {
                chain << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        } while (widget != inDay(QStringLiteral("cmdClose")));
        QCOMPARE(chain, (QStringList{"tabViews", "dtpFrom", "dtpTo", "cboCondition", "cmdTheirReading",
                                     "chkWaking", "tmeWakeFrom", "tmeWakeTo", "cboDays", "spnMinMinutes",
                                     "cmdFind", "lstPlan", "chkReminder"}));

        inDay<QPushButton>(QStringLiteral("cmdFind"))->click();
        auto* plan = inDay<QTreeWidget>(QStringLiteral("lstPlan"));
        QVERIFY(plan->topLevelItemCount() >= 2);
        QTreeWidgetItem* heading = plan->topLevelItem(1);
        plan->setCurrentItem(heading->child(0));
        plan->setFocus();
        QTest::keyClick(plan, Qt::Key_Return);
        QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("dayView"));
        QCOMPARE(inDay<QDateEdit>(QStringLiteral("dtpDay"))->date().toString(Qt::ISODate),
                 heading->text(0).left(10));
        QVERIFY(inDay<QPushButton>(QStringLiteral("cmdPrint"))->isEnabled());

        // Another date keeps the plan; another bird puts it away.
        QCOMPARE(plan->topLevelItemCount() >= 2, true);
        auto* bird = inDay<QComboBox>(QStringLiteral("cboBird"));
        bird->setCurrentIndex((bird->currentIndex() + 1) % bird->count());
        emit bird->activated(bird->currentIndex());
        QCOMPARE(plan->topLevelItemCount(), 0);
    }

    // In Tamil: the captions of the translation and the activities of the glossary.
    void speaksTamil() {
        window_->SetLanguage(Language::Tamil);
        openFromMenu();
        QVERIFY(day()->windowTitle() != QStringLiteral("Your Bird's Day"));
        QCOMPARE(text(QStringLiteral("lblLegend0")), QStringLiteral("அ  அரசு"));
        QCOMPARE(text(QStringLiteral("lblLegend4")), QStringLiteral("சா  சாவு"));
        QVERIFY(inDay<QPushButton>(QStringLiteral("cmdClose"))->text() != QStringLiteral("C&lose"));
        window_->SetLanguage(Language::English);
        QCOMPARE(day()->windowTitle(), QStringLiteral("Your Bird's Day"));
        QCOMPARE(text(QStringLiteral("lblLegend0")), QStringLiteral("R  Ruling"));
    }

    // The PDF of the day is written whole; a folder that cannot be written gets a message.
    void exportsTheDayAsPdf() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("day.pdf"));
        fake_->saveFileAnswers = {path, folder.filePath(QStringLiteral("missing/day.pdf"))};
        openFromMenu();
        inDay<QPushButton>(QStringLiteral("cmdExportPdf"))->click();
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(fake_->messages.isEmpty());
        inDay<QPushButton>(QStringLiteral("cmdExportPdf"))->click();
        QCOMPARE(fake_->messages.size(), 1);
        QVERIFY(fake_->messages.front().text.startsWith(QStringLiteral("The day could not be exported")));
        fake_->messages.clear();
    }
};

} // namespace velmora::testing

QTEST_MAIN(velmora::testing::BirdsDayTest)
#include "birds_day_test.moc"
