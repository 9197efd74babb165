#include "app/reading_result_panel.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/lean_widgets/link_label.h"
#include "app/lean_widgets/page_fitting.h"
#include "app/lean_widgets/paragraph_label.h"
#include "app/lean_widgets/svg_view.h"
#include "app/links.h"
#include "app/translation.h"
#include "app/widget_style.h"
#include "model/reading_results.h"
#include "texts/localized.h"
#include "texts/names.h"
#include "texts/near_change_line.h"

namespace velmora {

namespace {

const char* const kContext = "velmora::ReadingResultPanel";

// The four tabs share one line, where a translation may need shorter words than on the pages.
constexpr auto kTabCaptions = std::to_array<AmbiguousSource>({
    QT_TRANSLATE_NOOP3("velmora::ReadingResultPanel", "Your Nakshatra / BirthStar Details", "tab"),
    QT_TRANSLATE_NOOP3("velmora::ReadingResultPanel", "Your Pakshi / Bird Details", "tab"),
    QT_TRANSLATE_NOOP3("velmora::ReadingResultPanel", "Your Ruling Days", "tab"),
    QT_TRANSLATE_NOOP3("velmora::ReadingResultPanel", "Your Death Day", "tab"),
});
static_assert(kTabCaptions.size() == 4);

QString BirdPicturePath(std::optional<Bird> bird) {
    if (!bird) {
        return QStringLiteral(":/birds/none.svg");
    }
    return QStringLiteral(":/birds/%1.svg").arg(FromCore(kBirdNames[IndexOf(*bird)]).toLower());
}

void AddCaptionRow(QWidget* parent, QGridLayout* grid, int row, const QString& name, const char* caption,
                   QLabel* value) {
    grid->addWidget(Captioned(MakeLabel(name, QString(), parent), kContext, caption), row, 0);
    grid->addWidget(value, row, 1);
}

} // namespace

ReadingResultPanel::ReadingResultPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fraResult"));
    setAutoFillBackground(true);

    TS_ = Named(new QTabBar(this), QStringLiteral("TS"));
    TS_->setExpanding(false);
    TS_->setDrawBase(false);
    for (std::size_t i = 0; i < kTabCaptions.size(); ++i) {
        TS_->addTab(QString());
    }
    TS_->setGeometry(4, 4, 612, TS_->sizeHint().height());
    connect(TS_, &QTabBar::currentChanged, this,
            [this](int tab) { showPage(std::size_t(std::clamp(tab, 0, 3))); });

    auto* tabArea = Named(new QWidget(this), QStringLiteral("tabArea"));
    const int tabBottom = TS_->geometry().bottom() + 1;
    tabArea->setGeometry(4, tabBottom, 612, 264 - tabBottom);
    createPages(tabArea);

    lblLabel_ = Named(new LinkLabel(QString(), this), QStringLiteral("lblLabel"));
    lblLabel_->setGeometry(4, 268, 463, 18);
    connect(lblLabel_, &LinkLabel::clicked, this, &ReadingResultPanel::homePageRequested);

    cmdBirdsDay_ = Captioned(Named(new QPushButton(this), QStringLiteral("cmdBirdsDay")), kContext,
                             QT_TR_NOOP("Your Bird's &Day"));
    connect(cmdBirdsDay_, &QPushButton::clicked, this, &ReadingResultPanel::birdsDayRequested);
    cmdSave_ =
        Captioned(Named(new QPushButton(this), QStringLiteral("cmdSave")), kContext, QT_TR_NOOP("&Save"));
    cmdSave_->setGeometry(472, 320, 67, 27);
    connect(cmdSave_, &QPushButton::clicked, this, &ReadingResultPanel::saveRequested);
    cmdBack_ =
        Captioned(Named(new QPushButton(this), QStringLiteral("cmdBack")), kContext, QT_TR_NOOP("&Back"));
    cmdBack_->setGeometry(544, 320, 67, 27);
    connect(cmdBack_, &QPushButton::clicked, this, &ReadingResultPanel::backRequested);

