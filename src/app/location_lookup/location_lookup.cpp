#include "app/location_lookup/location_lookup.h"

#include "app/location_lookup/location_lookup_window.h"
#include "places/coordinate_text.h"
#include "places/form_values.h"
#include "places/match_words.h"

#include <QDateEdit>
#include <QDesktopServices>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimeEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

// Typing pauses shorter than this do not start a search (a search takes a few milliseconds,
// the first one 0.1 s more to load the gazetteer).
constexpr int kSearchDelayMs = 300;
// More rows than this are of no use to anyone scanning for a place.
constexpr std::size_t kMaxRows = 200;
constexpr int kColumnPadding = 12;
constexpr int kMaxColumnWidth = 150;
constexpr int kDaylightSavingSeconds = 3600;

const char* const kNoPlaceFound = QT_TRANSLATE_NOOP("velmora::LocationLookupWindow", "No place found");

// The columns the birth form needs come before the zone's name.
enum Column { Place, State, Country, Latitude, Longitude, UtcOffset, Daylight, TimeZone, ColumnCount };

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

LocationLookupWindow::LocationLookupWindow(const QString& query, const QDate& birthDate,
                                           const QTime& birthTime, const QString& siteAddress,
                                           const PlaceLabels& labels, QWidget* parent)
    : QWidget(parent, Qt::Window),
      txtSearch_(new QLineEdit(FromUtf8(places::StripCoordinateWords(query.toStdString())), this)),
      dtpDate_(new QDateEdit(birthDate, this)), dtpTime_(new QTimeEdit(birthTime, this)),
      lstPlaces_(new QTreeWidget(this)), lblStatus_(new QLabel(this)), lblCaution_(new QLabel(this)),
      cmdUse_(new QPushButton(tr("&Use This Place"), this)), searchDelay_(new QTimer(this)), labels_(labels) {
    setObjectName(QStringLiteral("frmLocationLookup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Find Latitude & Longitude - Velmora"));

    txtSearch_->setObjectName(QStringLiteral("txtSearch"));
    txtSearch_->setPlaceholderText(tr("City, then state and country"));
    txtSearch_->setClearButtonEnabled(true);

    dtpDate_->setObjectName(QStringLiteral("dtpDate"));
    dtpDate_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dtpDate_->setCalendarPopup(true);
    dtpTime_->setObjectName(QStringLiteral("dtpTime"));
    dtpTime_->setDisplayFormat(QStringLiteral("HH:mm"));

    lstPlaces_->setObjectName(QStringLiteral("lstPlaces"));
    lstPlaces_->setColumnCount(ColumnCount);
    lstPlaces_->setHeaderLabels({tr("Place"), tr("State"), tr("Country"), tr("Latitude"), tr("Longitude"),
                                 tr("UTC offset"), tr("Daylight saving"), tr("Time zone")});
    lstPlaces_->setRootIsDecorated(false);
    lstPlaces_->setAlternatingRowColors(true);
    lstPlaces_->setUniformRowHeights(true);
    lstPlaces_->setSelectionBehavior(QAbstractItemView::SelectRows);

    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    QFont statusFont = lblStatus_->font();
    statusFont.setBold(true);
    lblStatus_->setFont(statusFont);

    lblCaution_->setObjectName(QStringLiteral("lblCaution"));
    lblCaution_->setWordWrap(true);
    lblCaution_->setVisible(false);

    auto* lblHint =
        new QLabel(tr("Type the degrees and minutes into Latitude and Longitude and choose North or South, "
                      "East or West. Type the standard offset into the time zone's Hour and Min, and tick "
                      "DST when daylight saving applied on the birth date."),
                   this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setWordWrap(true);

    auto* lblSite =
        new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(siteAddress.toHtmlEscaped()), this);
    lblSite->setObjectName(QStringLiteral("lblSite"));
    lblSite->setOpenExternalLinks(true);
    lblSite->setVisible(!siteAddress.isEmpty());

    auto* cmdWeb = new QPushButton(tr("Search the &Web"), this);
    cmdWeb->setObjectName(QStringLiteral("cmdWeb"));
    cmdWeb->setAutoDefault(false);
    connect(cmdWeb, &QPushButton::clicked, this, &LocationLookupWindow::searchTheWeb);

    cmdUse_->setObjectName(QStringLiteral("cmdUse"));
    cmdUse_->setAutoDefault(false);
    cmdUse_->setEnabled(false);
    connect(cmdUse_, &QPushButton::clicked, this, &LocationLookupWindow::useThisPlace);
    connect(lstPlaces_, &QTreeWidget::itemDoubleClicked, this, &LocationLookupWindow::useThisPlace);
    // Enter on a row takes it; in the search field it searches.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        new QShortcut(QKeySequence(key), lstPlaces_, this, &LocationLookupWindow::useThisPlace,
                      Qt::WidgetShortcut);
    }
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    connect(lstPlaces_, &QTreeWidget::currentItemChanged, this, &LocationLookupWindow::showCaution);

    auto* cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    searchDelay_->setSingleShot(true);
    searchDelay_->setInterval(kSearchDelayMs);
    connect(searchDelay_, &QTimer::timeout, this, &LocationLookupWindow::search);
    connect(txtSearch_, &QLineEdit::textEdited, searchDelay_, qOverload<>(&QTimer::start));
    connect(txtSearch_, &QLineEdit::returnPressed, this, &LocationLookupWindow::search);
    // A new date changes only the offsets, not which places match.
    connect(dtpDate_, &QDateEdit::dateChanged, this, &LocationLookupWindow::showPlaces);
    connect(dtpTime_, &QTimeEdit::timeChanged, this, &LocationLookupWindow::showPlaces);

    auto* fields = new QFormLayout;
    fields->addRow(tr("&Place:"), txtSearch_);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(dtpDate_);
    dateRow->addWidget(dtpTime_);
    dateRow->addWidget(new QLabel(tr("the UTC offset and daylight saving are shown for this day"), this));
    dateRow->addStretch();
    auto* lblDate = new QLabel(tr("&Date:"), this);
    lblDate->setBuddy(dtpDate_);
    fields->addRow(lblDate, dateRow);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblSite);
    buttons->addStretch();
    buttons->addWidget(cmdUse_);
    buttons->addWidget(cmdWeb);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(lblStatus_);
    layout->addWidget(lstPlaces_, 1);
    layout->addWidget(lblCaution_);
    layout->addWidget(lblHint);
    layout->addLayout(buttons);

    resize(1000, 440);
}

