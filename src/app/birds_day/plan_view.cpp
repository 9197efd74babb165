#include "app/birds_day/plan_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTextDocument>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <array>

#include "app/birds_day/day_controls.h"
#include "app/birds_day/day_text.h"
#include "app/birds_day/plan_report.h"
#include "app/message_text.h"
#include "app/reading_files.h"
#include "app/reading_sharing.h"
#include "app/translation.h"
#include "app/widget_style.h"
#include "files/file_failure.h"
#include "files/replace_file.h"
#include "icalendar/plan_calendar.h"
#include "planner/plan_range.h"
#include "planner/planner.h"
#include "platform/platform.h"
#include "reading/reading_session.h"
#include "texts/moment_text.h"

namespace velmora {

namespace {

const char* const kContext = "velmora::PlanView";

constexpr int kDefaultRangeDays = 28;

// The conditions offered, in plain words, in the list's order.
enum ConditionChoice { kRulingOrEating, kStrong, kTheirsWeak };
constexpr std::array kConditionNames{QT_TRANSLATE_NOOP("velmora::PlanView", "ruling or eating"),
                                     QT_TRANSLATE_NOOP("velmora::PlanView", "strong"),
                                     QT_TRANSLATE_NOOP("velmora::PlanView", "my bird strong, theirs weak")};
constexpr std::array kDaysNames{QT_TRANSLATE_NOOP("velmora::PlanView", "Leave out my bird's death days"),
                                QT_TRANSLATE_NOOP("velmora::PlanView", "My bird's ruling days only"),
                                QT_TRANSLATE_NOOP("velmora::PlanView", "Every day")};
constexpr std::array kDaysChoices{PlanDays::LeaveOutDeathDays, PlanDays::RulingDaysOnly, PlanDays::All};

constexpr double kDefaultStrongest = 0.5;
constexpr int kDefaultReminderMinutes = 15;
constexpr int kMostMinutes = 1440;

int MinuteOf(QTime time) {
    return time.hour() * 60 + time.minute();
}

QString Translated(const char* source) {
    return QCoreApplication::translate(kContext, source);
}

QTimeEdit* TimeEdit(QWidget* parent, const char* name, QTime time, const char* accessibleName) {
    auto* edit = Named(new QTimeEdit(time, parent), QString::fromLatin1(name));
    edit->setDisplayFormat(QStringLiteral("HH:mm"));
    SetAccessibleCaption(edit, kContext, accessibleName);
    return edit;
}

} // namespace

PlanView::PlanView(Platform& platform, Language language, QWidget* parent)
    : QWidget(parent), platform_(platform), language_(language) {
    setObjectName(QStringLiteral("planView"));
    auto* column = new QVBoxLayout(this);
    createControls();
    lstPlan_ = new PlanList(this);
    column->addWidget(lstPlan_, 1);
    createButtons();
    fillChoices();
    enableChoices();
    connect(lstPlan_, &PlanList::dayChosen, this, &PlanView::dayChosen);
    connect(lstPlan_, &QTreeWidget::currentItemChanged, this,
            [this] { cmdShowDay_->setEnabled(lstPlan_->CurrentDate().has_value()); });
}

void PlanView::createControls() {
    auto* grid = new QGridLayout;
    const QDate today = platform_.Today();
    dtpFrom_ = Named(new QDateEdit(today, this), QStringLiteral("dtpFrom"));
    dtpTo_ = Named(new QDateEdit(today.addDays(kDefaultRangeDays), this), QStringLiteral("dtpTo"));
    for (QDateEdit* date : {dtpFrom_, dtpTo_}) {
        date->setCalendarPopup(true);
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        date->setDateRange(kFirstServedDate, kLastServedDate);
    }
    cboCondition_ = Named(new QComboBox(this), QStringLiteral("cboCondition"));
    spnStrength_ = Named(new QDoubleSpinBox(this), QStringLiteral("spnStrength"));
    spnStrength_->setRange(0.0, 1.0);
    spnStrength_->setSingleStep(0.05);
    spnStrength_->setDecimals(2);
    spnStrength_->setValue(kDefaultStrongest);
    cboTheirBird_ = Named(new QComboBox(this), QStringLiteral("cboTheirBird"));
    cmdTheirReading_ = DayButton(this, kContext, "cmdTheirReading", QT_TR_NOOP("From a Sa&ved Reading..."));
    SetAccessibleCaption(cmdTheirReading_, kContext, QT_TR_NOOP("Their bird from a saved reading"));
    chkWaking_ = Captioned(Named(new QCheckBox(this), QStringLiteral("chkWaking")), kContext,
                           QT_TR_NOOP("Only in my wa&king hours, from"));
    chkWaking_->setChecked(true);
    tmeWakeFrom_ = TimeEdit(this, "tmeWakeFrom", QTime(7, 0), QT_TR_NOOP("Waking hours from"));
    tmeWakeTo_ = TimeEdit(this, "tmeWakeTo", QTime(22, 0), QT_TR_NOOP("Waking hours until"));
    cboDays_ = Named(new QComboBox(this), QStringLiteral("cboDays"));
    spnMinMinutes_ = Named(new QSpinBox(this), QStringLiteral("spnMinMinutes"));
    spnMinMinutes_->setRange(1, kMostMinutes);
    spnMinMinutes_->setValue(10);

    grid->addWidget(DayCaption(this, kContext, "lblFrom", QT_TR_NOOP("Fro&m:"), dtpFrom_), 0, 0);
    grid->addWidget(dtpFrom_, 0, 1);
    grid->addWidget(DayCaption(this, kContext, "lblTo", QT_TR_NOOP("T&o:"), dtpTo_), 0, 2);
    grid->addWidget(dtpTo_, 0, 3);
    grid->addWidget(DayCaption(this, kContext, "lblCondition", QT_TR_NOOP("Good &when:"), cboCondition_), 1,
                    0);
    grid->addWidget(cboCondition_, 1, 1);
    grid->addWidget(
        DayCaption(this, kContext, "lblStrength", QT_TR_NOOP("Stren&gth at least:"), spnStrength_), 1, 2);
    grid->addWidget(spnStrength_, 1, 3);
    grid->addWidget(DayCaption(this, kContext, "lblTheirBird", QT_TR_NOOP("Their b&ird:"), cboTheirBird_), 2,
                    0);
    grid->addWidget(cboTheirBird_, 2, 1);
    grid->addWidget(cmdTheirReading_, 2, 2, 1, 2);
    auto* waking = new QHBoxLayout;
    waking->addWidget(chkWaking_);
    waking->addWidget(tmeWakeFrom_);
    waking->addWidget(
        Captioned(Named(new QLabel(this), QStringLiteral("lblWakeTo")), kContext, QT_TR_NOOP("until")));
    waking->addWidget(tmeWakeTo_);
    waking->addStretch(1);
    grid->addLayout(waking, 3, 0, 1, 4);
    grid->addWidget(DayCaption(this, kContext, "lblDays", QT_TR_NOOP("Days:"), cboDays_), 4, 0);
    grid->addWidget(cboDays_, 4, 1);
    grid->addWidget(
        DayCaption(this, kContext, "lblMinMinutes", QT_TR_NOOP("Shortest (minutes):"), spnMinMinutes_), 4, 2);
    grid->addWidget(spnMinMinutes_, 4, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);

    auto* findRow = new QHBoxLayout;
    cmdFind_ = Captioned(Named(new QPushButton(this), QStringLiteral("cmdFind")), kContext,
                         QT_TR_NOOP("Find the Good Times"));
    lblFound_ = Named(new QLabel(this), QStringLiteral("lblFound"));
    lblFound_->setTextFormat(Qt::PlainText);
    lblFound_->setWordWrap(true);
    findRow->addWidget(cmdFind_);
    findRow->addWidget(lblFound_, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(findRow);

    connect(cboCondition_, &QComboBox::currentIndexChanged, this, &PlanView::enableChoices);
    connect(chkWaking_, &QCheckBox::toggled, this, &PlanView::enableChoices);
    connect(cmdFind_, &QPushButton::clicked, this, &PlanView::findTimes);
    connect(cmdTheirReading_, &QPushButton::clicked, this, &PlanView::chooseTheirReading);
}

void PlanView::createButtons() {
    auto* row = new QHBoxLayout;
    chkReminder_ = Captioned(Named(new QCheckBox(this), QStringLiteral("chkReminder")), kContext,
                             QT_TR_NOOP("Remind me, minutes before:"));
    spnReminder_ = Named(new QSpinBox(this), QStringLiteral("spnReminder"));
    spnReminder_->setRange(0, kMostMinutes);
    spnReminder_->setValue(kDefaultReminderMinutes);
    SetAccessibleCaption(spnReminder_, kContext, QT_TR_NOOP("Minutes before each good time to remind me"));
    cmdShowDay_ = DayButton(this, kContext, "cmdShowDay", QT_TR_NOOP("Show the Day"));
    cmdExport_ = DayButton(this, kContext, "cmdExportCalendar", QT_TR_NOOP("E&xport to Calendar..."));
    cmdPrint_ = DayButton(this, kContext, "cmdPrintPlan", QT_TR_NOOP("&Print the List..."));
    row->addWidget(chkReminder_);
    row->addWidget(spnReminder_);
    row->addStretch(1);
    for (QPushButton* button : {cmdShowDay_, cmdExport_, cmdPrint_}) {
        row->addWidget(button);
        button->setEnabled(false);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(chkReminder_, &QCheckBox::toggled, this, &PlanView::enableChoices);
    connect(cmdShowDay_, &QPushButton::clicked, this, [this] {
        if (const auto date = lstPlan_->CurrentDate()) {
            emit dayChosen(*date);
        }
    });
    connect(cmdExport_, &QPushButton::clicked, this, &PlanView::exportCalendar);
    connect(cmdPrint_, &QPushButton::clicked, this, &PlanView::print);
}

// The choices' words in the window's language; the choices stay.
void PlanView::fillChoices() {
    const int condition = std::max(0, cboCondition_->currentIndex());
    const int days = std::max(0, cboDays_->currentIndex());
    const int bird = std::max(0, cboTheirBird_->currentIndex());
    cboCondition_->clear();
    for (const char* name : kConditionNames) {
        cboCondition_->addItem(Translated(name));
    }
    cboDays_->clear();
    for (const char* name : kDaysNames) {
        cboDays_->addItem(Translated(name));
    }
    cboTheirBird_->clear();
    for (std::string_view name : TextsOf(language_).birdNames) {
        cboTheirBird_->addItem(FromCore(name, language_));
    }
    cboCondition_->setCurrentIndex(condition);
    cboDays_->setCurrentIndex(days);
    cboTheirBird_->setCurrentIndex(bird);
}

void PlanView::enableChoices() {
    spnStrength_->setEnabled(cboCondition_->currentIndex() == kStrong);
    cboTheirBird_->setEnabled(cboCondition_->currentIndex() == kTheirsWeak);
    tmeWakeFrom_->setEnabled(chkWaking_->isChecked());
    tmeWakeTo_->setEnabled(chkWaking_->isChecked());
    spnReminder_->setEnabled(chkReminder_->isChecked());
}

// Enter in any of the plan's fields finds the times; the window's own fields keep their Enter.
void PlanView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        qobject_cast<QPushButton*>(focusWidget()) == nullptr) {
        findTimes();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PlanView::SetSubject(PlanSubject subject) {
    const bool same = subject.bird == subject_.bird && subject.latitudeDeg == subject_.latitudeDeg &&
                      subject.longitudeDeg == subject_.longitudeDeg && subject.clock == subject_.clock &&
                      subject.placeText == subject_.placeText;
    subject_ = std::move(subject);
    if (same) {
        return;
    }
    shown_.reset();
    showPlan();
}

void PlanView::SetLanguage(Language language) {
    language_ = language;
    RetranslateCaptions(this);
    lstPlan_->SetHeaders();
    fillChoices();
    showPlan();
}

void PlanView::showPlan() {
    const bool found = shown_ && !shown_->windows.empty();
    if (shown_ && subject_.clock) {
        lstPlan_->Show(*shown_, *subject_.clock, language_);
        lblFound_->setText(found ? tr("Good times from %1 to %2: %3")
                                       .arg(QString::fromStdString(DateText(shown_->from)),
                                            QString::fromStdString(DateText(shown_->to)))
                                       .arg(shown_->windows.size())
                                 : FromCore(TextsOf(language_).planLabels.noWindows, language_));
    } else {
        lstPlan_->clear();
        lblFound_->clear();
    }
    cmdExport_->setEnabled(found);
    cmdPrint_->setEnabled(shown_.has_value());
    cmdShowDay_->setEnabled(lstPlan_->CurrentDate().has_value());
}

void PlanView::findTimes() {
    if (!subject_.clock) {
        return;
    }
    const std::chrono::year_month_day from = ToCivilDate(dtpFrom_->date());
    const std::chrono::year_month_day to = ToCivilDate(dtpTo_->date());
    const std::optional<int> dayCount = PlanDayCount(from, to);
    if (!dayCount) {
        platform_.ShowMessage(
            this,
            to < from ? tr("The first date, %1, is after the last, %2.")
                            .arg(QString::fromStdString(DateText(from)), QString::fromStdString(DateText(to)))
                      : tr("Please choose a last date less than ten years after the first."),
            MessageIcon::Error);
        return;
    }
    PlanCondition condition;
    switch (cboCondition_->currentIndex()) {
    case kStrong:
        // A strength alone asks nothing of the activities.
        condition.mainActivities = ActivitySet::All();
        condition.subActivities = ActivitySet::All();
        condition.minStrength = spnStrength_->value();
        break;
    case kTheirsWeak:
        condition.against = static_cast<Bird>(cboTheirBird_->currentIndex());
        break;
    default:
        break;
    }
    if (chkWaking_->isChecked()) {
        condition.wakingHours = WakingHours{MinuteOf(tmeWakeFrom_->time()), MinuteOf(tmeWakeTo_->time())};
    }
    condition.days = kDaysChoices.at(std::size_t(std::max(0, cboDays_->currentIndex())));
    condition.minMinutes = spnMinMinutes_->value();
    shown_ = ShownPlan{subject_.bird,
                       subject_.placeText,
                       from,
                       to,
                       condition,
                       PlanWindows(from, *dayCount, subject_.latitudeDeg, subject_.longitudeDeg,
                                   *subject_.clock, subject_.bird, condition)};
    showPlan();
    lstPlan_->setFocus();
}

void PlanView::chooseTheirReading() {
    const QString fileName = AskReadingToOpen(platform_, this);
    if (fileName.isEmpty()) {
        return;
    }
    ReadingSession session;
    if (!ReopenReadingFile(platform_, this, fileName, session, language_)) {
        return;
    }
    if (!session.Results().bird) {
        platform_.ShowMessage(this, tr("The reading in %1 names no bird.").arg(PathInMessage(fileName)),
                              MessageIcon::Error);
        return;
    }
    cboCondition_->setCurrentIndex(kTheirsWeak);
    cboTheirBird_->setCurrentIndex(int(IndexOf(session.Results().bird->bird)));
}

void PlanView::exportCalendar() {
    if (!shown_ || !subject_.clock) {
        return;
    }
    const QString fileName = platform_.GetSaveFileName(
        this, {tr("Export to Calendar"), tr("Calendar file (*.ics)"), QStringLiteral("ics")});
    if (fileName.isEmpty()) {
        return;
    }
    const PlanCalendarRequest request{
        shown_->bird, shown_->condition, language_,
        chkReminder_->isChecked() ? std::optional(spnReminder_->value()) : std::nullopt,
        std::chrono::sys_seconds{std::chrono::seconds{platform_.Now().toSecsSinceEpoch()}}};
    if (const auto failure = ReplaceFile(QFile::encodeName(fileName).toStdString(),
                                         PlanCalendarText(shown_->windows, *subject_.clock, request))) {
        platform_.ShowMessage(this,
                              tr("The calendar could not be saved to %1: %2")
                                  .arg(PathInMessage(fileName), FailureReason(*failure)),
                              MessageIcon::Error);
    }
}

void PlanView::print() {
    if (!shown_ || !subject_.clock) {
        return;
    }
    PrintReport(
        platform_, this, [this] { return BuildPlanReport(*shown_, *subject_.clock, language_); },
        tr("Velmora plan"), // the print job's name
        tr("Print the Plan"), tr("The plan could not be printed."));
}

} // namespace velmora
