#include "app/birds_day/plan_list.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include "app/birds_day/day_text.h"
#include "app/translation.h"
#include "planner/window_words.h"

namespace velmora {

namespace {

const char* const kContext = "velmora::PlanList";

enum Column { kStartColumn, kEndColumn, kStrengthColumn, kSummaryColumn, kColumnCount };

// A date as one number in an item's data, days since 1970.
constexpr int kDateRole = Qt::UserRole;

std::chrono::year_month_day DateOf(const QTreeWidgetItem& item) {
    return std::chrono::year_month_day{
        std::chrono::sys_days{std::chrono::days{item.data(0, kDateRole).toInt()}}};
}

} // namespace

PlanList::PlanList(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("lstPlan"));
    SetAccessibleCaption(this, kContext, QT_TR_NOOP("Good times, by day"));
    setColumnCount(kColumnCount);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    SetHeaders();
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr) {
            emit dayChosen(DateOf(*item));
        }
    });
}

void PlanList::SetHeaders() {
    setHeaderLabels({QCoreApplication::translate("velmora::PlanList", "Start"),
                     QCoreApplication::translate("velmora::PlanList", "End"),
                     QCoreApplication::translate("velmora::PlanList", "Lowest strength"),
                     QCoreApplication::translate("velmora::PlanList", "Activities")});
}

void PlanList::Show(const ShownPlan& plan, const LocalClock& clock, Language language) {
    clear();
    QTreeWidgetItem* day = nullptr;
    std::optional<std::chrono::year_month_day> dayDate;
    for (const PlanWindow& window : plan.windows) {
        const std::chrono::year_month_day date = WindowDate(window, clock);
        const int dayNumber = std::chrono::sys_days{date}.time_since_epoch().count();
        if (date != dayDate) {
            day = new QTreeWidgetItem(this, {QString::fromStdString(WindowDateHeading(date, language))});
            day->setData(0, kDateRole, dayNumber);
            day->setFirstColumnSpanned(true);
            QFont bold = day->font(0);
            bold.setBold(true);
            day->setFont(0, bold);
            day->setExpanded(true);
            dayDate = date;
        }
        auto* item =
            new QTreeWidgetItem(day, {ClockTimeText(window.startUT, clock),
                                      ClockTimeText(window.endUT, clock), StrengthShown(window.minStrength),
                                      QString::fromStdString(WindowSummary(window, plan.bird, language))});
        item->setData(0, kDateRole, dayNumber);
        item->setTextAlignment(kStrengthColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (topLevelItemCount() > 0) {
        setCurrentItem(topLevelItem(0)->child(0));
    }
}

void PlanList::keyPressEvent(QKeyEvent* event) {
    QTreeWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
    }
}

std::optional<std::chrono::year_month_day> PlanList::CurrentDate() const {
    const QTreeWidgetItem* item = currentItem();
    if (item == nullptr) {
        return std::nullopt;
    }
    return DateOf(*item);
}

} // namespace velmora