    Retranslate(Language::English); // also brings the first page to the front
}

void ReadingResultPanel::createPages(QWidget* tabArea) {
    const QStringList pageNames{QStringLiteral("picNakshatraDetails"), QStringLiteral("picPakshi"),
                                QStringLiteral("picRullingDays"), QStringLiteral("picDeathDay")};
    std::array<QVBoxLayout*, 4> columns{};
    std::array<QWidget*, 4>& contents = pageContents_;
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        QScrollArea* page = Named(new QScrollArea(tabArea), pageNames[qsizetype(i)]);
        page->setGeometry(tabArea->rect());
        page->setFrameShape(QFrame::StyledPanel);
        page->setWidgetResizable(false);
        page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        page->setAutoFillBackground(true);
        // The page takes its content when first shown; until then the content waits, hidden.
        contents[i] = new PageContent(this);
        contents[i]->hide();
        contents[i]->setAutoFillBackground(true);
        columns[i] = new QVBoxLayout(contents[i]);
        columns[i]->setContentsMargins(6, 6, 6, 6);
        columns[i]->setSpacing(6);
        pages_[i] = page;
    }
    labels_.star = MakeResult(QStringLiteral("lblResult0"), nullptr);
    labels_.fortnight = MakeResult(QStringLiteral("lblResult1"), nullptr);
    labels_.rulingBird = MakeResult(QStringLiteral("lblResult2"), nullptr);
    labels_.rulingDaysDay = MakeResult(QStringLiteral("lblResult3"), nullptr);
    labels_.rulingDaysNight = MakeResult(QStringLiteral("lblResult4"), nullptr);
    labels_.deathDays = MakeResult(QStringLiteral("lblResult5"), nullptr);
    labels_.starDescription = MakeParagraph(QStringLiteral("lblResult6"), QString(), nullptr);
    labels_.birdDescription = MakeParagraph(QStringLiteral("lblResult7"), QString(), nullptr);
    labels_.fortnightExplanation = MakeParagraph(QStringLiteral("lblResult8"), QString(), nullptr);
    // The paragraphs are in the window's font, not their group's; only the short values look like boxes.
    for (QLabel* paragraph :
         {labels_.starDescription, labels_.birdDescription, labels_.fortnightExplanation}) {
        paragraph->setFont(window()->font());
        paragraph->setMinimumHeight(22);
    }

    // Tab 1: the star and the fortnight.
    QWidget* star = contents[0];
    fixedTexts_[0] = MakeParagraph(QStringLiteral("lblDesc1"), QString(), star);
    columns[0]->addWidget(fixedTexts_[0]);
    QGroupBox* Frame4 = Captioned(MakeGroup(QStringLiteral("Frame4"), QString(), star), kContext,
                                  QT_TR_NOOP("Nakshatra / BirthStar"));
    auto* frame4Grid = new QGridLayout(Frame4);
    AddCaptionRow(Frame4, frame4Grid, 0, QStringLiteral("lblCaption0"), QT_TR_NOOP("Nakshatra / BirthStar"),
                  labels_.star);
    lblMargin_ = MakeParagraph(QStringLiteral("lblMargin"), QString(), Frame4);
    lblMargin_->setAccessibleName(QStringLiteral("Birth time near a change"));
    lblMargin_->hide();
    frame4Grid->addWidget(lblMargin_, 1, 0, 1, 2);
    frame4Grid->addWidget(labels_.starDescription, 2, 0, 1, 2);
    frame4Grid->setColumnStretch(1, 1);
    columns[0]->addWidget(Frame4);
    QGroupBox* Frame6 = Captioned(MakeGroup(QStringLiteral("Frame6"), QString(), star), kContext,
                                  QT_TR_NOOP("Tithi / Lunar Day"));
    auto* frame6Column = new QVBoxLayout(Frame6);
    frame6Column->addWidget(labels_.fortnight);
    fixedTexts_[1] = MakeParagraph(QStringLiteral("lblCaption1"), QString(), Frame6);
    frame6Column->addWidget(fixedTexts_[1]);
    frame6Column->addWidget(labels_.fortnightExplanation);
    columns[0]->addWidget(Frame6);

    // Tab 2: the bird.
    QGroupBox* Frame8 = Captioned(MakeGroup(QStringLiteral("Frame8"), QString(), contents[1]), kContext,
                                  QT_TR_NOOP("Your Pakshi / Bird Details"));
    auto* frame8Grid = new QGridLayout(Frame8);
    picBird_ = Named(new SvgView(Frame8), QStringLiteral("picBird"));
    picBird_->setFixedSize(116, 116);
    frame8Grid->addWidget(picBird_, 0, 0, 2, 1, Qt::AlignTop);
    auto* birdRow = new QHBoxLayout;
    birdRow->addWidget(Captioned(MakeLabel(QStringLiteral("lblCaption2"), QString(), Frame8), kContext,
                                 QT_TR_NOOP("Ruling Bird")));
    birdRow->addWidget(labels_.rulingBird, 1);
    frame8Grid->addLayout(birdRow, 0, 1);
    frame8Grid->addWidget(labels_.birdDescription, 1, 1);
    frame8Grid->setColumnStretch(1, 1);
    columns[1]->addWidget(Frame8);

    // Tab 3: the ruling days.
    QGroupBox* Frame7 = Captioned(MakeGroup(QStringLiteral("Frame7"), QString(), contents[2]), kContext,
                                  QT_TR_NOOP("Ruling Day(s)"));
    auto* frame7Grid = new QGridLayout(Frame7);
    AddCaptionRow(Frame7, frame7Grid, 0, QStringLiteral("lblCaption3"),
                  QT_TR_NOOP("Ruling Day(s) in Day time"), labels_.rulingDaysDay);
    AddCaptionRow(Frame7, frame7Grid, 1, QStringLiteral("lblCaption4"),
                  QT_TR_NOOP("Ruling Day(s) in Night time"), labels_.rulingDaysNight);
    fixedTexts_[2] = MakeParagraph(QStringLiteral("lblDesc3"), QString(), Frame7);
    frame7Grid->addWidget(fixedTexts_[2], 2, 0, 1, 2);
    frame7Grid->setColumnStretch(1, 1);
    columns[2]->addWidget(Frame7);

    // Tab 4: the death days.
    QGroupBox* Frame9 = Captioned(MakeGroup(QStringLiteral("Frame9"), QString(), contents[3]), kContext,
                                  QT_TR_NOOP("Your Death Day"));
    auto* frame9Grid = new QGridLayout(Frame9);
    AddCaptionRow(Frame9, frame9Grid, 0, QStringLiteral("lblCaption5"), QT_TR_NOOP("Death Day(s)"),
                  labels_.deathDays);
    fixedTexts_[3] = MakeParagraph(QStringLiteral("lblDesc2"), QString(), Frame9);
    frame9Grid->addWidget(fixedTexts_[3], 1, 0, 1, 2);
    frame9Grid->setColumnStretch(1, 1);
    columns[3]->addWidget(Frame9);

    for (std::size_t i = 0; i < pages_.size(); ++i) {
        columns[i]->addStretch(1);
    }
}

