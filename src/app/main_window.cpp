#include "app/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "app/about_dialog.h"
#include "app/birds_day/birds_day_window.h"
#include "app/birth_form_panel.h"
#include "app/lean_widgets/link_label.h"
#include "app/links.h"
#include "app/location_lookup/location_lookup_loader.h"
#include "app/program_caption.h"
#include "app/reading_files.h"
#include "app/reading_result_panel.h"
#include "app/reading_sharing.h"
#include "app/time_zone_dialog.h"
#include "app/translation.h"
#include "app/widget_style.h"
#include "platform/platform.h"
#include "reading/birth_time_margins.h"

// The pictures are compiled into this static library; nothing else would pull them into the program.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace velmora {

namespace {

// Client area 9330 x 6315 twips; 15 twips make one pixel at 96 dpi.
constexpr QSize kClientSize(622, 421);
constexpr QRect kPanelGeometry(1, 24, 620, 347);

const char* const kContext = "velmora::frmMain";

QString FromZoneTable(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

frmMain::frmMain(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform), language_(StartingLanguage(platform)) {
    setUpWindow();
    createMenus();
    QWidget* client = createClientArea();
    createLinkStrip(client);
    createResultPanel(client);
    createInputPanel(client);
    createTabOrder();
    SetLanguage(language_);
    showFirstDisplay();
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the user cannot resize the window
}

void frmMain::setUpWindow() {
    InitResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kProgramCaption));
    setFont(WindowFont());
}