void LocationLookupWindow::search() {
    searchDelay_->stop();
    if (!gazetteer_) {
        gazetteer_.emplace();
    }
    matches_ = places::SearchPlaces(*gazetteer_, txtSearch_->text().toStdString());
    if (matches_.size() > kMaxRows) {
        matches_.resize(kMaxRows);
    }
    showPlaces();
}

void LocationLookupWindow::showPlaces() {
    lstPlaces_->clear();
    zones_.clear();
    cmdUse_->setEnabled(false);
    showCaution();
    if (txtSearch_->text().trimmed().isEmpty()) {
        lblStatus_->setText(tr("Type the name of a city"));
        return;
    }
    if (matches_.empty()) {
        lblStatus_->setText(tr(kNoPlaceFound));
        return;
    }
    lblStatus_->setText(matches_.size() == 1 ? tr("1 place found")
                                             : tr("%1 places found, best first").arg(matches_.size()));
    const QDate date = dtpDate_->date();
    const QTime time = dtpTime_->time();
    const places::LocalDateTime when{date.year(), date.month(), date.day(), time.hour(), time.minute()};
    for (const places::PlaceMatch& match : matches_) {
        const places::GazetteerPlace& place = match.place;
        auto* row = new QTreeWidgetItem(lstPlaces_);
        const QString name = FromUtf8(place.name);
        row->setText(Place, match.knownAs.empty()
                                ? name
                                : QStringLiteral("%1 (%2)").arg(name, FromUtf8(match.knownAs)));
        row->setText(State, FromUtf8(place.state));
        row->setText(Country, FromUtf8(place.country));
        for (const Column column : {Place, State, Country}) {
            row->setToolTip(column, row->text(column));
        }
        row->setText(Latitude,
                     FromUtf8(places::FormatAngle(place.latitudeDeg, labels_.north, labels_.south)));
        row->setText(Longitude,
                     FromUtf8(places::FormatAngle(place.longitudeDeg, labels_.east, labels_.west)));
        row->setText(TimeZone, FromUtf8(place.timeZoneId));
        const std::optional<places::ZoneAtTime>& zone = zones_.emplace_back(places::ZoneAtPlace(place, when));
        if (zone) {
            row->setText(UtcOffset, FromUtf8(places::FormatUtcOffset(zone->utcOffsetSeconds)));
            // The form adds one hour for daylight saving, so the standard offset is an hour less.
            row->setText(Daylight, zone->daylightSaving
                                       ? tr("yes, standard %1")
                                             .arg(FromUtf8(places::FormatUtcOffset(zone->utcOffsetSeconds -
                                                                                   kDaylightSavingSeconds)))
                                       : tr("no"));
        }
    }
    // Long state and country names are cut short so that the coordinates and
    // offsets stay in view; the whole name is in the tooltip.
    for (int column = 0; column < ColumnCount; ++column) {
        lstPlaces_->resizeColumnToContents(column);
        lstPlaces_->setColumnWidth(
            column, std::min(lstPlaces_->columnWidth(column) + kColumnPadding, kMaxColumnWidth));
    }
    lstPlaces_->setCurrentItem(lstPlaces_->topLevelItem(0));
}

