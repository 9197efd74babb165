// The Plan view of "Your Bird's Day": its controls as a condition, the windows listed by day, the
// calendar file, the other party's bird from a saved reading, the keys and the Tamil captions.

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimeEdit>
#include <QTimeZone>
#include <QVBoxLayout>
#include <memory>

#include "app/birds_day/plan_report.h"
#include "app/birds_day/plan_view.h"
#include "app/translation.h"
#include "fake_platform.h"
#include "planner/stepping_clock.h"

using velmora::Activity;
using velmora::ActivitySet;
using velmora::Bird;
using velmora::Language;
using velmora::PlanDays;
using velmora::PlanList;
using velmora::PlanView;

Q_DECLARE_METATYPE(std::optional<Bird>)

namespace {

// London in spring 2024: the clocks go forward at 01:00 UT on 31 March.
constexpr double kLondonChangeUT = 2460400.5 + 1.0 / 24.0;
const QTimeZone kLondon("Europe/London");

// A moment as Qt's own time-zone database shows it in London.
QDateTime InLondon(double julianDateUT) {
    const auto seconds = qint64(std::llround((julianDateUT - 2440587.5) * 86400.0));
    return QDateTime::fromSecsSinceEpoch(seconds, kLondon);
}

QString LondonClock(double julianDateUT) {
    return InLondon(julianDateUT).addSecs(30).toString(QStringLiteral("HH:mm")); // to the nearest minute
}

} // namespace

class PlanViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<velmora::testing::FakePlatform> fake_;
    std::unique_ptr<QDialog> host_;
    PlanView* view_ = nullptr;

    template <class W> W* find(const char* name) const {
        W* widget = host_->findChild<W*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no widget %s", name);
        }
        return widget;
    }
    PlanList* list() const { return find<PlanList>("lstPlan"); }
    void findTimes() {
        QTest::mouseClick(find<QPushButton>("cmdFind"), Qt::LeftButton);
        QVERIFY(view_->Shown().has_value());
    }

