#include "app/main_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <string_view>

#include "app/about_dialog.h"
#include "app/link_label.h"
#include "app/links.h"
#include "app/location_lookup.h"
#include "app/program_caption.h"
#include "app/svg_view.h"
#include "app/time_zone_dialog.h"
#include "platform/platform.h"
#include "reading/saved_reading.h"
#include "texts/look_ups.h"
#include "texts/paragraphs.h"

// The pictures are compiled into this static library; nothing else would pull them into the program.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace velmora {

namespace {

const QString kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
const QString kMsgCheckFile = QStringLiteral("Please Check The File.");
const QString kMsgEnterCity = QStringLiteral("Please Enter City");
const QString kMsgEnterState = QStringLiteral("Please Enter State");
const QString kMsgEnterCountry = QStringLiteral("Please Enter Country");
const QString kMsgSaveFailed = QStringLiteral("The reading could not be saved to %1: %2");
const QString kMsgCannotOpen = QStringLiteral("The reading could not be opened from %1: %2");

// Client area 9330 x 6315 twips; 15 twips make one pixel at 96 dpi.
constexpr QSize kClientSize(622, 421);
constexpr QRect kPanelGeometry(1, 24, 620, 347);

const QColor kWindowGrey(128, 128, 128);
const QColor kEntryGrey(64, 64, 64);
const QColor kPaleYellow(255, 255, 192);

// The core's texts are single-byte codes, the same as in a saved reading.
QString FromCore(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString BirdPicturePath(int position) {
    if (position < 0 || position >= int(BirdNames.size())) {
        return QStringLiteral(":/birds/none.svg");
    }
    return QStringLiteral(":/birds/%1.svg").arg(FromCore(BirdNames[std::size_t(position)]).toLower());
}

QFont WindowFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    return font;
}

template <class W> W* Named(W* widget, const QString& objectName) {
    widget->setObjectName(objectName);
    return widget;
}

QLabel* MakeLabel(const QString& objectName, const QString& text, QWidget* parent) {
    return Named(new QLabel(text, parent), objectName);
}

// A paragraph that wraps to the width it is given.
QLabel* MakeParagraph(const QString& objectName, const QString& text, QWidget* parent) {
    QLabel* label = MakeLabel(objectName, text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Dark entry boxes with pale yellow text, as the window's colour scheme has them.
void PaintAsEntry(QWidget* widget, const QColor& background = kEntryGrey, const QColor& text = kPaleYellow) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window}) {
        palette.setColor(role, background);
    }
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
        palette.setColor(role, text);
    }
    widget->setPalette(palette);
}

QLineEdit* MakeEntry(const QString& objectName, const QString& accessibleName, QWidget* parent) {
    auto* edit = Named(new QLineEdit(parent), objectName);
    edit->setAccessibleName(accessibleName);
    PaintAsEntry(edit);
    return edit;
}

QComboBox* MakeList(const QString& objectName, const QString& accessibleName, QWidget* parent) {
    auto* list = Named(new QComboBox(parent), objectName);
    list->setAccessibleName(accessibleName);
    PaintAsEntry(list);
    return list;
}

void AddNumbers(QComboBox* list, int first, int last) {
    for (int number = first; number <= last; ++number) {
        list->addItem(QString::number(number));
    }
}

