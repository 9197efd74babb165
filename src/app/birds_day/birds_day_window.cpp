#include "app/birds_day/birds_day_window.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/birds_day/day_controls.h"
#include "app/birds_day/day_report.h"
#include "app/birds_day/day_text.h"
#include "app/birds_day/day_view.h"
#include "app/birds_day/plan_view.h"
#include "app/links.h"
#include "app/location_lookup/location_lookup_loader.h"
#include "app/reading_sharing.h"
#include "app/translation.h"
#include "app/widget_style.h"
#include "ephemeris/calendar.h"
#include "platform/platform.h"
#include "texts/look_ups.h"
#include "texts/moment_text.h"

namespace velmora {

namespace {

const char* const kContext = "velmora::frmBirdsDay";

// How far ahead the next ruling period is looked for: a whole day always has one, so only a
// run of polar days needs more than the next day.
constexpr int kDaysLookedAhead = 31;

constexpr double kMillisecondsPerDay = 86400000.0;

constexpr const char* kTabOrder[] = {
    "cboBird",           "cboStar",         "cboFortnight", "dtpDay",       "cmdToday",     "txtPlace",
    "cmdFindPlace",      "txtLatitude",     "txtLongitude", "txtOffset",    "cmdUseTyped",  "tabViews",
    "chkSubPeriods",     "lstPeriods",      "dtpFrom",      "dtpTo",        "cboCondition", "spnStrength",
    "cboTheirBird",      "cmdTheirReading", "chkWaking",    "tmeWakeFrom",  "tmeWakeTo",    "cboDays",
    "spnMinMinutes",     "cmdFind",         "lstPlan",      "chkReminder",  "spnReminder",  "cmdShowDay",
    "cmdExportCalendar", "cmdPrintPlan",    "cmdPrint",     "cmdExportPdf", "cmdClose"};

// An angle as the place line shows it: decimal degrees (as typed) with the side in the window's language.
QString AngleText(double degrees, std::string_view positive, std::string_view negative, Language language) {
    return QStringLiteral("%1\u00b0 %2")
        .arg(QString::number(std::abs(degrees), 'f', 4),
             FromCore(degrees < 0.0 ? negative : positive, language));
}

} // namespace

frmBirdsDay::frmBirdsDay(Platform& platform, Language language, QWidget* parent)
    : QDialog(parent), platform_(platform), language_(language),
      place_(RememberedDayPlace(platform).value_or(DefaultDayPlace())) {
    setObjectName(QStringLiteral("frmBirdsDay"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);
    SetCaption(this, kContext, QT_TR_NOOP("Your Bird's Day"));

    tmrBoundary_ = new QTimer(this);
    tmrBoundary_->setObjectName(QStringLiteral("tmrBoundary"));
    tmrBoundary_->setSingleShot(true);
    connect(tmrBoundary_, &QTimer::timeout, this, &frmBirdsDay::markNow);

    new QVBoxLayout(this);
    createControls();
    createViews();
    createButtons();
    fillLists();
    createTabOrder();
    usePlace(place_);
    showToday();
}

// Down the controls row by row, each field before its button, then the day and the buttons.
void frmBirdsDay::createTabOrder() {
    QWidget* previous = nullptr;
    for (const char* name : kTabOrder) {
        QWidget* next = findChild<QWidget*>(QString::fromLatin1(name));
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
}

frmBirdsDay::~frmBirdsDay() = default;

// The day and the plan, one in front at a time; Ctrl+Tab goes from one to the other.
void frmBirdsDay::createViews() {
    tabViews_ = Named(new QTabWidget(this), QStringLiteral("tabViews"));
    dayView_ = new DayView(tabViews_);
    planView_ = new PlanView(platform_, language_, tabViews_);
    tabViews_->addTab(dayView_, QString());
    tabViews_->addTab(planView_, QString());
    captionTabs();
    static_cast<QVBoxLayout*>(layout())->addWidget(tabViews_, 1);
    connect(planView_, &PlanView::dayChosen, this, &frmBirdsDay::showPlannedDay);
    // Print and PDF are the day's; the plan prints its own list.
    connect(tabViews_, &QTabWidget::currentChanged, this, [this] {
        const bool dayInFront = tabViews_->currentWidget() == dayView_;
        cmdPrint_->setEnabled(dayInFront);
        cmdPdf_->setEnabled(dayInFront);
    });
}

void frmBirdsDay::captionTabs() {
    tabViews_->setTabText(0, tr("The Da&y"));
    tabViews_->setTabText(1, tr("Plan A&head"));
}

void frmBirdsDay::showPlannedDay(std::chrono::year_month_day date) {
    followsToday_ = false;
    {
        const QSignalBlocker quiet(dtpDay_);
        dtpDay_->setDate(std::clamp(ToQDate(date), kFirstServedDate, kLastServedDate));
    }
    refresh();
    tabViews_->setCurrentWidget(dayView_);
    dayView_->setFocus();
}

void frmBirdsDay::createControls() {
    auto* grid = new QGridLayout;
    cboBird_ = Named(new QComboBox(this), QStringLiteral("cboBird"));
    cboStar_ = Named(new QComboBox(this), QStringLiteral("cboStar"));
    cboFortnight_ = Named(new QComboBox(this), QStringLiteral("cboFortnight"));
    SetAccessibleCaption(cboFortnight_, kContext, QT_TR_NOOP("Fortnight of the birth"));
    dtpDay_ = Named(new QDateEdit(this), QStringLiteral("dtpDay"));
    dtpDay_->setCalendarPopup(true);
    dtpDay_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dtpDay_->setDateRange(kFirstServedDate, kLastServedDate);
    txtPlace_ = Named(new QLineEdit(this), QStringLiteral("txtPlace"));
    txtPlace_->setMaxLength(100);
    txtLatitude_ = Named(new QLineEdit(this), QStringLiteral("txtLatitude"));
    txtLongitude_ = Named(new QLineEdit(this), QStringLiteral("txtLongitude"));
    txtOffset_ = Named(new QLineEdit(this), QStringLiteral("txtOffset"));
    for (QLineEdit* number : {txtLatitude_, txtLongitude_, txtOffset_}) {
        number->setMaxLength(12);
    }
    SetAccessibleCaption(txtLatitude_, kContext, QT_TR_NOOP("Latitude in degrees, north positive"));
    SetAccessibleCaption(txtLongitude_, kContext, QT_TR_NOOP("Longitude in degrees, east positive"));
    SetAccessibleCaption(txtOffset_, kContext, QT_TR_NOOP("Offset from UTC, as +5:30"));

    QPushButton* cmdToday = DayButton(this, kContext, "cmdToday", QT_TR_NOOP("&Today"));
    QPushButton* cmdFindPlace = DayButton(this, kContext, "cmdFindPlace", QT_TR_NOOP("&Find..."));
    QPushButton* cmdUseTyped = DayButton(this, kContext, "cmdUseTyped", QT_TR_NOOP("&Use"));
    SetAccessibleCaption(cmdUseTyped, kContext, QT_TR_NOOP("Use the coordinates typed"));

    grid->addWidget(DayCaption(this, kContext, "lblBird", QT_TR_NOOP("&Bird:"), cboBird_), 0, 0);
    grid->addWidget(cboBird_, 0, 1);
    grid->addWidget(DayCaption(this, kContext, "lblStar", QT_TR_NOOP("or from &star:"), cboStar_), 0, 2);
    grid->addWidget(cboStar_, 0, 3);
    grid->addWidget(cboFortnight_, 0, 4, 1, 3);
    grid->addWidget(DayCaption(this, kContext, "lblDay", QT_TR_NOOP("&Date:"), dtpDay_), 1, 0);
    grid->addWidget(dtpDay_, 1, 1);
    grid->addWidget(cmdToday, 1, 2, Qt::AlignLeft);
    grid->addWidget(DayCaption(this, kContext, "lblPlace", QT_TR_NOOP("Pla&ce:"), txtPlace_), 2, 0);
    grid->addWidget(txtPlace_, 2, 1, 1, 5);
    grid->addWidget(cmdFindPlace, 2, 6);
    grid->addWidget(DayCaption(this, kContext, "lblLatitude", QT_TR_NOOP("L&atitude:"), txtLatitude_), 3, 0);
    grid->addWidget(txtLatitude_, 3, 1);
    grid->addWidget(DayCaption(this, kContext, "lblLongitude", QT_TR_NOOP("Lo&ngitude:"), txtLongitude_), 3,
                    2);
    grid->addWidget(txtLongitude_, 3, 3);
    grid->addWidget(DayCaption(this, kContext, "lblOffset", QT_TR_NOOP("&Zone (UTC):"), txtOffset_), 3, 4);
    grid->addWidget(txtOffset_, 3, 5);
    grid->addWidget(cmdUseTyped, 3, 6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);

    connect(cboBird_, &QComboBox::activated, this, [this] {
        cboStar_->setCurrentIndex(0);
        refresh();
    });
    const auto fromStar = [this] {
        if (cboStar_->currentIndex() > 0) {
            const RulingBird found = LookUpRulingBird(Star(cboStar_->currentIndex() - 1),
                                                      Fortnight(std::max(0, cboFortnight_->currentIndex())));
            cboBird_->setCurrentIndex(int(IndexOf(found.bird)));
            refresh();
        }
    };
    connect(cboStar_, &QComboBox::activated, this, fromStar);
    connect(cboFortnight_, &QComboBox::activated, this, fromStar);
    connect(dtpDay_, &QDateEdit::userDateChanged, this, [this] {
        followsToday_ = false;
        refresh();
    });
    connect(cmdToday, &QPushButton::clicked, this, &frmBirdsDay::showToday);
    connect(cmdFindPlace, &QPushButton::clicked, this, &frmBirdsDay::lookUpPlace);
    connect(txtPlace_, &QLineEdit::returnPressed, this, &frmBirdsDay::lookUpPlace);
    connect(cmdUseTyped, &QPushButton::clicked, this, &frmBirdsDay::useTypedPlace);
    for (QLineEdit* number : {txtLatitude_, txtLongitude_, txtOffset_}) {
        connect(number, &QLineEdit::returnPressed, this, &frmBirdsDay::useTypedPlace);
    }
}

void frmBirdsDay::createButtons() {
    auto* row = new QHBoxLayout;
    cmdPrint_ = DayButton(this, kContext, "cmdPrint", QT_TR_NOOP("P&rint..."));
    cmdPdf_ = DayButton(this, kContext, "cmdExportPdf", QT_TR_NOOP("&Export as PDF..."));
    QPushButton* cmdClose = DayButton(this, kContext, "cmdClose", QT_TR_NOOP("C&lose"));
    row->addWidget(cmdPrint_);
    row->addWidget(cmdPdf_);
    row->addStretch(1);
    row->addWidget(cmdClose);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(cmdPrint_, &QPushButton::clicked, this, &frmBirdsDay::print);
    connect(cmdPdf_, &QPushButton::clicked, this, &frmBirdsDay::exportPdf);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

// The names in the window's language; the choices stay.
void frmBirdsDay::fillLists() {
    const LanguageTexts& texts = TextsOf(language_);
    const int bird = std::max(0, cboBird_->currentIndex());
    const int star = std::max(0, cboStar_->currentIndex());
    const int fortnight = std::max(0, cboFortnight_->currentIndex());
    cboBird_->clear();
    for (std::string_view name : texts.birdNames) {
        cboBird_->addItem(FromCore(name, language_));
    }
    cboStar_->clear();
    cboStar_->addItem(QString());
    for (std::string_view name : texts.starNames) {
        cboStar_->addItem(FromCore(name, language_));
    }
    cboFortnight_->clear();
    for (std::string_view name : texts.fortnightNames) {
        cboFortnight_->addItem(FromCore(name, language_));
    }
    cboBird_->setCurrentIndex(bird);
    cboStar_->setCurrentIndex(star);
    cboFortnight_->setCurrentIndex(fortnight);
}

void frmBirdsDay::ShowBird(Bird bird, const std::optional<DayPlace>& place) {
    cboBird_->setCurrentIndex(int(IndexOf(bird)));
    cboStar_->setCurrentIndex(0);
    if (place) {
        usePlace(*place);
    }
    showToday();
}

void frmBirdsDay::SetLanguage(Language language) {
    language_ = language;
    RetranslateCaptions(this);
    captionTabs();
    fillLists();
    planView_->SetLanguage(language);
    refresh();
}

void frmBirdsDay::usePlace(const DayPlace& place) {
    place_ = place;
    clock_.reset();
    if (!place_.timeZoneId.isEmpty()) {
        QString error;
        clock_ = FindZoneClock(place_.timeZoneId.toStdString(), &error);
        if (clock_ == nullptr) {
            platform_.ShowMessage(this,
                                  error + QLatin1Char(' ') +
                                      tr("The day is shown at the fixed offset %1.")
                                          .arg(UtcOffsetCaption(place_.utcOffsetHours)),
                                  MessageIcon::Error);
            place_.timeZoneId.clear();
        }
    }
    if (clock_ == nullptr) {
        clock_ = std::make_shared<FixedOffsetClock>(place_.utcOffsetHours);
    }
    txtPlace_->setText(place_.name);
    txtLatitude_->setText(DegreesText(place_.latitudeDeg));
    txtLongitude_->setText(DegreesText(place_.longitudeDeg));
    txtOffset_->setText(QString::fromStdString(UtcOffsetText(place_.utcOffsetHours)));
}

void frmBirdsDay::useTypedPlace() {
    const std::optional<double> latitude = ParseLatitude(txtLatitude_->text());
    const std::optional<double> longitude = ParseLongitude(txtLongitude_->text());
    const std::optional<double> offset = ParseUtcOffset(txtOffset_->text());
    const auto refuse = [this](QLineEdit* field, const QString& text) {
        platform_.ShowMessage(this, text, MessageIcon::Error);
        field->setFocus();
        field->selectAll();
    };
    if (!latitude) {
        return refuse(txtLatitude_, tr("Please enter the latitude in degrees from -90 to 90, north positive "
                                       "(for example 13.08)."));
    }
    if (!longitude) {
        return refuse(txtLongitude_, tr("Please enter the longitude in degrees from -180 to 180, east "
                                        "positive (for example 80.27)."));
    }
    if (!offset) {
        return refuse(txtOffset_, tr("Please enter the offset from UTC from -12:00 to +14:00 (for example "
                                     "+5:30)."));
    }
    // Coordinates typed in belong to no named place and keep one offset on every date.
    usePlace({QString(), *latitude, *longitude, QString(), *offset});
    RememberDayPlace(platform_, place_);
    refresh();
}

void frmBirdsDay::lookUpPlace() {
    const LocationLookupRequest request{txtPlace_->text(), dtpDay_->date(), QTime(12, 0), HomePageAddress(),
                                        TextsOf(language_).placeLabels};
    QString error;
    const QPointer<frmBirdsDay> self(this);
    const PlaceChosenHandler chosen = [self](const places::PlaceFormValues& place) {
        if (self) {
            self->usePlace(PlaceOfLookUp(place));
            RememberDayPlace(self->platform_, self->place_);
            self->refresh();
        }
    };
    if (OpenLocationLookup(request, chosen, this, &error) == nullptr) {
        platform_.ShowMessage(this, error, MessageIcon::Error);
    }
}

// The present day at the place: the one whose sunrise began it, so before sunrise the day before.
void frmBirdsDay::showToday() {
    const double now = JulianDateOf(platform_.Now());
    QDate date = LocalDateOf(now, *clock_);
    const std::vector<DaySchedule> day = ComputeDaySchedules(ToCivilDate(date), 1, place_.latitudeDeg,
                                                             place_.longitudeDeg, *clock_, Bird::Vulture);
    if (const std::optional<double> sunrise = day.front().sun.SunriseUT; sunrise && now < *sunrise) {
        date = date.addDays(-1);
    }
    followsToday_ = true;
    const QSignalBlocker quiet(dtpDay_);
    dtpDay_->setDate(std::clamp(date, kFirstServedDate, kLastServedDate));
    refresh();
}

void frmBirdsDay::refresh() {
    const Bird bird = Bird(std::clamp(cboBird_->currentIndex(), 0, int(kBirdCount) - 1));
    const QDate date = dtpDay_->date();
    const std::vector<DaySchedule> days = ComputeDaySchedules(
        ToCivilDate(date), 1 + kDaysLookedAhead, place_.latitudeDeg, place_.longitudeDeg, *clock_, bird);
    const double now = JulianDateOf(platform_.Now());
    const double midnight = JulianDateUTAtMidnight(ToCivilDate(date)) -
                            clock_->UtcOffsetHoursAt(JulianDateUTAtMidnight(ToCivilDate(date))) / 24.0;
    const PlaceLabels& compass = TextsOf(language_).placeLabels;
    const double offsetShown = clock_->UtcOffsetHoursAt(days.front().sun.SunriseUT.value_or(midnight));
    QStringList place{
        place_.name.isEmpty() ? tr("Coordinates typed in") : place_.name,
        AngleText(place_.latitudeDeg, compass.north, compass.south, language_) + QStringLiteral(", ") +
            AngleText(place_.longitudeDeg, compass.east, compass.west, language_),
        place_.timeZoneId.isEmpty() ? UtcOffsetCaption(offsetShown)
                                    : place_.timeZoneId + QLatin1Char(' ') + UtcOffsetCaption(offsetShown)};
    shown_ = {days.front(), NextRulingSpan(days, std::max(now, midnight)), int(days.size()), now,
              place.join(QStringLiteral(" \u00b7 "))};
    dayView_->Show(shown_, *clock_, language_);
    // The plan's place holds no offset of one day: across a change of the clocks the plan is the same.
    place.last() = place_.timeZoneId.isEmpty() ? UtcOffsetCaption(place_.utcOffsetHours) : place_.timeZoneId;
    planView_->SetSubject(
        {bird, place_.latitudeDeg, place_.longitudeDeg, clock_, place.join(QStringLiteral(" \u00b7 "))});
    markNow();
}

void frmBirdsDay::markNow() {
    const double now = JulianDateOf(platform_.Now());
    const DaySchedule& day = shown_.schedule;
    // A window on the present day moves on to the next when this one has ended.
    if (followsToday_ && day.sun.NextSunriseUT && now >= *day.sun.NextSunriseUT &&
        dtpDay_->date() < kLastServedDate) {
        showToday();
        return;
    }
    std::optional<double> boundary = dayView_->MarkNow(now);
    if (!boundary && followsToday_) {
        // A day without periods: the present day is looked for again at the next local midnight.
        boundary = JulianDateOf(QDateTime(LocalDateOf(now, *clock_).addDays(1), QTime(0, 0), Qt::UTC)) -
                   clock_->UtcOffsetHoursAt(now) / 24.0;
    }
    if (!boundary) {
        tmrBoundary_->stop();
        return;
    }
    // One millisecond past the boundary, so that the moment then is inside the next part; at most a day.
    const double milliseconds = std::ceil((*boundary - now) * kMillisecondsPerDay) + 1.0;
    tmrBoundary_->start(int(std::clamp(milliseconds, 1.0, kMillisecondsPerDay)));
}

void frmBirdsDay::print() {
    PrintReport(
        platform_, this, [this] { return BuildDayReport(shown_, *clock_, language_); }, windowTitle(),
        tr("Print the Day"), tr("The day could not be printed."));
}

void frmBirdsDay::exportPdf() {
    ExportReportPdf(
        platform_, this, [this] { return BuildDayReport(shown_, *clock_, language_); },
        tr("The day could not be exported to %1: %2"));
}

} // namespace velmora
