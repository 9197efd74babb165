#include "app/birth_form_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

#include "app/lean_widgets/link_label.h"
#include "app/lean_widgets/sampled_list.h"
#include "app/translation.h"
#include "app/widget_style.h"
#include "platform/platform.h"

namespace velmora {

namespace {

const char* const kContext = "velmora::BirthFormPanel";

// The introduction's column and the form beside it, as high as each other.
constexpr QRect kIntroductionColumn(8, 6, 264, 336);
constexpr QRect kPersonalDetails(280, 34, 337, 310);
// Tamil captions are wider: the time zone's row needs this much more to hold them whole, and the
// form takes it from the introduction, which scrolls in Tamil anyway.
constexpr int kTamilFormWidenedPx = 96;

const char* const kMsgEnterCity = QT_TRANSLATE_NOOP("velmora::BirthFormPanel", "Please Enter City");
const char* const kMsgEnterState = QT_TRANSLATE_NOOP("velmora::BirthFormPanel", "Please Enter State");
const char* const kMsgEnterCountry = QT_TRANSLATE_NOOP("velmora::BirthFormPanel", "Please Enter Country");

QLineEdit* MakeField(const QString& objectName, const char* accessibleName, QWidget* parent) {
    QLineEdit* field = MakeEntry(objectName, QString(), parent);
    SetAccessibleCaption(field, kContext, accessibleName);
    return field;
}

SampledList* MakeChoice(const QString& objectName, const char* accessibleName, QWidget* parent) {
    SampledList* list = MakeList(objectName, QString(), parent);
    SetAccessibleCaption(list, kContext, accessibleName);
    return list;
}

QHBoxLayout* MakeRow() {
    auto* box = new QHBoxLayout;
    box->setSpacing(4);
    return box;
}

bool IsCopyOrPaste(const QKeyEvent* key) {
    return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) ||
           key->matches(QKeySequence::Cut);
}

// Keys that move the cursor or the focus or delete without typing a character.
bool IsEditingKey(int key) {
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

BirthFormPanel::BirthFormPanel(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform) {
    setObjectName(QStringLiteral("fraMain"));
    setAutoFillBackground(true);

    cmdOpen_ = Captioned(Named(new QPushButton(this), QStringLiteral("cmdOpen")), kContext,
                         QT_TR_NOOP("&Open Previously Saved Reading"));
    cmdOpen_->setGeometry(369, 4, 246, 26);
    connect(cmdOpen_, &QPushButton::clicked, this, &BirthFormPanel::openRequested);

    createIntroduction();
    personalDetails_ = createPersonalDetails();
    fillLists();
    forgetPlaceZoneOnEdits();
    Retranslate(Language::English);
}

// A place edited by hand is no longer the look-up's, and its zone no longer known.
void BirthFormPanel::forgetPlaceZoneOnEdits() {
    const auto forget = [this] { placeTimeZoneId_.clear(); };
    for (QLineEdit* field : {txtMCity_, txtMState_, txtMCountry_, txtLatD_, txtLatM_, txtLonD_, txtLonM_}) {
        connect(field, &QLineEdit::textEdited, this, forget);
    }
    for (QRadioButton* side : {optLat_[0], optLat_[1], optLong_[0], optLong_[1]}) {
        connect(side, &QRadioButton::clicked, this, forget);
    }
}

// The introduction and the five birds, in a column left of the form. Only the introduction
// scrolls, when a language's longer text needs more than its share of the column: the five birds
// under it stay in view whatever the language.
void BirthFormPanel::createIntroduction() {
    auto* columnArea = Named(new QWidget(this), QStringLiteral("introductionColumn"));
    introductionColumn_ = columnArea;
    auto* column = new QVBoxLayout(columnArea);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    introductionScroller_ = Named(new QScrollArea(columnArea), QStringLiteral("introductionScroller"));
    introductionScroller_->setFrameShape(QFrame::NoFrame);
    introductionScroller_->setFocusPolicy(
        Qt::NoFocus); // the Tab chain runs through the form, as it always has
    introductionScroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    introductionScroller_->setWidgetResizable(true);
    introductionScroller_->viewport()->setAutoFillBackground(false);
    auto* introduction = Named(new QWidget, QStringLiteral("introduction"));
    auto* paragraph = new QVBoxLayout(introduction);
    paragraph->setContentsMargins(0, 0, 0, 0);
    Label5_ = MakeParagraph(QStringLiteral("Label5"), QString(), introduction);
    paragraph->addWidget(Label5_);
    introductionScroller_->setWidget(introduction);
    column->addWidget(introductionScroller_, 1);
    column->addSpacing(10);

    QLabel* Label13 = Captioned(MakeParagraph(QStringLiteral("Label13"), QString(), columnArea), kContext,
                                QT_TR_NOOP("The Five Birds as per the Tamil Astrology Or "
                                           "Panch-Pakshi Shastra are:"));
    QFont bold = Label13->font();
    bold.setBold(true);
    Label13->setFont(bold);
    column->addWidget(Label13);
    column->addSpacing(2);
    for (std::size_t i = 0; i < birdLabels_.size(); ++i) {
        birdLabels_[i] = MakeLabel(QStringLiteral("Label%1").arg(15 + i), QString(), columnArea);
        column->addWidget(birdLabels_[i]);
    }
    column->addStretch();
}

QGroupBox* BirthFormPanel::createPersonalDetails() {
    QGroupBox* Frame1 = Captioned(MakeGroup(QStringLiteral("Frame1"), QString(), this), kContext,
                                  QT_TR_NOOP("Personal Details"));
    QFont captionFont(QStringLiteral("Verdana"));
    captionFont.setPointSizeF(9);
    captionFont.setBold(true);
    Frame1->setFont(captionFont);
    QPalette caption = Frame1->palette();
    caption.setColor(QPalette::WindowText, Qt::yellow);
    Frame1->setPalette(caption);

    // The controls keep the window's font and colours, not the caption's.
    auto* content = new QWidget(Frame1);
    QFont plain = WindowFont();
    plain.setBold(false);
    content->setFont(plain);
    QPalette plainColours = content->palette();
    plainColours.setColor(QPalette::WindowText, Qt::black);
    content->setPalette(plainColours);
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->setContentsMargins(6, 2, 6, 6);
    frameLayout->addWidget(content);

    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);
    int row = 0;
    auto addRow = [&](QLabel* label, QLayout* controls) {
        grid->addWidget(label, row, 0);
        grid->addLayout(controls, row, 1);
        ++row;
    };

    txtName_ = MakeField(QStringLiteral("txtName"), QT_TR_NOOP("Name"), content);
    QHBoxLayout* nameRow = MakeRow();
    nameRow->addWidget(txtName_);
    addRow(Captioned(MakeLabel(QStringLiteral("Label1"), QString(), content), kContext, QT_TR_NOOP("Name")),
           nameRow);

    cboMonth_ = MakeChoice(QStringLiteral("cboMonth"), QT_TR_NOOP("Birth month"), content);
    cboDate_ = MakeChoice(QStringLiteral("cboDate"), QT_TR_NOOP("Birth day"), content);
    cboYear_ = MakeChoice(QStringLiteral("cboYear"), QT_TR_NOOP("Birth year"), content);
    QHBoxLayout* dateRow = MakeRow();
    dateRow->addWidget(cboMonth_, 3);
    dateRow->addWidget(cboDate_, 2);
    dateRow->addWidget(cboYear_, 2);
    addRow(Captioned(MakeLabel(QStringLiteral("Label2"), QString(), content), kContext,
                     QT_TR_NOOP("Date of Birth")),
           dateRow);

    cboHH_ = MakeChoice(QStringLiteral("cboHH"), QT_TR_NOOP("Birth hour"), content);
    cboMM_ = MakeChoice(QStringLiteral("cboMM"), QT_TR_NOOP("Birth minute"), content);
    cboSS_ = MakeChoice(QStringLiteral("cboSS"), QT_TR_NOOP("Birth second"), content);
    QHBoxLayout* timeRow = MakeRow();
    timeRow->addWidget(cboHH_, 1);
    timeRow->addWidget(cboMM_, 1);
    timeRow->addWidget(cboSS_, 1);
    timeRow->addWidget(Captioned(MakeLabel(QStringLiteral("Label12"), QString(), content), kContext,
                                 QT_TR_NOOP("HH:MM:SS")));
    addRow(Captioned(MakeLabel(QStringLiteral("Label3"), QString(), content), kContext,
                     QT_TR_NOOP("Time of Birth")),
           timeRow);

    auto* fraZone = Named(new QFrame(content), QStringLiteral("fraZone"));
    fraZone->setFrameShape(QFrame::StyledPanel);
    auto* zoneRow = new QHBoxLayout(fraZone);
    zoneRow->setContentsMargins(4, 2, 4, 2);
    zoneRow->setSpacing(4);
    txtZoneHour_ = MakeField(QStringLiteral("txtZoneHour"), QT_TR_NOOP("Time zone hours"), fraZone);
    txtZoneMinute_ = MakeField(QStringLiteral("txtZoneMinute"), QT_TR_NOOP("Time zone minutes"), fraZone);
    for (QLineEdit* zone : {txtZoneHour_, txtZoneMinute_}) {
        PaintAsEntry(zone, Qt::white, Qt::black);
    }
    txtZoneHour_->setValidator(new LengthLimit(3, txtZoneHour_));
    txtZoneMinute_->setValidator(new LengthLimit(2, txtZoneMinute_));
    chkDST_ = Captioned(Named(new QCheckBox(fraZone), QStringLiteral("chkDST")), kContext, QT_TR_NOOP("DST"));
    lblTZHelp_ = Captioned(Named(new LinkLabel(QString(), fraZone), QStringLiteral("lblTZHelp")), kContext,
                           QT_TR_NOOP("TZ Help"));
    connect(lblTZHelp_, &LinkLabel::clicked, this, &BirthFormPanel::zoneHelpRequested);
    zoneRow->addWidget(txtZoneHour_);
    zoneRow->addWidget(
        Captioned(MakeLabel(QStringLiteral("Label20"), QString(), fraZone), kContext, QT_TR_NOOP("Hour")));
    zoneRow->addWidget(txtZoneMinute_);
    zoneRow->addWidget(
        Captioned(MakeLabel(QStringLiteral("Label21"), QString(), fraZone), kContext, QT_TR_NOOP("Min")));
    zoneRow->addStretch(1);
    zoneRow->addWidget(chkDST_);
    zoneRow->addStretch(1);
    zoneRow->addWidget(lblTZHelp_);
    QHBoxLayout* zoneLine = MakeRow();
    zoneLine->addWidget(fraZone);
    addRow(Captioned(MakeLabel(QStringLiteral("Label22"), QString(), content), kContext,
                     QT_TR_NOOP("Time Zone")),
           zoneLine);

    grid->addLayout(createCoordinates(content), row++, 0, 1, 2);
    grid->addLayout(createPlace(content), row++, 0, 1, 2);

    cmdRashi_ = Captioned(Named(new QPushButton(content), QStringLiteral("cmdRashi")), kContext,
                          QT_TR_NOOP("Show My Tamil Astrology Result"));
    connect(cmdRashi_, &QPushButton::clicked, this, &BirthFormPanel::calculateRequested);
    grid->addWidget(cmdRashi_, row++, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return Frame1;
}

// Latitude and longitude: degrees, minutes and the side of the globe.
QLayout* BirthFormPanel::createCoordinates(QWidget* content) {
    struct Coordinate {
        QLineEdit** degrees;
        QLineEdit** minutes;
        std::array<QRadioButton*, 2>* sides;
    };
    struct Captions {
        const char* frame;
        const char* degrees;
        const char* minutes;
        const char* first;
        const char* second;
    };
    auto makeCoordinate = [&](const QString& frame, const QString& prefix, const QString& optName,
                              const QString& degLabel, const QString& minLabel, Captions captions,
                              Coordinate target) {
        QGroupBox* box = Captioned(MakeGroup(frame, QString(), content), kContext, captions.frame);
        auto* boxGrid = new QGridLayout(box);
        boxGrid->setContentsMargins(6, 4, 6, 4);
        boxGrid->setHorizontalSpacing(4);
        boxGrid->setVerticalSpacing(3);
        *target.degrees = MakeField(QStringLiteral("txt%1D").arg(prefix), captions.degrees, box);
        *target.minutes = MakeField(QStringLiteral("txt%1M").arg(prefix), captions.minutes, box);
        for (QLineEdit* edit : {*target.degrees, *target.minutes}) {
            edit->installEventFilter(this);
        }
        boxGrid->addWidget(*target.degrees, 0, 0);
        boxGrid->addWidget(Captioned(MakeLabel(degLabel, QString(), box), kContext,
                                     QT_TRANSLATE_NOOP("velmora::BirthFormPanel", "Deg")),
                           0, 1);
        boxGrid->addWidget(*target.minutes, 0, 2);
        boxGrid->addWidget(Captioned(MakeLabel(minLabel, QString(), box), kContext,
                                     QT_TRANSLATE_NOOP3("velmora::BirthFormPanel", "Min", "minutes of arc")),
                           0, 3);
        auto* group = new QButtonGroup(box);
        for (int i = 0; i < 2; ++i) {
            auto* option = Captioned(Named(new QRadioButton(box), optName + QString::number(i)), kContext,
                                     i == 0 ? captions.first : captions.second);
            group->addButton(option);
            (*target.sides)[std::size_t(i)] = option;
            boxGrid->addWidget(option, 1, i * 2, 1, 2);
        }
        return box;
    };
    QGroupBox* Frame3 =
        makeCoordinate(QStringLiteral("Frame3"), QStringLiteral("Lat"), QStringLiteral("optLat"),
                       QStringLiteral("Label7"), QStringLiteral("Label9"),
                       {QT_TR_NOOP("Latitude"), QT_TR_NOOP("Latitude degrees"),
                        QT_TR_NOOP("Latitude minutes"), QT_TR_NOOP("North"), QT_TR_NOOP("South")},
                       {&txtLatD_, &txtLatM_, &optLat_});
    QGroupBox* Frame2 =
        makeCoordinate(QStringLiteral("Frame2"), QStringLiteral("Lon"), QStringLiteral("optLong"),
                       QStringLiteral("Label6"), QStringLiteral("Label8"),
                       {QT_TR_NOOP("Longitude"), QT_TR_NOOP("Longitude degrees"),
                        QT_TR_NOOP("Longitude minutes"), QT_TR_NOOP("East"), QT_TR_NOOP("West")},
                       {&txtLonD_, &txtLonM_, &optLong_});
    optLat_[0]->setChecked(true);
    optLong_[0]->setChecked(true);
    auto* coordinates = new QHBoxLayout;
    coordinates->setSpacing(6);
    coordinates->addWidget(Frame3);
    coordinates->addWidget(Frame2);
    return coordinates;
}

// City, state and country, with the button that looks up their coordinates.
QLayout* BirthFormPanel::createPlace(QWidget* content) {
    txtMCity_ = MakeField(QStringLiteral("txtMCity"), QT_TR_NOOP("City"), content);
    txtMState_ = MakeField(QStringLiteral("txtMState"), QT_TR_NOOP("State"), content);
    txtMCountry_ = MakeField(QStringLiteral("txtMCountry"), QT_TR_NOOP("Country"), content);
    cmdBrowser_ = Captioned(Named(new QPushButton(content), QStringLiteral("cmdBrowser")), kContext,
                            QT_TR_NOOP("Click Here To Find\nLatitude && Longitude"));
    SetAccessibleCaption(cmdBrowser_, kContext, QT_TR_NOOP("Click Here To Find Latitude & Longitude"));
    cmdBrowser_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(cmdBrowser_, &QPushButton::clicked, this, &BirthFormPanel::checkPlace);
    auto* place = new QGridLayout;
    place->setHorizontalSpacing(6);
    place->setVerticalSpacing(3);
    const std::array<std::pair<QLabel*, QLineEdit*>, 3> placeRows{{
        {Captioned(MakeLabel(QStringLiteral("Label54"), QString(), content), kContext, QT_TR_NOOP("City")),
         txtMCity_},
        {Captioned(MakeLabel(QStringLiteral("Label55"), QString(), content), kContext, QT_TR_NOOP("State")),
         txtMState_},
        {Captioned(MakeLabel(QStringLiteral("Label4"), QString(), content), kContext, QT_TR_NOOP("Country")),
         txtMCountry_},
    }};
    for (int i = 0; i < 3; ++i) {
        place->addWidget(placeRows[std::size_t(i)].first, i, 0);
        place->addWidget(placeRows[std::size_t(i)].second, i, 1);
    }
    place->addWidget(cmdBrowser_, 0, 2, 3, 1);
    place->setColumnStretch(1, 1);
    return place;
}

void BirthFormPanel::Retranslate(Language language) {
    RetranslateCaptions(this);
    language_ = language;
    Label5_->setText(FromCore(TextsOf(language).introduction, language));
    const bool english = language == Language::English;
    const int widenedPx = english ? 0 : kTamilFormWidenedPx;
    introductionColumn_->setGeometry(kIntroductionColumn.adjusted(0, 0, -widenedPx, 0));
    personalDetails_->setGeometry(kPersonalDetails.adjusted(-widenedPx, 0, 0, 0));
    // No taller than its text, so that the birds follow a short introduction closely.
    introductionScroller_->setMaximumHeight(Label5_->heightForWidth(introductionColumn_->width()));
    for (std::size_t i = 0; i < birdLabels_.size(); ++i) {
        const QString bird = FromCore(BirdName(static_cast<Bird>(i), language), language);
        birdLabels_[i]->setText(QStringLiteral("%1. %2").arg(i + 1).arg(bird));
    }
    for (std::size_t i = 0; i < kMonthCount; ++i) {
        cboMonth_->setItemText(int(i), MonthName(i));
    }
    // In Tamil the number boxes also give up the room that two or three digits do not need.
    for (QLineEdit* zone : {txtZoneHour_, txtZoneMinute_}) {
        zone->setFixedWidth(english ? 34 : 26);
    }
    for (QLineEdit* coordinate : {txtLatD_, txtLatM_, txtLonD_, txtLonM_}) {
        coordinate->setFixedWidth(english ? 40 : 28);
    }
}

void BirthFormPanel::fillLists() {
    for (std::size_t i = 0; i < kMonthCount; ++i) {
        cboMonth_->addItem(MonthName(i));
    }
    AddNumbers(cboDate_, 1, 31);
    AddNumbers(cboYear_, 1901, 2050);
    AddNumbers(cboHH_, 0, 23);
    AddNumbers(cboMM_, 0, 59);
    AddNumbers(cboSS_, 0, 59);
    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cboSS_}) {
        list->setCurrentIndex(0);
    }
}

