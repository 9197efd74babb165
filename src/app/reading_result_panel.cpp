#include "app/reading_result_panel.h"

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

#include "app/link_label.h"
#include "app/links.h"
#include "app/svg_view.h"
#include "app/widget_style.h"
#include "model/reading_results.h"
#include "texts/names.h"
#include "texts/paragraphs.h"
#include "texts/reading_lines.h"

namespace velmora {

namespace {

QString BirdPicturePath(int position) {
    if (position < 0 || position >= int(kBirdNames.size())) {
        return QStringLiteral(":/birds/none.svg");
    }
    return QStringLiteral(":/birds/%1.svg").arg(FromCore(kBirdNames[std::size_t(position)]).toLower());
}

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

void AddCaptionRow(QWidget* parent, QGridLayout* grid, int row, const QString& name, const QString& text,
                   QLabel* value) {
    grid->addWidget(MakeLabel(name, text, parent), row, 0);
    grid->addWidget(value, row, 1);
}

} // namespace

ReadingResultPanel::ReadingResultPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fraResult"));
    setAutoFillBackground(true);

    TS_ = Named(new QTabBar(this), QStringLiteral("TS"));
    TS_->setExpanding(false);
    TS_->setDrawBase(false);
    for (const char* caption : {"Your Nakshatra / BirthStar Details", "Your Pakshi / Bird Details",
                                "Your Ruling Days", "Your Death Day"}) {
        TS_->addTab(QString::fromLatin1(caption));
    }
    TS_->setGeometry(4, 4, 612, TS_->sizeHint().height());
    connect(TS_, &QTabBar::currentChanged, this,
            [this](int tab) { showPage(std::size_t(std::clamp(tab, 0, 3))); });

    auto* tabArea = Named(new QWidget(this), QStringLiteral("tabArea"));
    const int tabBottom = TS_->geometry().bottom() + 1;
    tabArea->setGeometry(4, tabBottom, 612, 264 - tabBottom);
    createPages(tabArea);

    lblLabel_ = Named(new LinkLabel(QStringLiteral("For Detailed Analysis Visit ") + HomePageAddress(), this),
                      QStringLiteral("lblLabel"));
    lblLabel_->setGeometry(4, 268, 463, 18);
    connect(lblLabel_, &LinkLabel::clicked, this, &ReadingResultPanel::homePageRequested);

    cmdSave_ = Named(new QPushButton(QStringLiteral("&Save"), this), QStringLiteral("cmdSave"));
    cmdSave_->setGeometry(472, 320, 67, 27);
    connect(cmdSave_, &QPushButton::clicked, this, &ReadingResultPanel::saveRequested);
    cmdBack_ = Named(new QPushButton(QStringLiteral("&Back"), this), QStringLiteral("cmdBack"));
    cmdBack_->setGeometry(544, 320, 67, 27);
    connect(cmdBack_, &QPushButton::clicked, this, &ReadingResultPanel::backRequested);

    showPage(0);
}

