#pragma once

#include <QDialog>
#include <chrono>
#include <memory>
#include <optional>

#include "app/birds_day/day_facts.h"
#include "app/birds_day/day_place.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace velmora {

class DayView;
class PlanView;
class Platform;

// "Your Bird's Day": a bird's schedule on a date at a place. The bird is chosen from the list,
// or found from a star and a fortnight; the date is today's until another is chosen; the place
// is the last one used (remembered in the settings), one found through the place look-up, or
// coordinates and an offset typed in. While the window is open the current period stays marked:
// a timer is set for the next boundary, and a window showing today moves on with the day. Beside
// the day, the Plan view finds the bird's good times in the weeks to come at the same place; a
// window chosen there shows its day.
class frmBirdsDay : public QDialog {
    Q_OBJECT
public:
    frmBirdsDay(Platform& platform, Language language, QWidget* parent);
    ~frmBirdsDay() override;

    // Shows `bird`'s present day at `place`, or at the last place used.
    void ShowBird(Bird bird, const std::optional<DayPlace>& place = std::nullopt);
    void SetLanguage(Language language);

    const DayPlace& Place() const { return place_; }
    const ShownDay& Shown() const { return shown_; }

private:
    void createControls();
    void createButtons();
    void createTabOrder();
    void createViews();
    void captionTabs();
    void showPlannedDay(std::chrono::year_month_day date);
    void fillLists();
    void usePlace(const DayPlace& place);
    void useTypedPlace();
    void lookUpPlace();
    void showToday();
    void refresh();
    void markNow();
    void print();
    void exportPdf();

    Platform& platform_;
    Language language_;
    DayPlace place_;
    std::shared_ptr<LocalClock> clock_; // shared with the Plan view
    ShownDay shown_;
    bool followsToday_ = true; // the date shown is the present day, and moves on with it

    QComboBox* cboBird_ = nullptr;
    QComboBox* cboStar_ = nullptr;
    QComboBox* cboFortnight_ = nullptr;
    QDateEdit* dtpDay_ = nullptr;
    QLineEdit* txtPlace_ = nullptr;
    QLineEdit* txtLatitude_ = nullptr;
    QLineEdit* txtLongitude_ = nullptr;
    QLineEdit* txtOffset_ = nullptr;
    QTabWidget* tabViews_ = nullptr;
    DayView* dayView_ = nullptr;
    PlanView* planView_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdPdf_ = nullptr;
    QTimer* tmrBoundary_ = nullptr;
};

} // namespace velmora