BirthFormFields BirthFormPanel::Fields() const {
    BirthFormFields fields;
    fields.name = txtName_->text().toStdString();
    fields.monthIndex = cboMonth_->currentIndex();
    fields.dayIndex = cboDate_->currentIndex();
    fields.year = cboYear_->currentText().toInt();
    fields.hour = cboHH_->currentText().toInt();
    fields.minute = cboMM_->currentText().toInt();
    fields.zoneHour = txtZoneHour_->text().toStdString();
    fields.zoneMinute = txtZoneMinute_->text().toStdString();
    fields.daylightSaving = chkDST_->isChecked();
    fields.longitudeDegrees = txtLonD_->text().toStdString();
    fields.longitudeMinutes = txtLonM_->text().toStdString();
    fields.longitudeEast = optLong_[0]->isChecked();
    fields.latitudeDegrees = txtLatD_->text().toStdString();
    fields.latitudeMinutes = txtLatM_->text().toStdString();
    fields.latitudeSouth = optLat_[1]->isChecked();
    return fields;
}

void BirthFormPanel::FocusField(FormField field) {
    QWidget* widget = nullptr;
    switch (field) {
    case FormField::Name:
        widget = txtName_;
        break;
    case FormField::ZoneHour:
        widget = txtZoneHour_;
        break;
    case FormField::ZoneMinute:
        widget = txtZoneMinute_;
        break;
    case FormField::LongitudeDegrees:
        widget = txtLonD_;
        break;
    case FormField::LongitudeMinutes:
        widget = txtLonM_;
        break;
    case FormField::LatitudeDegrees:
        widget = txtLatD_;
        break;
    case FormField::LatitudeMinutes:
        widget = txtLatM_;
        break;
    case FormField::None:
        break;
    }
    if (widget != nullptr) {
        widget->setFocus();
    }
}

