#include "app/birds_day/day_view.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/birds_day/activity_palette.h"
#include "app/birds_day/day_text.h"
#include "app/birds_day/day_timeline.h"
#include "app/translation.h"
#include "app/widget_style.h"

namespace velmora {

namespace {

const char* const kContext = "velmora::DayView";

// The marker before the current period and sub-period in the list.
const QString kNowMark = QStringLiteral("\u25b6 ");

QLabel* Line(const QString& name, QWidget* parent) {
    auto* label = Named(new QLabel(parent), name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void SetBold(QTreeWidgetItem* item, bool bold) {
    for (int column = 0; column < item->columnCount(); ++column) {
        QFont font = item->font(column);
        font.setBold(bold);
        item->setFont(column, font);
    }
    QString name = item->text(0);
    if (name.startsWith(kNowMark)) {
        name.remove(0, kNowMark.size());
    }
    item->setText(0, bold ? kNowMark + name : name);
}

} // namespace

DayView::DayView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("dayView"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);

    lblPlaceShown_ = Line(QStringLiteral("lblPlaceShown"), this);
    column->addWidget(lblPlaceShown_);
    createFacts();
    lblSun_ = Line(QStringLiteral("lblSun"), this);
    lblBirdDay_ = Line(QStringLiteral("lblBirdDay"), this);
    lblNextRule_ = Line(QStringLiteral("lblNextRule"), this);
    QFont bold = lblNextRule_->font();
    bold.setBold(true);
    lblNextRule_->setFont(bold);
    for (QLabel* line : {lblSun_, lblBirdDay_, lblNextRule_}) {
        column->addWidget(line);
    }

    timeline_ = new DayTimeline(this);
    SetAccessibleCaption(timeline_, kContext, QT_TR_NOOP("Timeline of the day's ten periods"));
    column->addWidget(timeline_);
    createLegend();

    chkSubPeriods_ = Captioned(Named(new QCheckBox(this), QStringLiteral("chkSubPeriods")), kContext,
                               QT_TR_NOOP("Show sub-&periods"));
    column->addWidget(chkSubPeriods_);

    lstPeriods_ = Named(new QTreeWidget(this), QStringLiteral("lstPeriods"));
    SetAccessibleCaption(lstPeriods_, kContext, QT_TR_NOOP("Periods and sub-periods"));
    lstPeriods_->setColumnCount(4);
    lstPeriods_->setRootIsDecorated(true);
    lstPeriods_->setUniformRowHeights(true);
    lstPeriods_->header()->setStretchLastSection(true);
    // The columns follow their texts, the sub-periods' too once shown, and the bold of the present.
    for (int column = 0; column < 3; ++column) {
        lstPeriods_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    column->addWidget(lstPeriods_, 1);

    lblSource_ = Line(QStringLiteral("lblSource"), this);
    column->addWidget(lblSource_);

    connect(chkSubPeriods_, &QCheckBox::toggled, this, [this](bool shown) {
        timeline_->SetSubPeriodsShown(shown);
        shown ? lstPeriods_->expandAll() : lstPeriods_->collapseAll();
    });
    connect(timeline_, &DayTimeline::periodClicked, this, [this](int index) {
        if (QTreeWidgetItem* item = lstPeriods_->topLevelItem(index)) {
            lstPeriods_->setCurrentItem(item);
            item->setExpanded(true);
            lstPeriods_->setFocus();
        }
    });
}

void DayView::createFacts() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    const QStringList names{QStringLiteral("Weekday"), QStringLiteral("Fortnight"), QStringLiteral("Star"),
                            QStringLiteral("Tithi"),   QStringLiteral("Sunrise"),   QStringLiteral("Sunset")};
    for (std::size_t i = 0; i < factValues_.size(); ++i) {
        factCaptions_[i] = Named(new QLabel(this), QStringLiteral("lblCaption%1").arg(names[qsizetype(i)]));
        factValues_[i] = Line(QStringLiteral("lbl%1").arg(names[qsizetype(i)]), this);
        QFont bold = factValues_[i]->font();
        bold.setBold(true);
        factValues_[i]->setFont(bold);
        factCaptions_[i]->setBuddy(factValues_[i]);
        const int row = int(i % 3);
        const int pair = int(i / 3) * 2;
        grid->addWidget(factCaptions_[i], row, pair);
        grid->addWidget(factValues_[i], row, pair + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);
}

void DayView::createLegend() {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    for (std::size_t i = 0; i < legend_.size(); ++i) {
        QLabel* swatch = Named(new QLabel(this), QStringLiteral("lblLegend%1").arg(i));
        swatch->setAutoFillBackground(true);
        QPalette colours = swatch->palette();
        colours.setColor(QPalette::Window, ActivityFill(Activity(i)));
        colours.setColor(QPalette::WindowText, ActivityInk(Activity(i)));
        swatch->setPalette(colours);
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setContentsMargins(6, 2, 6, 2);
        row->addWidget(swatch, 1);
        legend_[i] = swatch;
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void DayView::Show(const ShownDay& day, const LocalClock& clock, Language language) {
    const DayFacts facts = DayFactsOf(day, clock, language);
    lblPlaceShown_->setText(facts.place);
    for (std::size_t i = 0; i < factValues_.size(); ++i) {
        factCaptions_[i]->setText(facts.captions[i] + QLatin1Char(':'));
        factValues_[i]->setText(facts.values[i]);
        factValues_[i]->setAccessibleName(facts.captions[i]);
    }
    lblSun_->setText(facts.sun);
    lblSun_->setVisible(!facts.sun.isEmpty());
    lblBirdDay_->setText(facts.birdDay);
    lblBirdDay_->setVisible(!facts.birdDay.isEmpty());
    lblNextRule_->setText(facts.nextRule);
    lblSource_->setText(facts.source);
    for (std::size_t i = 0; i < legend_.size(); ++i) {
        legend_[i]->setText(ActivityLetter(Activity(i), language) + QStringLiteral("  ") +
                            ActivityText(Activity(i), language));
    }
    lstPeriods_->setHeaderLabels({tr("Period"), tr("Time"), tr("Activity"), tr("Strength")});
    shown_ = day.schedule;
    if (day.schedule.periods) {
        timeline_->SetPeriods(*day.schedule.periods, clock, language);
    } else {
        timeline_->Clear();
    }
    timeline_->setVisible(day.schedule.periods.has_value());
    fillList(clock, language);
}

void DayView::fillList(const LocalClock& clock, Language language) {
    lstPeriods_->clear();
    if (!shown_ || !shown_->periods) {
        return;
    }
    for (const DayPeriod& period : *shown_->periods) {
        auto* item = new QTreeWidgetItem(lstPeriods_);
        item->setText(0, PeriodName(period));
        item->setText(1, TimeRangeText(period.startUT, period.endUT, clock));
        item->setText(2, ActivityLetter(period.activity, language) + QStringLiteral("  ") +
                             ActivityText(period.activity, language));
        for (const SubPeriod& sub : period.subPeriods) {
            auto* child = new QTreeWidgetItem(item);
            child->setText(0, BirdText(sub.bird, language));
            child->setText(1, TimeRangeText(sub.startUT, sub.endUT, clock));
            child->setText(2, ActivityLetter(sub.activity, language) + QStringLiteral("  ") +
                                  ActivityText(sub.activity, language));
            child->setText(3, StrengthShown(sub.strength));
        }
    }
    if (chkSubPeriods_->isChecked()) {
        lstPeriods_->expandAll();
    }
    markList();
}

std::optional<double> DayView::MarkNow(double nowUT) {
    timeline_->SetNow(nowUT);
    markList();
    if (!shown_ || !shown_->periods) {
        return std::nullopt;
    }
    const auto& periods = *shown_->periods;
    if (nowUT < periods.front().startUT) {
        return periods.front().startUT;
    }
    if (const std::optional<int> period = CurrentPeriod(); period) {
        if (const std::optional<int> sub = CurrentSubPeriod()) {
            return periods[std::size_t(*period)].subPeriods[std::size_t(*sub)].endUT;
        }
    }
    return std::nullopt;
}

std::optional<int> DayView::CurrentPeriod() const {
    return timeline_->CurrentPeriod();
}

std::optional<int> DayView::CurrentSubPeriod() const {
    return timeline_->CurrentSubPeriod();
}

void DayView::markList() {
    const std::optional<int> period = CurrentPeriod();
    const std::optional<int> sub = CurrentSubPeriod();
    for (int i = 0; i < lstPeriods_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lstPeriods_->topLevelItem(i);
        SetBold(item, period == i);
        for (int j = 0; j < item->childCount(); ++j) {
            SetBold(item->child(j), period == i && sub == j);
        }
    }
}

} // namespace velmora