void frmMain::createMenus() {
    // Each entry keeps its English source, so a change of language re-translates it.
    const auto add = [this](QMenu* menu, const char* text, const char* name, auto slot,
                            const QKeySequence& keys = {}) {
        QAction* action = Captioned(menu->addAction(QString(), this, slot), kContext, text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        return action;
    };
    QMenu* mnuFile = Captioned(menuBar()->addMenu(QString()), kContext, QT_TR_NOOP("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    add(mnuFile, QT_TR_NOOP("&Calculate"), "mnuCalculate", &frmMain::calculate);
    add(
        mnuFile, QT_TR_NOOP("Your Bird's &Day..."), "mnuBirdsDay", [this] { openBirdsDay(false); },
        QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuFile->addSeparator();
    add(mnuFile, QT_TR_NOOP("&Open..."), "mnuOpen", &frmMain::openReading,
        QKeySequence(Qt::CTRL | Qt::Key_O));
    readingActions_.save = add(mnuFile, QT_TR_NOOP("&Save..."), "mnuSave", &frmMain::saveReading,
                               QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFile->addSeparator();
    readingActions_.print = add(
        mnuFile, QT_TR_NOOP("&Print..."), "mnuPrint",
        [this] { PrintReading(platform_, this, session_, language_); }, QKeySequence(Qt::CTRL | Qt::Key_P));
    readingActions_.exportPdf = add(mnuFile, QT_TR_NOOP("&Export as PDF..."), "mnuExportPdf",
                                    [this] { ExportReadingPdf(platform_, this, session_, language_); });
    mnuFile->addSeparator();
    add(mnuFile, QT_TR_NOOP("E&xit"), "mnuExit", &frmMain::close, QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* mnuEdit = Captioned(menuBar()->addMenu(QString()), kContext, QT_TR_NOOP("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    readingActions_.copy = add(mnuEdit, QT_TR_NOOP("&Copy Reading"), "mnuCopyReading",
                               [this] { CopyReading(session_, language_); });

    createLanguageMenu();

    QMenu* mnuHelp = Captioned(menuBar()->addMenu(QString()), kContext, QT_TR_NOOP("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    add(
        mnuHelp, QT_TR_NOOP("&Online Help"), "mnuOnline",
        [this] { OpenHelpPage(platform_, CurrentLanguage()); }, QKeySequence(Qt::Key_F1));
    add(mnuHelp, QT_TR_NOOP("&Visit Us Online"), "mnuVisit", [this] { OpenHomePage(platform_); });
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelp1"));
    add(mnuHelp, QT_TR_NOOP("Check for Software &Update"), "mnuUpdate",
        [this] { OpenUpdatePage(platform_); });
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelp2"));
    add(mnuHelp, QT_TR_NOOP("&About Software"), "mnuAbout", &frmMain::showAbout);
}

// View > Language: each language named in itself, so that a reader finds theirs whatever is shown.
void frmMain::createLanguageMenu() {
    QMenu* mnuView = Captioned(menuBar()->addMenu(QString()), kContext, QT_TR_NOOP("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    QMenu* mnuLanguage = Captioned(mnuView->addMenu(QString()), kContext, QT_TR_NOOP("&Language"));
    mnuLanguage->setObjectName(QStringLiteral("mnuLanguage"));
    auto* choices = new QActionGroup(mnuLanguage);
    for (const Language language : {Language::English, Language::Tamil}) {
        QAction* choice = mnuLanguage->addAction(language == Language::Tamil ? QStringLiteral("தமிழ்")
                                                                             : QStringLiteral("English"));
        choice->setObjectName(QStringLiteral("mnuLanguage_%1").arg(LanguageCode(language)));
        choice->setCheckable(true);
        choice->setChecked(language == language_);
        choices->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, language] {
            platform_.WriteSetting(kLanguageSetting, LanguageCode(language));
            SetLanguage(language);
        });
    }
}

void frmMain::SetLanguage(Language language) {
    language_ = language;
    InstallTranslation(language);
    RetranslateCaptions(this);
    Label14_->setText(tr("Readings, help and updates at %1").arg(HomePageAddress()));
    fraMain_->Retranslate(language);
    fraResult_->Retranslate(language);
    if (birdsDay_ != nullptr) {
        birdsDay_->SetLanguage(language);
    }
    if (QAction* choice = findChild<QAction*>(QStringLiteral("mnuLanguage_%1").arg(LanguageCode(language)))) {
        choice->setChecked(true);
    }
}

QWidget* frmMain::createClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(kClientSize);
    // The grey is the client area's; the menu bar and the menus keep the desktop's colours,
    // which a dark theme would otherwise leave unreadable on the grey.
    QPalette grey = client->palette();
    grey.setColor(QPalette::Window, kWindowGrey);
    grey.setColor(QPalette::WindowText, Qt::black);
    client->setPalette(grey);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    return client;
}

void frmMain::createLinkStrip(QWidget* client) {
    Label14_ = Named(new LinkLabel(QString(), client), QStringLiteral("Label14"));
    Label14_->setGeometry(0, 4, kClientSize.width(), 16);
    Label14_->setAlignment(Qt::AlignCenter);
    QPalette link = Label14_->palette();
    link.setColor(QPalette::WindowText, kPaleYellow);
    Label14_->setPalette(link);
    connect(Label14_, &LinkLabel::clicked, this, [this] { OpenHomePage(platform_); });
}

void frmMain::createResultPanel(QWidget* client) {
    fraResult_ = new ReadingResultPanel(client);
    fraResult_->setGeometry(kPanelGeometry);
    connect(fraResult_, &ReadingResultPanel::saveRequested, this, &frmMain::saveReading);
    connect(fraResult_, &ReadingResultPanel::birdsDayRequested, this, [this] { openBirdsDay(true); });
    connect(fraResult_, &ReadingResultPanel::backRequested, this, [this] { bringToFront(fraMain_); });
    connect(fraResult_, &ReadingResultPanel::homePageRequested, this, [this] { OpenHomePage(platform_); });
}

void frmMain::createInputPanel(QWidget* client) {
    fraMain_ = new BirthFormPanel(platform_, client);
    fraMain_->setGeometry(kPanelGeometry);
    connect(fraMain_, &BirthFormPanel::openRequested, this, &frmMain::openReading);
    connect(fraMain_, &BirthFormPanel::calculateRequested, this, &frmMain::calculate);
    connect(fraMain_, &BirthFormPanel::zoneHelpRequested, this, &frmMain::pickTimeZone);
    connect(fraMain_, &BirthFormPanel::placeLookUpRequested, this, &frmMain::lookUpPlace);
}

// One chain: the link strip, down the form, then across the result panel.
void frmMain::createTabOrder() {
    QWidget* previous = Label14_;
    for (QWidget* next : fraMain_->TabChain()) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QWidget* next : fraResult_->TabChain()) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void frmMain::showFirstDisplay() {
    // No bird before the first reading: the picture box shows its empty picture.
    fraResult_->ShowBirdPicture(std::nullopt);
    bringToFront(fraMain_);
    fraMain_->FocusField(FormField::Name);
}

void frmMain::calculate() {
    const std::optional<ValidationFailure> failure = session_.Calculate(fraMain_->Fields());
    if (failure) {
        // The field to correct must be in sight, also when the menu was used on the result panel.
        bringToFront(fraMain_);
        platform_.ShowMessage(this, CheckMessageFor(failure->message, language_), failure->icon);
        fraMain_->FocusField(failure->focus);
        return;
    }
    // A reading computed from a birth time near a change of star or fortnight says so.
    fraResult_->ShowReading(session_.Results(), NearestChange(FindBirthTimeMargins(session_.Record())));
    bringToFront(fraResult_);
}

void frmMain::showReading() {
    fraResult_->ShowReading(session_.Results());
    bringToFront(fraResult_);
}

void frmMain::saveReading() {
    SaveReadingFile(platform_, this, session_.Results());
}

void frmMain::openReading() {
    OpenSavedReading(AskReadingToOpen(platform_, this));
}

void frmMain::OpenSavedReading(const QString& fileName) {
    if (ReopenReadingFile(platform_, this, fileName, session_, language_)) {
        showReading();
    }
}

void frmMain::pickTimeZone() {
    frmTimeZone picker(this);
    picker.exec();
    if (const std::optional<TimeZoneRow>& row = picker.ChosenRow()) {
        fraMain_->SetZone(FromZoneTable(row->hourText), FromZoneTable(row->minuteText));
    }
}

void frmMain::lookUpPlace(const QString& query) {
    const LocationLookupRequest request{query, fraMain_->BirthDate(), fraMain_->BirthTime(),
                                        HomePageAddress(), TextsOf(language_).placeLabels};
    QString error;
    if (OpenLocationLookup(
            request, [form = fraMain_](const places::PlaceFormValues& place) { form->SetPlace(place); }, this,
            &error) == nullptr) {
        platform_.ShowMessage(this, error, MessageIcon::Error);
    }
}

void frmMain::showAbout() {
    frmAbout about(platform_, this);
    about.exec();
}

// From the reading, the reading's bird at the birth place when the form names one; from the menu,
// the bird last shown (the reading's before any) at the last place used.
void frmMain::openBirdsDay(bool forReading) {
    const std::optional<RulingBird>& readingBird = session_.Results().bird;
    const bool opened = birdsDay_ != nullptr;
    if (!opened) {
        birdsDay_ = new frmBirdsDay(platform_, language_, this);
    }
    std::optional<DayPlace> place;
    const QString placeName = fraMain_->PlaceName();
    if (forReading && !session_.Results().asRead && !placeName.isEmpty()) {
        place = PlaceOfBirth(session_.Record(), placeName, fraMain_->PlaceTimeZoneId());
    }
    if (forReading || !opened) {
        birdsDay_->ShowBird(readingBird ? readingBird->bird : Bird::Vulture, place);
    }
    birdsDay_->show();
    birdsDay_->raise();
    birdsDay_->activateWindow();
}

void frmMain::bringToFront(QWidget* panel) {
    QWidget* behind = panel == fraMain_ ? static_cast<QWidget*>(fraResult_) : fraMain_;
    // A panel already in front keeps its focus: the remembered one is only for coming back.
    if (panel->isEnabled() && !behind->isEnabled()) {
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    if (behind == fraMain_ && focus != nullptr && fraMain_->isAncestorOf(focus)) {
        inputFocus_ = focus;
    }
    panel->setEnabled(true);
    panel->raise();
    for (QAction* action :
         {readingActions_.save, readingActions_.print, readingActions_.exportPdf, readingActions_.copy}) {
        action->setEnabled(panel == fraResult_);
    }
    behind->setEnabled(false);
    if (panel == fraResult_) {
        fraResult_->FocusTabs();
    } else if (inputFocus_ != nullptr) {
        inputFocus_->setFocus();
    }
}

} // namespace velmora
