#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "schedule/day_schedule.h"
#include "texts/language_texts.h"

namespace velmora {

// The ten periods of a day from sunrise to the next sunrise as one band, each as wide as it is
// long and filled with the colour and letter of the bird's main activity; under it, on demand,
// the sub-periods. The present moment is a line, the period and sub-period it falls in are
// framed. A click on a period reports it.
class DayTimeline : public QWidget {
    Q_OBJECT
public:
    explicit DayTimeline(QWidget* parent);

    void SetPeriods(const std::array<DayPeriod, kPeriodsPerDay>& periods, const LocalClock& clock,
                    Language language);
    void Clear();
    void SetSubPeriodsShown(bool shown);
    // The moment shown as now; nothing, or one outside the day, marks nothing.
    void SetNow(std::optional<double> julianDateUT);

    // The period and sub-period that hold the moment shown as now.
    std::optional<int> CurrentPeriod() const;
    std::optional<int> CurrentSubPeriod() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void periodClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int bandHeight() const;
    int subBandHeight() const;
    double xOf(double julianDateUT) const;
    void describe();

    std::optional<std::array<DayPeriod, kPeriodsPerDay>> periods_;
    std::array<QString, kPeriodsPerDay + 1> startTimes_; // and the next sunrise
    std::array<QString, kActivityCount> letters_;
    std::array<QString, kActivityCount> names_;
    Language language_ = Language::English;
    bool subPeriodsShown_ = false;
    std::optional<double> nowUT_;
};

} // namespace velmora