void ReadingResultPanel::createPages(QWidget* tabArea) {
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
    labels_.star = MakeResult(QStringLiteral("lblResult0"), nullptr);
    labels_.fortnight = MakeResult(QStringLiteral("lblResult1"), nullptr);
    labels_.rulingBird = MakeResult(QStringLiteral("lblResult2"), nullptr);
    labels_.rulingDaysDay = MakeResult(QStringLiteral("lblResult3"), nullptr);
    labels_.rulingDaysNight = MakeResult(QStringLiteral("lblResult4"), nullptr);
    labels_.deathDays = MakeResult(QStringLiteral("lblResult5"), nullptr);
    labels_.starDescription = MakeResult(QStringLiteral("lblResult6"), nullptr);
    labels_.birdDescription = MakeResult(QStringLiteral("lblResult7"), nullptr);
    labels_.fortnightExplanation = MakeResult(QStringLiteral("lblResult8"), nullptr);
    // The paragraphs are plain labels in the window's font and colours; only the short values look like
    // boxes.
    for (QLabel* paragraph :
         {labels_.starDescription, labels_.birdDescription, labels_.fortnightExplanation}) {
        paragraph->setAutoFillBackground(false);
        paragraph->setPalette(palette());
        paragraph->setFont(window()->font());
        paragraph->setMargin(0);
        paragraph->setWordWrap(true);
        paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    // Tab 1: the star and the fortnight.
    QWidget* star = contents[0];
    columns[0]->addWidget(
        MakeParagraph(QStringLiteral("lblDesc1"), FromCore(NakshatraExplanationText), star));
    QGroupBox* Frame4 = MakeGroup(QStringLiteral("Frame4"), QStringLiteral("Nakshatra / BirthStar"), star);
    auto* frame4Grid = new QGridLayout(Frame4);
    AddCaptionRow(Frame4, frame4Grid, 0, QStringLiteral("lblCaption0"),
                  QStringLiteral("Nakshatra / BirthStar"), labels_.star);
    lblMargin_ = MakeParagraph(QStringLiteral("lblMargin"), QString(), Frame4);
    lblMargin_->setAccessibleName(QStringLiteral("Birth time near a change"));
    lblMargin_->hide();
    frame4Grid->addWidget(lblMargin_, 1, 0, 1, 2);
    frame4Grid->addWidget(labels_.starDescription, 2, 0, 1, 2);
    frame4Grid->setColumnStretch(1, 1);
    columns[0]->addWidget(Frame4);
    QGroupBox* Frame6 = MakeGroup(QStringLiteral("Frame6"), QStringLiteral("Tithi / Lunar Day"), star);
    auto* frame6Column = new QVBoxLayout(Frame6);
    frame6Column->addWidget(labels_.fortnight);
    frame6Column->addWidget(
        MakeParagraph(QStringLiteral("lblCaption1"), FromCore(kLunarDayExplanation), Frame6));
    frame6Column->addWidget(labels_.fortnightExplanation);
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
    birdRow->addWidget(labels_.rulingBird, 1);
    frame8Grid->addLayout(birdRow, 0, 1);
    frame8Grid->addWidget(labels_.birdDescription, 1, 1);
    frame8Grid->setColumnStretch(1, 1);
    columns[1]->addWidget(Frame8);

    // Tab 3: the ruling days.
    QGroupBox* Frame7 = MakeGroup(QStringLiteral("Frame7"), QStringLiteral("Ruling Day(s)"), contents[2]);
    auto* frame7Grid = new QGridLayout(Frame7);
    AddCaptionRow(Frame7, frame7Grid, 0, QStringLiteral("lblCaption3"),
                  QStringLiteral("Ruling Day(s) in Day time"), labels_.rulingDaysDay);
    AddCaptionRow(Frame7, frame7Grid, 1, QStringLiteral("lblCaption4"),
                  QStringLiteral("Ruling Day(s) in Night time"), labels_.rulingDaysNight);
    frame7Grid->addWidget(MakeParagraph(QStringLiteral("lblDesc3"), FromCore(RulingDaysText), Frame7), 2, 0,
                          1, 2);
    frame7Grid->setColumnStretch(1, 1);
    columns[2]->addWidget(Frame7);

    // Tab 4: the death days.
    QGroupBox* Frame9 = MakeGroup(QStringLiteral("Frame9"), QStringLiteral("Your Death Day"), contents[3]);
    auto* frame9Grid = new QGridLayout(Frame9);
    AddCaptionRow(Frame9, frame9Grid, 0, QStringLiteral("lblCaption5"), QStringLiteral("Death Day(s)"),
                  labels_.deathDays);
    frame9Grid->addWidget(MakeParagraph(QStringLiteral("lblDesc2"), FromCore(DeathDaysText), Frame9), 1, 0, 1,
                          2);
    frame9Grid->setColumnStretch(1, 1);
    columns[3]->addWidget(Frame9);

    for (std::size_t i = 0; i < pages_.size(); ++i) {
        columns[i]->addStretch(1);
        FitToPage(pages_[i]);
    }
}

void ReadingResultPanel::ShowReading(const ReadingResults& results, const QString& marginNote) {
    lblMargin_->setText(marginNote);
    lblMargin_->setAccessibleDescription(marginNote);
    lblMargin_->setVisible(!marginNote.isEmpty());
    const ReadingLines lines = LinesOf(results);
    labels_.star->setText(FromCore(lines.star));
    labels_.fortnight->setText(FromCore(lines.fortnight));
    labels_.rulingBird->setText(FromCore(lines.bird));
    labels_.rulingDaysDay->setText(FromCore(lines.rulingDaysDay));
    labels_.rulingDaysNight->setText(FromCore(lines.rulingDaysNight));
    labels_.deathDays->setText(FromCore(lines.deathDays));
    labels_.starDescription->setText(FromCore(results.starTexts.description));
    labels_.birdDescription->setText(FromCore(results.starTexts.pakshiDescription));
    labels_.fortnightExplanation->setText(
        FromCore(FortnightExplanation(results.fortnight.value_or(Fortnight::Dark))));
    ShowBirdPicture(results.bird ? int(IndexOf(results.bird->bird)) : -1);
    picBird_->setAccessibleName(FromCore(lines.bird));
    TS_->setCurrentIndex(0);
    showPage(0);
    for (QScrollArea* page : pages_) {
        FitToPage(page);
        page->ensureVisible(0, 0);
    }
}

void ReadingResultPanel::ShowBirdPicture(int position) {
    picBird_->SetSource(BirdPicturePath(position));
}

void ReadingResultPanel::FocusTabs() {
    TS_->setFocus();
}

std::array<QWidget*, 8> ReadingResultPanel::TabChain() const {
    return {TS_, pages_[0], pages_[1], pages_[2], pages_[3], lblLabel_, cmdSave_, cmdBack_};
}

void ReadingResultPanel::showPage(std::size_t index) {
    QScrollArea* page = pages_[index];
    for (QScrollArea* other : pages_) {
        other->setEnabled(other == page);
    }
    page->raise();
}

} // namespace velmora