void ReadingResultPanel::Retranslate(Language language) {
    forgetPageSizes();
    language_ = language;
    RetranslateCaptions(this);
    for (std::size_t i = 0; i < kTabCaptions.size(); ++i) {
        TS_->setTabText(int(i), QCoreApplication::translate(kContext, kTabCaptions[i].source,
                                                            kTabCaptions[i].disambiguation));
    }
    lblLabel_->setText(tr("For Detailed Analysis Visit %1").arg(HomePageAddress()));
    // Beside Save, as wide as its caption in the language shown.
    const int birdsDayWidth = std::max(131, cmdBirdsDay_->sizeHint().width());
    cmdBirdsDay_->setGeometry(cmdSave_->geometry().left() - 5 - birdsDayWidth, 320, birdsDayWidth, 27);
    constexpr auto kFixedTexts = std::to_array<std::string_view LanguageTexts::*>({
        &LanguageTexts::nakshatraExplanation,
        &LanguageTexts::lunarDayExplanation,
        &LanguageTexts::rulingDaysExplanation,
        &LanguageTexts::deathDaysExplanation,
    });
    static_assert(kFixedTexts.size() == std::tuple_size_v<decltype(fixedTexts_)>);
    for (std::size_t i = 0; i < kFixedTexts.size(); ++i) {
        fixedTexts_[i]->setText(FromCore(TextsOf(language).*kFixedTexts[i], language));
    }
    if (shown_) {
        showValues();
    }
    showPage(std::size_t(std::clamp(TS_->currentIndex(), 0, 3)));
}

