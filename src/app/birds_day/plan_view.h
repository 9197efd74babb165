#pragma once

#include <QWidget>
#include <chrono>
#include <memory>
#include <optional>

#include "app/birds_day/plan_list.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimeEdit;

namespace velmora {

class Platform;

// Whose and where a plan is: the bird and the place the window shows.
struct PlanSubject {
    Bird bird = Bird::Vulture;
    double latitudeDeg = 0.0;  // north positive
    double longitudeDeg = 0.0; // east positive
    std::shared_ptr<const LocalClock> clock;
    QString placeText; // the place as the window names it
};

// The good times in the weeks to come: a range of dates (today and four weeks on, until others
// are chosen), a condition in plain words (ruling or eating; strong; my bird strong while theirs
// is weak, their bird from the list or from a saved reading), the waking hours, which days, the
// shortest window; then the windows listed by day, each a step from its day's timeline, to export
// to a calendar file or print.
class PlanView : public QWidget {
    Q_OBJECT
public:
    PlanView(Platform& platform, Language language, QWidget* parent);

    // A plan shown for another bird or place is put away.
    void SetSubject(PlanSubject subject);
    void SetLanguage(Language language);

    const std::optional<ShownPlan>& Shown() const { return shown_; }

signals:
    void dayChosen(std::chrono::year_month_day date);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void createButtons();
    void fillChoices();
    void enableChoices();
    void showPlan();
    void findTimes();
    void chooseTheirReading();
    void exportCalendar();
    void print();

    Platform& platform_;
    Language language_;
    PlanSubject subject_;
    std::optional<ShownPlan> shown_;

    QDateEdit* dtpFrom_ = nullptr;
    QDateEdit* dtpTo_ = nullptr;
    QComboBox* cboCondition_ = nullptr;
    QDoubleSpinBox* spnStrength_ = nullptr;
    QComboBox* cboTheirBird_ = nullptr;
    QPushButton* cmdTheirReading_ = nullptr;
    QCheckBox* chkWaking_ = nullptr;
    QTimeEdit* tmeWakeFrom_ = nullptr;
    QTimeEdit* tmeWakeTo_ = nullptr;
    QComboBox* cboDays_ = nullptr;
    QSpinBox* spnMinMinutes_ = nullptr;
    QPushButton* cmdFind_ = nullptr;
    QLabel* lblFound_ = nullptr;
    PlanList* lstPlan_ = nullptr;
    QCheckBox* chkReminder_ = nullptr;
    QSpinBox* spnReminder_ = nullptr;
    QPushButton* cmdShowDay_ = nullptr;
    QPushButton* cmdExport_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
};

} // namespace velmora
