#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "app/birds_day/day_facts.h"
#include "schedule/day_schedule.h"

class QCheckBox;
class QLabel;
class QTreeWidget;

namespace velmora {

class DayTimeline;

// One bird's day at one place: the day's fortnight, weekday, star, tithi, sunrise and sunset,
// whether it is one of the bird's ruling or death days, when the bird next rules, the timeline
// with its legend and the list of the periods, their sub-periods a click away. A window holds
// it beside other views of the same bird.
class DayView : public QWidget {
    Q_OBJECT
public:
    explicit DayView(QWidget* parent);

    void Show(const ShownDay& day, const LocalClock& clock, Language language);

    // Marks the period and sub-period that hold `nowUT`; returns the next moment at which the
    // marking changes (a sub-period's end, or the day's first sunrise), or nothing.
    std::optional<double> MarkNow(double nowUT);

    // The periods' marks: which period and sub-period are current.
    std::optional<int> CurrentPeriod() const;
    std::optional<int> CurrentSubPeriod() const;

private:
    void createFacts();
    void createLegend();
    void fillList(const LocalClock& clock, Language language);
    void markList();

    std::array<QLabel*, 6> factCaptions_{};
    std::array<QLabel*, 6> factValues_{};
    QLabel* lblPlaceShown_ = nullptr;
    QLabel* lblSun_ = nullptr; // a day without periods says why
    QLabel* lblBirdDay_ = nullptr;
    QLabel* lblNextRule_ = nullptr;
    DayTimeline* timeline_ = nullptr;
    std::array<QLabel*, kActivityCount> legend_{};
    QCheckBox* chkSubPeriods_ = nullptr;
    QTreeWidget* lstPeriods_ = nullptr;
    QLabel* lblSource_ = nullptr;
    std::optional<DaySchedule> shown_;
};

} // namespace velmora