void ReadingResultPanel::showValues() {
    const LocalizedReading reading = Localize(*shown_, language_);
    const ReadingLines& lines = reading.lines;
    auto text = [this](std::string_view core) { return FromCore(core, language_); };
    labels_.star->setText(text(lines.star));
    labels_.fortnight->setText(text(lines.fortnight));
    labels_.rulingBird->setText(text(lines.bird));
    labels_.rulingDaysDay->setText(text(lines.rulingDaysDay));
    labels_.rulingDaysNight->setText(text(lines.rulingDaysNight));
    labels_.deathDays->setText(text(lines.deathDays));
    labels_.starDescription->setText(text(reading.texts.description));
    labels_.birdDescription->setText(text(reading.texts.pakshiDescription));
    labels_.fortnightExplanation->setText(text(reading.fortnightExplanation));
    picBird_->setAccessibleName(text(lines.bird));
    const QString marginNote = nearChange_ ? text(NearChangeLine(*nearChange_, language_)) : QString();
    lblMargin_->setText(marginNote);
    lblMargin_->setAccessibleDescription(marginNote);
    lblMargin_->setVisible(!marginNote.isEmpty());
}

void ReadingResultPanel::ShowReading(const ReadingResults& results,
                                     std::optional<NearChangeFacts> nearChange) {
    forgetPageSizes();
    shown_ = results;
    nearChange_ = nearChange;
    showValues();
    ShowBirdPicture(results.bird ? std::optional(results.bird->bird) : std::nullopt);
    for (QScrollArea* page : pages_) {
        page->ensureVisible(0, 0);
    }
    TS_->setCurrentIndex(0);
    showPage(0);
}

void ReadingResultPanel::ShowBirdPicture(std::optional<Bird> bird) {
    picBird_->SetSource(BirdPicturePath(bird));
}

void ReadingResultPanel::FocusTabs() {
    TS_->setFocus();
}

std::array<QWidget*, 9> ReadingResultPanel::TabChain() const {
    return {TS_, pages_[0], pages_[1], pages_[2], pages_[3], lblLabel_, cmdBirdsDay_, cmdSave_, cmdBack_};
}

void ReadingResultPanel::forgetPageSizes() {
    pageFitted_.fill(false);
    for (QWidget* content : pageContents_) {
        SetLayoutsEnabled(content, false);
    }
}

// Until the first reading the panel is never in front, so its pages wait for one to be measured.
void ReadingResultPanel::showPage(std::size_t index) {
    QScrollArea* page = pages_[index];
    if (shown_ && !pageFitted_[index]) {
        FitToPage(page, pageContents_[index]);
        pageFitted_[index] = true;
    }
    for (QScrollArea* other : pages_) {
        other->setEnabled(other == page);
    }
    page->raise();
}

} // namespace velmora