void BirthFormPanel::SetZone(const QString& hourText, const QString& minuteText) {
    txtZoneHour_->setText(hourText);
    txtZoneMinute_->setText(minuteText);
}

void BirthFormPanel::SetPlace(const places::PlaceFormValues& place) {
    txtMCity_->setText(QString::fromStdString(place.city));
    txtMState_->setText(QString::fromStdString(place.state));
    txtMCountry_->setText(QString::fromStdString(place.country));
    txtLatD_->setText(QString::fromStdString(place.latitudeDegrees));
    txtLatM_->setText(QString::fromStdString(place.latitudeMinutes));
    optLat_[place.latitudeSouth ? 1 : 0]->setChecked(true);
    txtLonD_->setText(QString::fromStdString(place.longitudeDegrees));
    txtLonM_->setText(QString::fromStdString(place.longitudeMinutes));
    optLong_[place.longitudeEast ? 0 : 1]->setChecked(true);
    SetZone(QString::fromStdString(place.zoneHour), QString::fromStdString(place.zoneMinute));
    chkDST_->setChecked(place.daylightSaving);
    placeTimeZoneId_ = QString::fromStdString(place.timeZoneId);
}

QDate BirthFormPanel::BirthDate() const {
    const QDate first(cboYear_->currentText().toInt(), cboMonth_->currentIndex() + 1, 1);
    return first.addDays(std::min(cboDate_->currentIndex(), first.daysInMonth() - 1));
}

