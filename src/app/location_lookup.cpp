#include "app/location_lookup.h"

#include "app/location_lookup_window.h"

#include <QDateEdit>
#include <QDesktopServices>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

// Typing pauses shorter than this do not start a search (a search takes about 50 ms).
constexpr int kSearchDelayMs = 300;
// More rows than this are of no use to anyone scanning for a place.
constexpr std::size_t kMaxRows = 200;
constexpr int kColumnPadding = 12;
constexpr int kMaxColumnWidth = 150;

const QString kNoPlaceFound = QStringLiteral("No place found");

// The columns the birth form needs come before the zone's name.
enum Column { Place, State, Country, Latitude, Longitude, UtcOffset, Daylight, TimeZone, ColumnCount };

} // namespace

LocationLookupWindow::LocationLookupWindow(const QString& query, const QString& siteAddress, QWidget* parent)
    : QWidget(parent, Qt::Window), txtSearch_(new QLineEdit(StripCoordinateWords(query), this)),
      dtpDate_(new QDateEdit(QDate::currentDate(), this)), lstPlaces_(new QTreeWidget(this)),
      lblStatus_(new QLabel(this)), searchDelay_(new QTimer(this)) {
    setObjectName(QStringLiteral("frmLocationLookup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Find Latitude & Longitude - Velmora"));

    txtSearch_->setObjectName(QStringLiteral("txtSearch"));
    txtSearch_->setPlaceholderText(QStringLiteral("City, then state and country"));
    txtSearch_->setClearButtonEnabled(true);

    dtpDate_->setObjectName(QStringLiteral("dtpDate"));
    dtpDate_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dtpDate_->setCalendarPopup(true);

    lstPlaces_->setObjectName(QStringLiteral("lstPlaces"));
    lstPlaces_->setColumnCount(ColumnCount);
    lstPlaces_->setHeaderLabels({QStringLiteral("Place"), QStringLiteral("State"), QStringLiteral("Country"),
                                 QStringLiteral("Latitude"), QStringLiteral("Longitude"),
                                 QStringLiteral("UTC offset"), QStringLiteral("Daylight saving"),
                                 QStringLiteral("Time zone")});
    lstPlaces_->setRootIsDecorated(false);
    lstPlaces_->setAlternatingRowColors(true);
    lstPlaces_->setUniformRowHeights(true);
    lstPlaces_->setSelectionBehavior(QAbstractItemView::SelectRows);

    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    QFont statusFont = lblStatus_->font();
    statusFont.setBold(true);
    lblStatus_->setFont(statusFont);

    auto* lblHint = new QLabel(
        QStringLiteral("Type the degrees and minutes into Latitude and Longitude and choose North or South, "
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

    auto* cmdWeb = new QPushButton(QStringLiteral("Search the &Web"), this);
    cmdWeb->setObjectName(QStringLiteral("cmdWeb"));
    cmdWeb->setAutoDefault(false);
    connect(cmdWeb, &QPushButton::clicked, this, &LocationLookupWindow::searchTheWeb);

    auto* cmdClose = new QPushButton(QStringLiteral("&Close"), this);
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

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Place:"), txtSearch_);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(dtpDate_);
    dateRow->addWidget(
        new QLabel(QStringLiteral("the UTC offset and daylight saving are shown for this day"), this));
    dateRow->addStretch();
    auto* lblDate = new QLabel(QStringLiteral("&Date:"), this);
    lblDate->setBuddy(dtpDate_);
    fields->addRow(lblDate, dateRow);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblSite);
    buttons->addStretch();
    buttons->addWidget(cmdWeb);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(lblStatus_);
    layout->addWidget(lstPlaces_, 1);
    layout->addWidget(lblHint);
    layout->addLayout(buttons);

    resize(1000, 440);
}

void LocationLookupWindow::search() {
    searchDelay_->stop();
    matches_ = SearchPlaces(txtSearch_->text());
    if (matches_.size() > kMaxRows) {
        matches_.resize(kMaxRows);
    }
    showPlaces();
}

void LocationLookupWindow::showPlaces() {
    lstPlaces_->clear();
    if (txtSearch_->text().trimmed().isEmpty()) {
        lblStatus_->setText(QStringLiteral("Type the name of a city"));
        return;
    }
    if (matches_.empty()) {
        lblStatus_->setText(kNoPlaceFound);
        return;
    }
    lblStatus_->setText(matches_.size() == 1
                            ? QStringLiteral("1 place found")
                            : QStringLiteral("%1 places found, best first").arg(matches_.size()));
    const QDate date = dtpDate_->date();
    for (const PlaceMatch& match : matches_) {
        const GazetteerPlace& place = match.place;
        auto* row = new QTreeWidgetItem(lstPlaces_);
        row->setText(Place, place.name);
        row->setText(State, place.state);
        row->setText(Country, place.country);
        row->setToolTip(Place, place.name);
        row->setToolTip(State, place.state);
        row->setToolTip(Country, place.country);
        row->setText(Latitude, FormatLatitude(place.latitudeDeg));
        row->setText(Longitude, FormatLongitude(place.longitudeDeg));
        row->setText(TimeZone, place.timeZoneId);
        const ZoneOnDate zone = ZoneOffsetOn(place.timeZoneId, date);
        if (zone.valid) {
            row->setText(UtcOffset, FormatUtcOffset(zone.offsetSeconds));
            row->setText(
                Daylight,
                zone.daylightSaving
                    ? QStringLiteral("yes, standard %1").arg(FormatUtcOffset(zone.standardOffsetSeconds))
                    : QStringLiteral("no"));
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

void LocationLookupWindow::searchTheWeb() {
    QUrl url(QStringLiteral("https://www.openstreetmap.org/search"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("query"), txtSearch_->text().trimmed());
    url.setQuery(query);
    QDesktopServices::openUrl(url);
}

void LocationLookup(const QString& query, const QString& siteAddress, QWidget* parent) {
    auto* window = new LocationLookupWindow(query, siteAddress, parent);
    // Esc closes it, as it closes the program's dialogs.
    QObject::connect(new QShortcut(QKeySequence::Cancel, window), &QShortcut::activated, window,
                     &QWidget::close);
    window->show();
    // The first search runs once the window is on screen, so the caller returns at once.
    QTimer::singleShot(0, window, &LocationLookupWindow::search);
}

} // namespace velmora
