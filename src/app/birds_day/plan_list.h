#pragma once

#include <QTreeWidget>
#include <chrono>
#include <optional>
#include <vector>

#include "planner/plan_condition.h"
#include "planner/plan_window.h"
#include "schedule/local_clock.h"
#include "texts/language_texts.h"

namespace velmora {

// A plan as found: whose, where, over which dates, on which condition, and its windows.
struct ShownPlan {
    Bird bird = Bird::Vulture;
    QString placeText; // the place as the window names it
    std::chrono::year_month_day from;
    std::chrono::year_month_day to;
    PlanCondition condition;
    std::vector<PlanWindow> windows;
};

// The windows of a plan under a heading for each local date one starts on, each with its start,
// end, lowest strength and activities. Choosing a window (a double click, or Enter) asks for its
// day's timeline.
class PlanList : public QTreeWidget {
    Q_OBJECT
public:
    explicit PlanList(QWidget* parent);

    void Show(const ShownPlan& plan, const LocalClock& clock, Language language);
    void SetHeaders();

    // The date of the window, or of the day heading, that is current.
    std::optional<std::chrono::year_month_day> CurrentDate() const;

signals:
    void dayChosen(std::chrono::year_month_day date);

protected:
    // Enter chooses the window and goes no further: not to a default button of the window.
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace velmora