// A result value: shown like the entry boxes, bold.
QLabel* MakeResult(const QString& objectName, QWidget* parent) {
    QLabel* label = MakeLabel(objectName, QString(), parent);
    label->setAutoFillBackground(true);
    PaintAsEntry(label);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setMargin(3);
    label->setMinimumHeight(22);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A framed group whose caption is the only text in the caption style.
QGroupBox* MakeGroup(const QString& objectName, const QString& caption, QWidget* parent) {
    return Named(new QGroupBox(caption, parent), objectName);
}

// Limits what the user types or pastes, as an edit box's maximum length does,
// while text that the program sets (the time zone picker's "-30") stays whole.
class LengthLimit : public QValidator {
public:
    LengthLimit(int maxLength, QObject* parent) : QValidator(parent), maxLength_(maxLength) {}
    State validate(QString& input, int&) const override {
        return input.size() <= maxLength_ ? Acceptable : Invalid;
    }

private:
    int maxLength_;
};

// A page as wide as its scroll area and as tall as its wrapped paragraphs need,
// leaving room for the scroll bar only when the text is longer than the page.
void FitToPage(QScrollArea* page) {
    QWidget* content = page->widget();
    // New texts leave size caches behind in the nested layouts; measure afresh.
    for (QWidget* child : content->findChildren<QWidget*>()) {
        child->updateGeometry();
    }
    for (QLayout* layout : content->findChildren<QLayout*>()) {
        layout->invalidate();
    }
    const int frame = 2 * page->frameWidth();
    const int visibleHeight = page->height() - frame;
    auto heightFor = [content](int width) {
        const int height = content->heightForWidth(width);
        return height >= 0 ? height : content->sizeHint().height();
    };
    int width = page->width() - frame;
    int height = heightFor(width);
    if (height > visibleHeight) {
        width -= page->verticalScrollBar()->sizeHint().width();
        height = heightFor(width);
    }
    content->setFixedSize(width, std::max(height, visibleHeight));
}

// Unbuffered and repeated until done or refused: a short write (a full disk, a
// size limit) then reports its reason instead of a buffered flush losing it.
bool WriteAll(QSaveFile& file, const std::string& bytes) {
    const char* next = bytes.data();
    qint64 left = qint64(bytes.size());
    while (left > 0) {
        const qint64 written = file.write(next, left);
        if (written <= 0) {
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
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

frmMain::frmMain(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform) {
    InitResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kProgramCaption));
    setFont(WindowFont());
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kWindowGrey);
    grey.setColor(QPalette::WindowText, Qt::black);
    setPalette(grey);

    createMenus();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(kClientSize);
    setCentralWidget(client);
    createLinkStrip(client);
    createResultPanel(client);
    createInputPanel(client);
    createTabOrder();
    Form_Load();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmMain::createMenus() {
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->addAction(QStringLiteral("&Calculate"), this, &frmMain::mnuCalculate_Click)
        ->setObjectName(QStringLiteral("mnuCalculate"));
    mnuFile->addAction(QStringLiteral("E&xit"), this, &frmMain::mnuExit_Click)
        ->setObjectName(QStringLiteral("mnuExit"));

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->addAction(QStringLiteral("&Online Help"), this, &frmMain::mnuOnline_Click)
        ->setObjectName(QStringLiteral("mnuOnline"));
    mnuHelp->addAction(QStringLiteral("&Visit Us Online"), this, &frmMain::mnuVisit_Click)
        ->setObjectName(QStringLiteral("mnuVisit"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelp1"));
    mnuHelp->addAction(QStringLiteral("Check for Software &Update"), this, &frmMain::mnuUpdate_Click)
        ->setObjectName(QStringLiteral("mnuUpdate"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelp2"));
    mnuHelp->addAction(QStringLiteral("&About Software"), this, &frmMain::mnuAbout_Click)
        ->setObjectName(QStringLiteral("mnuAbout"));
}

void frmMain::createLinkStrip(QWidget* client) {
    Label14_ =
        Named(new LinkLabel(QStringLiteral("Readings, help and updates at ") + HomePageAddress(), client),
              QStringLiteral("Label14"));
    Label14_->setGeometry(0, 4, kClientSize.width(), 16);
    Label14_->setAlignment(Qt::AlignCenter);
    QPalette link = Label14_->palette();
    link.setColor(QPalette::WindowText, kPaleYellow);
    Label14_->setPalette(link);
    connect(Label14_, &LinkLabel::clicked, this, &frmMain::Label14_Click);
}

void frmMain::createInputPanel(QWidget* client) {
    fraMain_ = Named(new QWidget(client), QStringLiteral("fraMain"));
    fraMain_->setGeometry(kPanelGeometry);
    fraMain_->setAutoFillBackground(true);

    cmdOpen_ = Named(new QPushButton(QStringLiteral("&Open Previously Saved Reading"), fraMain_),
                     QStringLiteral("cmdOpen"));
    cmdOpen_->setGeometry(369, 4, 246, 26);
    connect(cmdOpen_, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);

    // The introduction and the five birds, in a column left of the form.
    auto* introduction = Named(new QWidget(fraMain_), QStringLiteral("introduction"));
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
    for (std::size_t i = 0; i < BirdNames.size(); ++i) {
        column->addWidget(MakeLabel(QStringLiteral("Label%1").arg(15 + i),
                                    QStringLiteral("%1. %2").arg(i + 1).arg(FromCore(BirdNames[i])),
                                    introduction));
    }
    column->addStretch(1);

    QGroupBox* Frame1 = createPersonalDetails(fraMain_);
    Frame1->setGeometry(280, 34, 337, 310);
}

QGroupBox* frmMain::createPersonalDetails(QWidget* panel) {
    QGroupBox* Frame1 = MakeGroup(QStringLiteral("Frame1"), QStringLiteral("Personal Details"), panel);
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
    auto hbox = [] {
        auto* box = new QHBoxLayout;
        box->setSpacing(4);
        return box;
    };

    txtName_ = MakeEntry(QStringLiteral("txtName"), QStringLiteral("Name"), content);
    QHBoxLayout* nameRow = hbox();
    nameRow->addWidget(txtName_);
    addRow(MakeLabel(QStringLiteral("Label1"), QStringLiteral("Name"), content), nameRow);

    cboMonth_ = MakeList(QStringLiteral("cboMonth"), QStringLiteral("Birth month"), content);
    cboDate_ = MakeList(QStringLiteral("cboDate"), QStringLiteral("Birth day"), content);
    cboYear_ = MakeList(QStringLiteral("cboYear"), QStringLiteral("Birth year"), content);
    QHBoxLayout* dateRow = hbox();
    dateRow->addWidget(cboMonth_, 3);
    dateRow->addWidget(cboDate_, 2);
    dateRow->addWidget(cboYear_, 2);
    addRow(MakeLabel(QStringLiteral("Label2"), QStringLiteral("Date of Birth"), content), dateRow);

    cboHH_ = MakeList(QStringLiteral("cboHH"), QStringLiteral("Birth hour"), content);
    cboMM_ = MakeList(QStringLiteral("cboMM"), QStringLiteral("Birth minute"), content);
    cboSS_ = MakeList(QStringLiteral("cboSS"), QStringLiteral("Birth second"), content);
    QHBoxLayout* timeRow = hbox();
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
    connect(lblTZHelp_, &LinkLabel::clicked, this, &frmMain::lblTZHelp_Click);
    zoneRow->addWidget(txtZoneHour_);
    zoneRow->addWidget(MakeLabel(QStringLiteral("Label20"), QStringLiteral("Hour"), fraZone));
    zoneRow->addWidget(txtZoneMinute_);
    zoneRow->addWidget(MakeLabel(QStringLiteral("Label21"), QStringLiteral("Min"), fraZone));
    zoneRow->addStretch(1);
    zoneRow->addWidget(chkDST_);
    zoneRow->addStretch(1);
    zoneRow->addWidget(lblTZHelp_);
    QHBoxLayout* zoneLine = hbox();
    zoneLine->addWidget(fraZone);
    addRow(MakeLabel(QStringLiteral("Label22"), QStringLiteral("Time Zone"), content), zoneLine);

    // Latitude and longitude: degrees, minutes and the side of the globe.
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
    grid->addLayout(coordinates, row++, 0, 1, 2);

    txtMCity_ = MakeEntry(QStringLiteral("txtMCity"), QStringLiteral("City"), content);
    txtMState_ = MakeEntry(QStringLiteral("txtMState"), QStringLiteral("State"), content);
    txtMCountry_ = MakeEntry(QStringLiteral("txtMCountry"), QStringLiteral("Country"), content);
    cmdBrowser_ = Named(new QPushButton(QStringLiteral("Click Here To Find\nLatitude && Longitude"), content),
                        QStringLiteral("cmdBrowser"));
    cmdBrowser_->setAccessibleName(QStringLiteral("Click Here To Find Latitude & Longitude"));
    cmdBrowser_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(cmdBrowser_, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
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
    grid->addLayout(place, row++, 0, 1, 2);

    cmdRashi_ = Named(new QPushButton(QStringLiteral("Show My Tamil Astrology Result"), content),
                      QStringLiteral("cmdRashi"));
    connect(cmdRashi_, &QPushButton::clicked, this, &frmMain::cmdRashi_Click);
    grid->addWidget(cmdRashi_, row++, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return Frame1;
}

void frmMain::createResultPanel(QWidget* client) {
    fraResult_ = Named(new QWidget(client), QStringLiteral("fraResult"));
    fraResult_->setGeometry(kPanelGeometry);
    fraResult_->setAutoFillBackground(true);

    TS_ = Named(new QTabBar(fraResult_), QStringLiteral("TS"));
    TS_->setExpanding(false);
    TS_->setDrawBase(false);
    for (const char* caption : {"Your Nakshatra / BirthStar Details", "Your Pakshi / Bird Details",
                                "Your Ruling Days", "Your Death Day"}) {
        TS_->addTab(QString::fromLatin1(caption));
    }
    TS_->setGeometry(4, 4, 612, TS_->sizeHint().height());
    connect(TS_, &QTabBar::currentChanged, this, &frmMain::TS_Click);

    auto* tabArea = Named(new QWidget(fraResult_), QStringLiteral("tabArea"));
    const int tabBottom = TS_->geometry().bottom() + 1;
    tabArea->setGeometry(4, tabBottom, 612, 264 - tabBottom);
    createResultPages(tabArea);

    lblLabel_ =
        Named(new LinkLabel(QStringLiteral("For Detailed Analysis Visit ") + HomePageAddress(), fraResult_),
              QStringLiteral("lblLabel"));
    lblLabel_->setGeometry(4, 268, 463, 18);
    connect(lblLabel_, &LinkLabel::clicked, this, &frmMain::lblLabel_Click);

    cmdSave_ = Named(new QPushButton(QStringLiteral("&Save"), fraResult_), QStringLiteral("cmdSave"));
    cmdSave_->setGeometry(472, 314, 67, 27);
    connect(cmdSave_, &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    cmdBack_ = Named(new QPushButton(QStringLiteral("&Back"), fraResult_), QStringLiteral("cmdBack"));
    cmdBack_->setGeometry(544, 314, 67, 27);
    connect(cmdBack_, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
}

void frmMain::createResultPages(QWidget* tabArea) {
    const QStringList pageNames{QStringLiteral("picNakshatraDetails"), QStringLiteral("picPakshi"),
                                QStringLiteral("picRullingDays"), QStringLiteral("picDeathDay")};
    std::array<QVBoxLayout*, 4> columns{};
    std::array<QWidget*, 4> contents{};
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        QScrollArea* page = Named(new QScrollArea(tabArea), pageNames[qsizetype(i)]);
        page->setGeometry(tabArea->rect());
        page->setFrameShape(QFrame::StyledPanel);
        page->setWidgetResizable(false);
        page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        page->setAutoFillBackground(true);
        contents[i] = new QWidget;
        contents[i]->setAutoFillBackground(true);
        columns[i] = new QVBoxLayout(contents[i]);
        columns[i]->setContentsMargins(6, 6, 6, 6);
        columns[i]->setSpacing(6);
        page->setWidget(contents[i]);
        pages_[i] = page;
    }
    for (std::size_t i = 0; i < lblResult_.size(); ++i) {
        lblResult_[i] = MakeResult(QStringLiteral("lblResult%1").arg(i), nullptr);
    }
    // The paragraphs are plain labels; only the short values look like boxes.
    for (std::size_t i : {6U, 7U, 8U}) {
        QLabel* paragraph = lblResult_[i];
        paragraph->setAutoFillBackground(false);
        paragraph->setPalette(palette());
        paragraph->setFont(font());
        paragraph->setMargin(0);
        paragraph->setWordWrap(true);
        paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    auto captionRow = [](QWidget* parent, QGridLayout* grid, int row, const QString& name,
                         const QString& text, QLabel* value) {
        grid->addWidget(MakeLabel(name, text, parent), row, 0);
        grid->addWidget(value, row, 1);
    };

    // Tab 1: the star and the fortnight.
    QWidget* star = contents[0];
    columns[0]->addWidget(
        MakeParagraph(QStringLiteral("lblDesc1"), FromCore(NakshatraExplanationText), star));
    QGroupBox* Frame4 = MakeGroup(QStringLiteral("Frame4"), QStringLiteral("Nakshatra / BirthStar"), star);
    auto* frame4Grid = new QGridLayout(Frame4);
    captionRow(Frame4, frame4Grid, 0, QStringLiteral("lblCaption0"), QStringLiteral("Nakshatra / BirthStar"),
               lblResult_[0]);
    frame4Grid->addWidget(lblResult_[6], 1, 0, 1, 2);
    frame4Grid->setColumnStretch(1, 1);
    columns[0]->addWidget(Frame4);
    QGroupBox* Frame6 = MakeGroup(QStringLiteral("Frame6"), QStringLiteral("Tithi / Lunar Day"), star);
    auto* frame6Column = new QVBoxLayout(Frame6);
    frame6Column->addWidget(lblResult_[1]);
    frame6Column->addWidget(
        MakeParagraph(QStringLiteral("lblCaption1"),
                      QStringLiteral("The time taken by the Moon to move 12 degrees away from "
                                     "the Sun. It is significant in choosing the time and "
                                     "date for any auspicious event."),
                      Frame6));
    frame6Column->addWidget(lblResult_[8]);
    columns[0]->addWidget(Frame6);

    // Tab 2: the bird.
    QGroupBox* Frame8 =
        MakeGroup(QStringLiteral("Frame8"), QStringLiteral("Your Pakshi / Bird Details"), contents[1]);
    auto* frame8Grid = new QGridLayout(Frame8);
    picBird_ = Named(new SvgView(Frame8), QStringLiteral("picBird"));
    picBird_->setFixedSize(116, 116);
    frame8Grid->addWidget(picBird_, 0, 0, 2, 1, Qt::AlignTop);
    auto* birdRow = new QHBoxLayout;
    birdRow->addWidget(MakeLabel(QStringLiteral("lblCaption2"), QStringLiteral("Ruling Bird"), Frame8));
    birdRow->addWidget(lblResult_[2], 1);
    frame8Grid->addLayout(birdRow, 0, 1);
    frame8Grid->addWidget(lblResult_[7], 1, 1);
    frame8Grid->setColumnStretch(1, 1);
    columns[1]->addWidget(Frame8);

    // Tab 3: the ruling days.
    QGroupBox* Frame7 = MakeGroup(QStringLiteral("Frame7"), QStringLiteral("Ruling Day(s)"), contents[2]);
    auto* frame7Grid = new QGridLayout(Frame7);
    captionRow(Frame7, frame7Grid, 0, QStringLiteral("lblCaption3"),
               QStringLiteral("Ruling Day(s) in Day time"), lblResult_[3]);
    captionRow(Frame7, frame7Grid, 1, QStringLiteral("lblCaption4"),
               QStringLiteral("Ruling Day(s) in Night time"), lblResult_[4]);
    frame7Grid->addWidget(MakeParagraph(QStringLiteral("lblDesc3"), FromCore(RulingDaysText), Frame7), 2, 0,
                          1, 2);
    frame7Grid->setColumnStretch(1, 1);
    columns[2]->addWidget(Frame7);

    // Tab 4: the death days.
    QGroupBox* Frame9 = MakeGroup(QStringLiteral("Frame9"), QStringLiteral("Your Death Day"), contents[3]);
    auto* frame9Grid = new QGridLayout(Frame9);
    captionRow(Frame9, frame9Grid, 0, QStringLiteral("lblCaption5"), QStringLiteral("Death Day(s)"),
               lblResult_[5]);
    frame9Grid->addWidget(MakeParagraph(QStringLiteral("lblDesc2"), FromCore(DeathDaysText), Frame9), 1, 0, 1,
                          2);
    frame9Grid->setColumnStretch(1, 1);
    columns[3]->addWidget(Frame9);

    for (std::size_t i = 0; i < pages_.size(); ++i) {
        columns[i]->addStretch(1);
        FitToPage(pages_[i]);
    }
}

void frmMain::createTabOrder() {
    const std::array<QWidget*, 25> order{
        Label14_,  cmdOpen_,   txtName_,     cboMonth_,      cboDate_, cboYear_,    cboHH_,
        cboMM_,    cboSS_,     txtZoneHour_, txtZoneMinute_, chkDST_,  lblTZHelp_,  txtLatD_,
        txtLatM_,  optLat_[0], optLat_[1],   txtLonD_,       txtLonM_, optLong_[0], optLong_[1],
        txtMCity_, txtMState_, txtMCountry_, cmdBrowser_,
    };
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    setTabOrder(cmdBrowser_, cmdRashi_);
    setTabOrder(cmdRashi_, TS_);
    QWidget* previous = TS_;
    for (QScrollArea* page : pages_) {
        setTabOrder(previous, page);
        previous = page;
    }
    setTabOrder(previous, lblLabel_);
    setTabOrder(lblLabel_, cmdSave_);
    setTabOrder(cmdSave_, cmdBack_);
}

void frmMain::Form_Load() {
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
    picBird_->SetSource(BirdPicturePath(session_.Results().BirdPicture));
    ShowPage(pages_[0]);
    BringToFront(fraMain_);
    txtName_->setFocus();
}

BirthFormFields frmMain::FormFields() const {
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

QWidget* frmMain::FieldWidget(FormField field) const {
    switch (field) {
    case FormField::Name:
        return txtName_;
    case FormField::ZoneHour:
        return txtZoneHour_;
    case FormField::ZoneMinute:
        return txtZoneMinute_;
    case FormField::LongitudeDegrees:
        return txtLonD_;
    case FormField::LongitudeMinutes:
        return txtLonM_;
    case FormField::LatitudeDegrees:
        return txtLatD_;
    case FormField::LatitudeMinutes:
        return txtLatM_;
    case FormField::None:
        break;
    }
    return nullptr;
}

void frmMain::BringToFront(QWidget* panel) {
    QWidget* behind = panel == fraMain_ ? fraResult_ : fraMain_;
    QWidget* focus = QApplication::focusWidget();
    if (behind == fraMain_ && focus != nullptr && fraMain_->isAncestorOf(focus)) {
        inputFocus_ = focus;
    }
    panel->setEnabled(true);
    panel->raise();
    behind->setEnabled(false);
    if (panel == fraResult_) {
        TS_->setFocus();
    } else if (inputFocus_ != nullptr) {
        inputFocus_->setFocus();
    }
}

void frmMain::ShowPage(QScrollArea* page) {
    for (QScrollArea* other : pages_) {
        other->setEnabled(other == page);
    }
    page->raise();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
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
        return QMainWindow::eventFilter(watched, event);
    }
    platform_.ShowMessage(this, FromCore(kMsgOnlyNumbers), MessageIcon::Error);
    return true;
}

void frmMain::cmdRashi_Click() {
    const std::optional<ValidationFailure> failure = session_.Calculate(FormFields());
    if (failure) {
        // The field to correct must be in sight, also when the menu was used on the result panel.
        BringToFront(fraMain_);
        platform_.ShowMessage(this, FromCore(failure->message), failure->icon);
        if (QWidget* field = FieldWidget(failure->focus)) {
            field->setFocus();
        }
        return;
    }
    ShowReading();
}

void frmMain::mnuCalculate_Click() {
    cmdRashi_Click();
}

void frmMain::ShowReading() {
    const ReadingResults& results = session_.Results();
    const std::array<const std::string*, 8> values{
        &results.StarName,        &results.PakshaName, &results.RulingBird,      &results.RulingDaysDay,
        &results.RulingDaysNight, &results.DeathDays,  &results.StarDescription, &results.PakshiDescription,
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        lblResult_[i]->setText(FromCore(*values[i]));
    }
    lblResult_[8]->setText(FromCore(FortnightExplanation(results.PakshaName)));
    picBird_->SetSource(BirdPicturePath(results.BirdPicture));
    picBird_->setAccessibleName(FromCore(results.RulingBird));
    TS_->setCurrentIndex(0);
    ShowPage(pages_[0]);
    for (QScrollArea* page : pages_) {
        FitToPage(page);
        page->ensureVisible(0, 0);
    }
    BringToFront(fraResult_);
}

void frmMain::cmdBack_Click() {
    BringToFront(fraMain_);
}

void frmMain::TS_Click() {
    ShowPage(pages_[std::size_t(std::clamp(TS_->currentIndex(), 0, 3))]);
}

void frmMain::cmdSave_Click() {
    const QString fileName = platform_.GetSaveFileName(
        this, {kMessageTitle, QStringLiteral("Rich Text Format (*.tam)"), QStringLiteral("tam")});
    if (fileName.isEmpty()) {
        return;
    }
    const ReadingResults& results = session_.Results();
    const std::string bytes = EncodeSavedReading(results.StarName, results.PakshaName);
    // Written beside the target and renamed over it, so a failure leaves any older file whole.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteAll(file, bytes) ||
        !file.commit()) {
        platform_.ShowMessage(this,
                              kMsgSaveFailed.arg(QDir::toNativeSeparators(fileName), file.errorString()),
                              MessageIcon::Error);
    }
}

void frmMain::cmdOpen_Click() {
    const QString fileName =
        platform_.GetOpenFileName(this, {QStringLiteral("Select the source file"),
                                         QStringLiteral("Velmora (*.tam)"), QStringLiteral("tam")});
    OpenSavedReading(fileName);
}

void frmMain::OpenSavedReading(const QString& fileName) {
    if (fileName.size() >= 3 && !fileName.endsWith(QStringLiteral("tam"), Qt::CaseSensitive)) {
        platform_.ShowMessage(this, kMsgCheckFile, MessageIcon::Error);
        return;
    }
    if (fileName.isEmpty()) {
        return;
    }
    QFile file(fileName);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) {
        // Only the first two short lines matter; a huge file is never read whole.
        bytes = file.read(qint64(kSavedReadingReadLimit));
    }
    if (file.error() != QFileDevice::NoError) {
        platform_.ShowMessage(this,
                              kMsgCannotOpen.arg(QDir::toNativeSeparators(fileName), file.errorString()),
                              MessageIcon::Error);
        return;
    }
    const SavedReading saved =
        DecodeSavedReading(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    session_.Reopen(saved.starName, saved.pakshaName);
    ShowReading();
}

void frmMain::cmdBrowser_Click() {
    const std::array<std::pair<QLineEdit*, const QString*>, 3> places{{
        {txtMCity_, &kMsgEnterCity},
        {txtMState_, &kMsgEnterState},
        {txtMCountry_, &kMsgEnterCountry},
    }};
    for (const auto& [field, message] : places) {
        if (field->text().isEmpty()) {
            platform_.ShowMessage(this, *message, MessageIcon::Information);
            field->setFocus();
            return;
        }
    }
    const QString query = txtMCity_->text() + ' ' + txtMState_->text() + ' ' + txtMCountry_->text() +
                          QStringLiteral(" Latitude Longitude");
    LocationLookup(query, HomePageAddress(), this);
}

void frmMain::lblTZHelp_Click() {
    frmTimeZone picker(txtZoneHour_, txtZoneMinute_, this);
    picker.exec();
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::mnuOnline_Click() {
    OpenHelpPage(platform_);
}

void frmMain::mnuVisit_Click() {
    OpenHomePage(platform_);
}

void frmMain::mnuUpdate_Click() {
    OpenUpdatePage(platform_);
}

void frmMain::mnuAbout_Click() {
    frmAbout about(platform_, this);
    about.exec();
}

void frmMain::lblLabel_Click() {
    OpenHomePage(platform_);
}

void frmMain::Label14_Click() {
    OpenHomePage(platform_);
}

} // namespace velmora
