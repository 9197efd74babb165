#include "app/birth_form_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/link_label.h"
#include "app/widget_style.h"
#include "platform/platform.h"
#include "texts/names.h"
#include "texts/paragraphs.h"

namespace velmora {

namespace {

const QString kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
const QString kMsgEnterCity = QStringLiteral("Please Enter City");
const QString kMsgEnterState = QStringLiteral("Please Enter State");
const QString kMsgEnterCountry = QStringLiteral("Please Enter Country");

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

    cmdOpen_ = Named(new QPushButton(QStringLiteral("&Open Previously Saved Reading"), this),
                     QStringLiteral("cmdOpen"));
    cmdOpen_->setGeometry(369, 4, 246, 26);
    connect(cmdOpen_, &QPushButton::clicked, this, &BirthFormPanel::openRequested);

    createIntroduction();
    QGroupBox* Frame1 = createPersonalDetails();
    Frame1->setGeometry(280, 34, 337, 310);
    fillLists();
}

// The introduction and the five birds, in a column left of the form.
void BirthFormPanel::createIntroduction() {
    auto* introduction = Named(new QWidget(this), QStringLiteral("introduction"));
    introduction->setGeometry(8, 6, 264, 336);
    auto* column = new QVBoxLayout(introduction);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(MakeParagraph(QStringLiteral("Label5"), FromCore(IntroductionText), introduction));
    column->addSpacing(10);
    QLabel* Label13 = MakeParagraph(QStringLiteral("Label13"),
                                    QStringLiteral("The Five Birds as per the Tamil Astrology Or "
                                                   "Panch-Pakshi Shastra are:"),
                                    introduction);
    QFont bold = Label13->font();
    bold.setBold(true);
    Label13->setFont(bold);
    column->addWidget(Label13);
    column->addSpacing(2);
    for (std::size_t i = 0; i < kBirdNames.size(); ++i) {
        column->addWidget(MakeLabel(QStringLiteral("Label%1").arg(15 + i),
                                    QStringLiteral("%1. %2").arg(i + 1).arg(FromCore(kBirdNames[i])),
                                    introduction));
    }
    column->addStretch(1);
}

QGroupBox* BirthFormPanel::createPersonalDetails() {
    QGroupBox* Frame1 = MakeGroup(QStringLiteral("Frame1"), QStringLiteral("Personal Details"), this);
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

    txtName_ = MakeEntry(QStringLiteral("txtName"), QStringLiteral("Name"), content);
    QHBoxLayout* nameRow = MakeRow();
    nameRow->addWidget(txtName_);
    addRow(MakeLabel(QStringLiteral("Label1"), QStringLiteral("Name"), content), nameRow);

    cboMonth_ = MakeList(QStringLiteral("cboMonth"), QStringLiteral("Birth month"), content);
    cboDate_ = MakeList(QStringLiteral("cboDate"), QStringLiteral("Birth day"), content);
    cboYear_ = MakeList(QStringLiteral("cboYear"), QStringLiteral("Birth year"), content);
    QHBoxLayout* dateRow = MakeRow();
    dateRow->addWidget(cboMonth_, 3);
    dateRow->addWidget(cboDate_, 2);
    dateRow->addWidget(cboYear_, 2);
    addRow(MakeLabel(QStringLiteral("Label2"), QStringLiteral("Date of Birth"), content), dateRow);

    cboHH_ = MakeList(QStringLiteral("cboHH"), QStringLiteral("Birth hour"), content);
    cboMM_ = MakeList(QStringLiteral("cboMM"), QStringLiteral("Birth minute"), content);
    cboSS_ = MakeList(QStringLiteral("cboSS"), QStringLiteral("Birth second"), content);
    QHBoxLayout* timeRow = MakeRow();
    timeRow->addWidget(cboHH_, 1);
    timeRow->addWidget(cboMM_, 1);
    timeRow->addWidget(cboSS_, 1);
    timeRow->addWidget(MakeLabel(QStringLiteral("Label12"), QStringLiteral("HH:MM:SS"), content));
    addRow(MakeLabel(QStringLiteral("Label3"), QStringLiteral("Time of Birth"), content), timeRow);

    auto* fraZone = Named(new QFrame(content), QStringLiteral("fraZone"));
    fraZone->setFrameShape(QFrame::StyledPanel);
    auto* zoneRow = new QHBoxLayout(fraZone);
    zoneRow->setContentsMargins(4, 2, 4, 2);
    zoneRow->setSpacing(4);
    txtZoneHour_ = MakeEntry(QStringLiteral("txtZoneHour"), QStringLiteral("Time zone hours"), fraZone);
    txtZoneMinute_ = MakeEntry(QStringLiteral("txtZoneMinute"), QStringLiteral("Time zone minutes"), fraZone);
    for (QLineEdit* zone : {txtZoneHour_, txtZoneMinute_}) {
        PaintAsEntry(zone, Qt::white, Qt::black);
        zone->setFixedWidth(34);
    }
    txtZoneHour_->setValidator(new LengthLimit(3, txtZoneHour_));
    txtZoneMinute_->setValidator(new LengthLimit(2, txtZoneMinute_));
    chkDST_ = Named(new QCheckBox(QStringLiteral("DST"), fraZone), QStringLiteral("chkDST"));
    lblTZHelp_ = Named(new LinkLabel(QStringLiteral("TZ Help"), fraZone), QStringLiteral("lblTZHelp"));
    connect(lblTZHelp_, &LinkLabel::clicked, this, &BirthFormPanel::zoneHelpRequested);
    zoneRow->addWidget(txtZoneHour_);
    zoneRow->addWidget(MakeLabel(QStringLiteral("Label20"), QStringLiteral("Hour"), fraZone));
    zoneRow->addWidget(txtZoneMinute_);
    zoneRow->addWidget(MakeLabel(QStringLiteral("Label21"), QStringLiteral("Min"), fraZone));
    zoneRow->addStretch(1);
    zoneRow->addWidget(chkDST_);
    zoneRow->addStretch(1);
    zoneRow->addWidget(lblTZHelp_);
    QHBoxLayout* zoneLine = MakeRow();
    zoneLine->addWidget(fraZone);
    addRow(MakeLabel(QStringLiteral("Label22"), QStringLiteral("Time Zone"), content), zoneLine);

    grid->addLayout(createCoordinates(content), row++, 0, 1, 2);
    grid->addLayout(createPlace(content), row++, 0, 1, 2);

    cmdRashi_ = Named(new QPushButton(QStringLiteral("Show My Tamil Astrology Result"), content),
                      QStringLiteral("cmdRashi"));
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
    auto makeCoordinate = [&](const QString& frame, const QString& caption, const QString& prefix,
                              const QString& what, const QString& optName, const QString& first,
                              const QString& second, const QString& degLabel, const QString& minLabel,
                              Coordinate target) {
        QGroupBox* box = MakeGroup(frame, caption, content);
        auto* boxGrid = new QGridLayout(box);
        boxGrid->setContentsMargins(6, 4, 6, 4);
        boxGrid->setHorizontalSpacing(4);
        boxGrid->setVerticalSpacing(3);
        *target.degrees =
            MakeEntry(QStringLiteral("txt%1D").arg(prefix), what + QStringLiteral(" degrees"), box);
        *target.minutes =
            MakeEntry(QStringLiteral("txt%1M").arg(prefix), what + QStringLiteral(" minutes"), box);
        for (QLineEdit* edit : {*target.degrees, *target.minutes}) {
            edit->installEventFilter(this);
            edit->setFixedWidth(40);
        }
        boxGrid->addWidget(*target.degrees, 0, 0);
        boxGrid->addWidget(MakeLabel(degLabel, QStringLiteral("Deg"), box), 0, 1);
        boxGrid->addWidget(*target.minutes, 0, 2);
        boxGrid->addWidget(MakeLabel(minLabel, QStringLiteral("Min"), box), 0, 3);
        auto* group = new QButtonGroup(box);
        for (int i = 0; i < 2; ++i) {
            auto* option =
                Named(new QRadioButton(i == 0 ? first : second, box), optName + QString::number(i));
            group->addButton(option);
            (*target.sides)[std::size_t(i)] = option;
            boxGrid->addWidget(option, 1, i * 2, 1, 2);
        }
        return box;
    };
    QGroupBox* Frame3 =
        makeCoordinate(QStringLiteral("Frame3"), QStringLiteral("Latitude"), QStringLiteral("Lat"),
                       QStringLiteral("Latitude"), QStringLiteral("optLat"), QStringLiteral("North"),
                       QStringLiteral("South"), QStringLiteral("Label7"), QStringLiteral("Label9"),
                       {&txtLatD_, &txtLatM_, &optLat_});
    QGroupBox* Frame2 =
        makeCoordinate(QStringLiteral("Frame2"), QStringLiteral("Longitude"), QStringLiteral("Lon"),
                       QStringLiteral("Longitude"), QStringLiteral("optLong"), QStringLiteral("East"),
                       QStringLiteral("West"), QStringLiteral("Label6"), QStringLiteral("Label8"),
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
    txtMCity_ = MakeEntry(QStringLiteral("txtMCity"), QStringLiteral("City"), content);
    txtMState_ = MakeEntry(QStringLiteral("txtMState"), QStringLiteral("State"), content);
    txtMCountry_ = MakeEntry(QStringLiteral("txtMCountry"), QStringLiteral("Country"), content);
    cmdBrowser_ = Named(new QPushButton(QStringLiteral("Click Here To Find\nLatitude && Longitude"), content),
                        QStringLiteral("cmdBrowser"));
    cmdBrowser_->setAccessibleName(QStringLiteral("Click Here To Find Latitude & Longitude"));
    cmdBrowser_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(cmdBrowser_, &QPushButton::clicked, this, &BirthFormPanel::checkPlace);
    auto* place = new QGridLayout;
    place->setHorizontalSpacing(6);
    place->setVerticalSpacing(3);
    const std::array<std::pair<QLabel*, QLineEdit*>, 3> placeRows{{
        {MakeLabel(QStringLiteral("Label54"), QStringLiteral("City"), content), txtMCity_},
        {MakeLabel(QStringLiteral("Label55"), QStringLiteral("State"), content), txtMState_},
        {MakeLabel(QStringLiteral("Label4"), QStringLiteral("Country"), content), txtMCountry_},
    }};
    for (int i = 0; i < 3; ++i) {
        place->addWidget(placeRows[std::size_t(i)].first, i, 0);
        place->addWidget(placeRows[std::size_t(i)].second, i, 1);
    }
    place->addWidget(cmdBrowser_, 0, 2, 3, 1);
    place->setColumnStretch(1, 1);
    return place;
}

void BirthFormPanel::fillLists() {
    for (const QString& month : kMonthNames) {
        cboMonth_->addItem(month);
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

void BirthFormPanel::SetPlace(const FormPlace& place) {
    txtMCity_->setText(place.city);
    txtMState_->setText(place.state);
    txtMCountry_->setText(place.country);
    txtLatD_->setText(place.latitudeDegrees);
    txtLatM_->setText(place.latitudeMinutes);
    optLat_[place.latitudeSouth ? 1 : 0]->setChecked(true);
    txtLonD_->setText(place.longitudeDegrees);
    txtLonM_->setText(place.longitudeMinutes);
    optLong_[place.longitudeEast ? 0 : 1]->setChecked(true);
    SetZone(place.zoneHour, place.zoneMinute);
    chkDST_->setChecked(place.daylightSaving);
}

QDate BirthFormPanel::BirthDate() const {
    const QDate first(cboYear_->currentText().toInt(), cboMonth_->currentIndex() + 1, 1);
    return first.addDays(std::min(cboDate_->currentIndex(), first.daysInMonth() - 1));
}

QTime BirthFormPanel::BirthTime() const {
    return {cboHH_->currentText().toInt(), cboMM_->currentText().toInt()};
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
    platform_.ShowMessage(window(), FromCore(kMsgOnlyNumbers), MessageIcon::Error);
    return true;
}

void BirthFormPanel::checkPlace() {
    const std::array<std::pair<QLineEdit*, const QString*>, 3> places{{
        {txtMCity_, &kMsgEnterCity},
        {txtMState_, &kMsgEnterState},
        {txtMCountry_, &kMsgEnterCountry},
    }};
    for (const auto& [field, message] : places) {
        if (field->text().isEmpty()) {
            platform_.ShowMessage(window(), *message, MessageIcon::Information);
            field->setFocus();
            return;
        }
    }
    emit placeLookUpRequested(txtMCity_->text() + ' ' + txtMState_->text() + ' ' + txtMCountry_->text() +
                              QStringLiteral(" Latitude Longitude"));
}

} // namespace velmora