// The caution of the current row, when the time-zone database is coarse there and then.
void LocationLookupWindow::showCaution() {
    const int index = lstPlaces_->indexOfTopLevelItem(lstPlaces_->currentItem());
    const bool known = index >= 0 && std::size_t(index) < zones_.size() && zones_[std::size_t(index)];
    cmdUse_->setEnabled(known);
    const std::optional<ClockCaution> found = known ? zones_[std::size_t(index)]->caution : std::nullopt;
    const QString caution = found ? FromUtf8(labels_.clockCautions[IndexOf(*found)]) : QString();
    lblCaution_->setText(caution.isEmpty() ? QString() : tr("Caution: ") + caution);
    lblCaution_->setVisible(!caution.isEmpty());
}

void LocationLookupWindow::useThisPlace() {
    const int index = lstPlaces_->indexOfTopLevelItem(lstPlaces_->currentItem());
    if (index < 0 || std::size_t(index) >= zones_.size() || !zones_[std::size_t(index)]) {
        return;
    }
    const places::GazetteerPlace& place = matches_[std::size_t(index)].place;
    emit placeChosen(places::FormValuesFor(place, *zones_[std::size_t(index)]));
    close();
}

void LocationLookupWindow::searchTheWeb() {
    QUrl url(QStringLiteral("https://www.openstreetmap.org/search"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("query"), txtSearch_->text().trimmed());
    url.setQuery(query);
    QDesktopServices::openUrl(url);
}

LocationLookupWindow* LocationLookup(const QString& query, const QDate& birthDate, const QTime& birthTime,
                                     const QString& siteAddress, const PlaceLabels& labels, QWidget* parent) {
    auto* window = new LocationLookupWindow(query, birthDate, birthTime, siteAddress, labels, parent);
    window->show();
    // The first search runs once the window is on screen, so the caller returns at once.
    QTimer::singleShot(0, window, &LocationLookupWindow::search);
    return window;
}

} // namespace velmora
