#pragma once

#include <QDate>
#include <QTime>
#include <QWidget>
#include <array>

#include "places/form_values.h"
#include "reading/validation.h"
#include "texts/language_texts.h"

class QCheckBox;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace velmora {

class LinkLabel;
class Platform;
class SampledList;

// The input panel `fraMain`: the introduction, the birth-data form and the
// Open button. It reads its fields for the checks, keeps the coordinate fields
// to digits, checks the place names before a look-up, and leaves everything
// else to the window through its signals.
class BirthFormPanel : public QWidget {
    Q_OBJECT
public:
    BirthFormPanel(Platform& platform, QWidget* parent);

    // The typed texts and list positions, as the checks read them.
    BirthFormFields Fields() const;

    // Moves the keyboard focus to the control a failed check points at;
    // FormField::None leaves it where it is.
    void FocusField(FormField field);

    // Shows the captions in the installed translation and the introduction and birds in `language`.
    void Retranslate(Language language);

    // Writes the zone texts chosen in the time-zone picker.
    void SetZone(const QString& hourText, const QString& minuteText);

    // Writes the place chosen in the place look-up.
    void SetPlace(const places::PlaceFormValues& place);

    // The birth date and clock time the lists show; a day past the month's end
    // (31 February) gives the month's last day.
    QDate BirthDate() const;
    QTime BirthTime() const;
    // "City, State, Country" of the parts typed; empty when the form names no place.
    QString PlaceName() const;
    // The IANA time zone of the place last chosen in the look-up, while its name and
    // coordinates stand as the look-up wrote them; empty once any of them is edited.
    QString PlaceTimeZoneId() const { return placeTimeZoneId_; }

    // The panel's controls in tab order, from cmdOpen down to cmdRashi.
    std::array<QWidget*, 25> TabChain() const;

signals:
    void openRequested();      // cmdOpen
    void calculateRequested(); // cmdRashi
    void zoneHelpRequested();  // lblTZHelp
    // cmdBrowser with city, state and country all given: the words to look up.
    void placeLookUpRequested(const QString& query);

protected:
    // The digits-only rule of the four coordinate fields.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createIntroduction();
    void forgetPlaceZoneOnEdits();
    QGroupBox* createPersonalDetails();
    QLayout* createCoordinates(QWidget* content);
    QLayout* createPlace(QWidget* content);
    void fillLists();
    void checkPlace();

    Platform& platform_;
    Language language_ = Language::English; // of the introduction, birds and messages

    QPushButton* cmdOpen_ = nullptr;
    QGroupBox* personalDetails_ = nullptr;  // the form
    QWidget* introductionColumn_ = nullptr; // the introduction, then the five birds
    QScrollArea* introductionScroller_ = nullptr;
    QLabel* Label5_ = nullptr;            // the introduction
    std::array<QLabel*, 5> birdLabels_{}; // the five birds under it
    QLineEdit* txtName_ = nullptr;
    SampledList* cboMonth_ = nullptr;
    SampledList* cboDate_ = nullptr;
    SampledList* cboYear_ = nullptr;
    SampledList* cboHH_ = nullptr;
    SampledList* cboMM_ = nullptr;
    SampledList* cboSS_ = nullptr;
    QLineEdit* txtZoneHour_ = nullptr;
    QLineEdit* txtZoneMinute_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    LinkLabel* lblTZHelp_ = nullptr;
    QLineEdit* txtLatD_ = nullptr;
    QLineEdit* txtLatM_ = nullptr;
    std::array<QRadioButton*, 2> optLat_{}; // North, South
    QLineEdit* txtLonD_ = nullptr;
    QLineEdit* txtLonM_ = nullptr;
    std::array<QRadioButton*, 2> optLong_{}; // East, West
    QLineEdit* txtMCity_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
    QString placeTimeZoneId_;
    QPushButton* cmdBrowser_ = nullptr;
    QPushButton* cmdRashi_ = nullptr;
};

} // namespace velmora