QTime BirthFormPanel::BirthTime() const {
    return {cboHH_->currentText().toInt(), cboMM_->currentText().toInt()};
}

QString BirthFormPanel::PlaceName() const {
    QStringList parts;
    for (const QLineEdit* part : {txtMCity_, txtMState_, txtMCountry_}) {
        if (const QString text = part->text().trimmed(); !text.isEmpty()) {
            parts.append(text);
        }
    }
    return parts.join(QStringLiteral(", "));
}

std::array<QWidget*, 25> BirthFormPanel::TabChain() const {
    return {
        cmdOpen_,   txtName_,     cboMonth_,      cboDate_,  cboYear_,    cboHH_,      cboMM_,
        cboSS_,     txtZoneHour_, txtZoneMinute_, chkDST_,   lblTZHelp_,  txtLatD_,    txtLatM_,
        optLat_[0], optLat_[1],   txtLonD_,       txtLonM_,  optLong_[0], optLong_[1], txtMCity_,
        txtMState_, txtMCountry_, cmdBrowser_,    cmdRashi_,
    };
}

bool BirthFormPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & Qt::AltModifier) {
        return true; // an Alt key that is no mnemonic types nothing and is no mistake
    }
    bool accepted = false;
    if (IsCopyOrPaste(key)) {
        accepted = false;
    } else if (IsEditingKey(key->key())) {
        accepted = true;
    } else if (key->text().isEmpty()) {
        accepted = true; // modifiers, function keys: nothing is typed
    } else {
        accepted = DigitsOnlyFilter(char32_t(key->text().toUcs4().constFirst()));
    }
    if (accepted) {
        return QWidget::eventFilter(watched, event);
    }
    platform_.ShowMessage(window(), CheckMessageFor(CheckMessage::OnlyNumbers, language_),
                          MessageIcon::Error);
    return true;
}

void BirthFormPanel::checkPlace() {
    const std::array<std::pair<QLineEdit*, const char*>, 3> places{{
        {txtMCity_, kMsgEnterCity},
        {txtMState_, kMsgEnterState},
        {txtMCountry_, kMsgEnterCountry},
    }};
    for (const auto& [field, message] : places) {
        if (field->text().isEmpty()) {
            platform_.ShowMessage(window(), QCoreApplication::translate(kContext, message),
                                  MessageIcon::Information);
            field->setFocus();
            return;
        }
    }
    emit placeLookUpRequested(txtMCity_->text() + ' ' + txtMState_->text() + ' ' + txtMCountry_->text() +
                              QStringLiteral(" Latitude Longitude"));
}

} // namespace velmora