private slots:
    void init() {
        fake_ = std::make_unique<velmora::testing::FakePlatform>();
        fake_->today = QDate(2024, 3, 28);
        host_ = std::make_unique<QDialog>();
        auto* column = new QVBoxLayout(host_.get());
        view_ = new PlanView(*fake_, Language::English, host_.get());
        column->addWidget(view_);
        view_->SetSubject({Bird::Peacock, 51.5074, -0.1278,
                           std::make_shared<velmora::SteppingClock>(0.0, 1.0, kLondonChangeUT),
                           QStringLiteral("London, United Kingdom")});
        host_->resize(900, 700);
        host_->show();
        QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
    }

    void cleanup() {
        QVERIFY2(fake_->unexpected.isEmpty(), qPrintable(fake_->unexpected.join(QLatin1Char('\n'))));
        host_.reset();
        velmora::InstallTranslation(Language::English);
    }

    void startsOnTodayForFourWeeks() {
        QCOMPARE(find<QDateEdit>("dtpFrom")->date(), QDate(2024, 3, 28));
        QCOMPARE(find<QDateEdit>("dtpTo")->date(), QDate(2024, 4, 25));
        QCOMPARE(list()->topLevelItemCount(), 0);
        QVERIFY(!find<QPushButton>("cmdExportCalendar")->isEnabled());
        QVERIFY(!find<QPushButton>("cmdPrintPlan")->isEnabled());
        QVERIFY(!find<QDoubleSpinBox>("spnStrength")->isEnabled());
        QVERIFY(!find<QComboBox>("cboTheirBird")->isEnabled());
    }

    void controlsMakeTheCondition_data() {
        QTest::addColumn<int>("choice"); // ruling or eating, strong, theirs weak
        QTest::addColumn<bool>("waking");
        QTest::addColumn<int>("daysChoice");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<bool>("anyActivity");
        QTest::addColumn<double>("minStrength");
        QTest::addColumn<std::optional<Bird>>("against");
        QTest::addColumn<PlanDays>("days");
        QTest::addRow("ruling or eating, waking hours")
            << 0 << true << 0 << 10 << false << 0.0 << std::optional<Bird>() << PlanDays::LeaveOutDeathDays;
        QTest::addRow("strong, ruling days only")
            << 1 << false << 1 << 30 << true << 0.75 << std::optional<Bird>() << PlanDays::RulingDaysOnly;
        QTest::addRow("theirs weak, every day")
            << 2 << true << 2 << 5 << false << 0.0 << std::optional<Bird>(Bird::Crow) << PlanDays::All;
    }
    void controlsMakeTheCondition() {
        QFETCH(int, choice);
        QFETCH(bool, waking);
        QFETCH(int, daysChoice);
        QFETCH(int, minutes);
        find<QComboBox>("cboCondition")->setCurrentIndex(choice);
        find<QDoubleSpinBox>("spnStrength")->setValue(0.75);
        find<QComboBox>("cboTheirBird")->setCurrentIndex(2); // the Crow, third in the list
        find<QCheckBox>("chkWaking")->setChecked(waking);
        find<QTimeEdit>("tmeWakeFrom")->setTime(QTime(6, 30));
        find<QTimeEdit>("tmeWakeTo")->setTime(QTime(23, 15));
        find<QComboBox>("cboDays")->setCurrentIndex(daysChoice);
        find<QSpinBox>("spnMinMinutes")->setValue(minutes);
        findTimes();

        const velmora::PlanCondition& got = view_->Shown()->condition;
        QFETCH(bool, anyActivity);
        const ActivitySet rulingOrEating{Activity::Ruling, Activity::Eating};
        QVERIFY(got.mainActivities == (anyActivity ? ActivitySet::All() : rulingOrEating));
        QVERIFY(got.subActivities == (anyActivity ? ActivitySet::All() : rulingOrEating));
        QTEST(got.minStrength, "minStrength");
        QTEST(got.against, "against");
        QCOMPARE(got.wakingHours.has_value(), waking);
        if (waking) {
            QCOMPARE(got.wakingHours->startMinute, 6 * 60 + 30);
            QCOMPARE(got.wakingHours->endMinute, 23 * 60 + 15);
        }
        QTEST(got.days, "days");
        QCOMPARE(got.minMinutes, double(minutes));
        QCOMPARE(view_->Shown()->from, std::chrono::year_month_day{std::chrono::year{2024} / 3 / 28});
        QCOMPARE(view_->Shown()->to, std::chrono::year_month_day{std::chrono::year{2024} / 4 / 25});
    }

    // Across the change of the clocks each window is listed under the London date it starts on,
    // with the times London's clocks showed.
    void listsWindowsUnderTheirLocalDate() {
        find<QDateEdit>("dtpTo")->setDate(QDate(2024, 4, 2));
        findTimes();
        const std::vector<velmora::PlanWindow>& windows = view_->Shown()->windows;
        QVERIFY(!windows.empty());
        std::size_t next = 0;
        bool afterChange = false;
        for (int day = 0; day < list()->topLevelItemCount(); ++day) {
            const QTreeWidgetItem* heading = list()->topLevelItem(day);
            QVERIFY(heading->childCount() > 0);
            for (int row = 0; row < heading->childCount(); ++row, ++next) {
                QVERIFY(next < windows.size());
                const velmora::PlanWindow& window = windows[next];
                const QDate date = InLondon(window.startUT).date();
                QCOMPARE(heading->text(0), date.toString(QStringLiteral("yyyy-MM-dd ")) +
                                               QLocale::c().dayName(date.dayOfWeek()));
                QCOMPARE(heading->child(row)->text(0), LondonClock(window.startUT));
                QCOMPARE(heading->child(row)->text(1), LondonClock(window.endUT));
                QCOMPARE(heading->child(row)->text(2), QString::number(window.minStrength, 'f', 2));
                QVERIFY(heading->child(row)->text(3).startsWith(QStringLiteral("Peacock: ")));
                afterChange = afterChange || window.startUT > kLondonChangeUT;
            }
        }
        QCOMPARE(next, windows.size());
        QVERIFY(afterChange);
        QCOMPARE(find<QLabel>("lblFound")->text(),
                 QStringLiteral("Good times from 2024-03-28 to 2024-04-02: %1").arg(windows.size()));
        QVERIFY(find<QPushButton>("cmdExportCalendar")->isEnabled());
    }

    void refusesABadRange_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("message");
        QTest::addRow("first after last") << QDate(2024, 4, 2) << QDate(2024, 4, 1)
                                          << "The first date, 2024-04-02, is after the last, 2024-04-01.";
        QTest::addRow("ten years") << QDate(2024, 1, 1) << QDate(2034, 1, 1)
                                   << "Please choose a last date less than ten years after the first.";
    }
    void refusesABadRange() {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        find<QDateEdit>("dtpFrom")->setDate(from);
        find<QDateEdit>("dtpTo")->setDate(to);
        QTest::mouseClick(find<QPushButton>("cmdFind"), Qt::LeftButton);
        QCOMPARE(fake_->messages.size(), 1);
        QTEST(fake_->messages[0].text, "message");
        QCOMPARE(fake_->messages[0].icon, velmora::MessageIcon::Error);
        QVERIFY(!view_->Shown().has_value());
    }

    void exportsTheCalendar() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan.ics"));
        find<QCheckBox>("chkReminder")->setChecked(true);
        findTimes();
        fake_->saveFileAnswers = {path};
        QTest::mouseClick(find<QPushButton>("cmdExportCalendar"), Qt::LeftButton);
        QVERIFY2(fake_->messages.isEmpty(), qPrintable(fake_->MessageTexts().join(QLatin1Char('\n'))));
        QCOMPARE(fake_->saveDialogs.size(), 1);
        QCOMPARE(fake_->saveDialogs[0].title, QStringLiteral("Export to Calendar"));
        QCOMPARE(fake_->saveDialogs[0].filter, QStringLiteral("Calendar file (*.ics)"));
        QCOMPARE(fake_->saveDialogs[0].defaultExtension, QStringLiteral("ics"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("BEGIN:VCALENDAR\r\n"));
        const auto windows = qsizetype(view_->Shown()->windows.size());
        QCOMPARE(text.count("BEGIN:VEVENT"), windows);
        QCOMPARE(text.count("TRIGGER:-PT15M"), windows);
        QVERIFY(text.contains("DTSTAMP:20240615T120000Z")); // the platform's present moment
        QVERIFY(text.contains("SUMMARY:Peacock: "));
    }

    void exportFailuresAreShown_data() {
        QTest::addColumn<QString>("name"); // in a temporary folder
        QTest::addColumn<QString>("message");
        QTest::addRow("missing folder") << "missing/plan.ics"
                                        << "The calendar could not be saved to %1: No such file or directory";
        QTest::addRow("a folder") << "."
                                  << "The calendar could not be saved to %1: it is not a regular file";
        QTest::addRow("cancelled") << ""
                                   << "";
    }
    void exportFailuresAreShown() {
        QTemporaryDir folder;
        QFETCH(QString, name);
        QFETCH(QString, message);
        const QString path = name.isEmpty() ? QString() : folder.filePath(name);
        findTimes();
        fake_->saveFileAnswers = {path};
        QTest::mouseClick(find<QPushButton>("cmdExportCalendar"), Qt::LeftButton);
        QCOMPARE(fake_->MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message.arg(path)});
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
    }

    void theirBirdFromASavedReading() {
        fake_->openFileAnswers = {QStringLiteral(VELMORA_EXAMPLE_READING),
                                  QStringLiteral("/nowhere/reading.tam")};
        QTest::mouseClick(find<QPushButton>("cmdTheirReading"), Qt::LeftButton);
        QVERIFY(fake_->messages.isEmpty());
        QCOMPARE(find<QComboBox>("cboCondition")->currentIndex(), 2);
        QCOMPARE(find<QComboBox>("cboTheirBird")->currentText(),
                 QStringLiteral("Cock")); // Pushya, dark fortnight
        findTimes();
        QCOMPARE(view_->Shown()->condition.against, std::optional(Bird::Cock));

        // A file that cannot be read is refused and leaves the choice as it was.
        QTest::mouseClick(find<QPushButton>("cmdTheirReading"), Qt::LeftButton);
        QCOMPARE(fake_->messages.size(), 1);
        QVERIFY(fake_->messages[0].text.startsWith(QStringLiteral("The reading could not be opened from")));
        QCOMPARE(find<QComboBox>("cboTheirBird")->currentText(), QStringLiteral("Cock"));
    }

    void choosingAWindowAsksForItsDay() {
        findTimes();
        QVERIFY(list()->topLevelItemCount() >= 2);
        QSignalSpy chosen(view_, &PlanView::dayChosen);
        QTreeWidgetItem* second = list()->topLevelItem(1)->child(0);
        list()->setCurrentItem(second);
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Return);
        QTest::mouseClick(find<QPushButton>("cmdShowDay"), Qt::LeftButton);
        QCOMPARE(chosen.size(), 2);
        const QDate date =
            QDate::fromString(list()->topLevelItem(1)->text(0).left(10), QStringLiteral("yyyy-MM-dd"));
        for (const QList<QVariant>& arguments : chosen) {
            const auto got = arguments.at(0).value<std::chrono::year_month_day>();
            QCOMPARE(QDate(int(got.year()), int(unsigned(got.month())), int(unsigned(got.day()))), date);
        }
    }

    void mnemonicsReachTheFields_data() {
        QTest::addColumn<char>("key");
        QTest::addColumn<QString>("field");
        QTest::addRow("from") << 'M' << "dtpFrom";
        QTest::addRow("to") << 'O' << "dtpTo";
        QTest::addRow("condition") << 'W' << "cboCondition";
        QTest::addRow("their bird") << 'I' << "cboTheirBird";
    }
    void mnemonicsReachTheFields() {
        QFETCH(char, key);
        QFETCH(QString, field);
        find<QComboBox>("cboCondition")->setCurrentIndex(2); // their bird can be chosen
        find<QPushButton>("cmdFind")->setFocus();
        QTest::keyClick(host_.get(), Qt::Key(key), Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), field);
    }

    // Enter in the plan's fields finds the times, and goes no further.
    void enterFindsTheTimes() {
        QSignalSpy accepted(host_.get(), &QDialog::accepted);
        for (const char* field : {"dtpTo", "cboDays", "spnMinMinutes"}) {
            view_->SetSubject({Bird::Owl, 13.0833, 80.2833, std::make_shared<velmora::FixedOffsetClock>(5.5),
                               QStringLiteral("Chennai")});
            QVERIFY(!view_->Shown().has_value());
            find<QWidget>(field)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY2(view_->Shown().has_value(), field);
            view_->SetSubject({Bird::Peacock, 0.0, 0.0, nullptr, QString()});
        }
        QCOMPARE(accepted.size(), 0);
    }

    // Every control the keyboard reaches says what it is.
    void everyControlIsNamed() {
        for (QWidget* widget : view_->findChildren<QWidget*>()) {
            if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(view_) ||
                widget->parentWidget() != view_) {
                continue;
            }
            QVERIFY2(!widget->objectName().isEmpty(), widget->metaObject()->className());
            bool named = !widget->accessibleName().isEmpty();
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                named = named || !button->text().isEmpty();
            }
            for (QLabel* label : view_->findChildren<QLabel*>()) {
                named = named || label->buddy() == widget;
            }
            QVERIFY2(named, qPrintable(widget->objectName()));
        }
    }

    void tamilCaptionsAndNames() {
        findTimes();
        velmora::InstallTranslation(Language::Tamil);
        view_->SetLanguage(Language::Tamil);
        // The glossary's terms.
        QVERIFY(find<QPushButton>("cmdExportCalendar")
                    ->text()
                    .startsWith(QStringLiteral("நாள்காட்டிக்கு ஏற்றுமதி செய்")));
        QVERIFY(find<QCheckBox>("chkWaking")->text().contains(QStringLiteral("விழித்திருக்கும் நேர")));
        QCOMPARE(find<QComboBox>("cboTheirBird")->itemText(4), QStringLiteral("மயில்"));
        const QTreeWidgetItem* first = list()->topLevelItem(0);
        QVERIFY(first->text(0).startsWith(QStringLiteral("2024-03-28 ")));
        QVERIFY(!first->text(0).contains(QStringLiteral("Thursday")));
        QVERIFY(first->child(0)->text(3).startsWith(QStringLiteral("மயில்: ")));
        QVERIFY(find<QLabel>("lblFound")->text().contains(QStringLiteral("நல்ல நேர")));
    }

    // The printed list names the plan and has every day's heading and window as the list does.
    void reportHoldsTheList() {
        find<QDateEdit>("dtpTo")->setDate(QDate(2024, 3, 31));
        findTimes();
        const velmora::SteppingClock clock(0.0, 1.0, kLondonChangeUT);
        const QString text =
            velmora::BuildPlanReport(*view_->Shown(), clock, Language::English)->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Best Times: Peacock")));
        QVERIFY(text.contains(QStringLiteral("London, United Kingdom")));
        QVERIFY(text.contains(QStringLiteral("2024-03-28 \u2013 2024-03-31")));
        QVERIFY(text.contains(QStringLiteral("07:00\u201322:00")));
        for (int day = 0; day < list()->topLevelItemCount(); ++day) {
            const QTreeWidgetItem* heading = list()->topLevelItem(day);
            QVERIFY(text.contains(heading->text(0)));
            for (int row = 0; row < heading->childCount(); ++row) {
                QVERIFY(text.contains(heading->child(row)->text(0) + QStringLiteral("\u2013") +
                                      heading->child(row)->text(1)));
            }
        }
    }
};

QTEST_MAIN(PlanViewTest)
#include "plan_view_test.moc"
