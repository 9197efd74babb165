#pragma once

#include "places/form_values.h"
#include "places/zone_at_time.h"
#include "texts/language_texts.h"

#include <QDate>
#include <QTime>
#include <QWidget>

#include <optional>
#include <vector>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;
class QTimer;
class QTreeWidget;

namespace velmora {

// The window behind LocationLookup: a search field, the birth date and time for
// the UTC offset, and the matching places with the values the birth form's
// fields take. "Use This Place" writes the chosen one into the form.
class LocationLookupWindow : public QWidget {
    Q_OBJECT
public:
    // `labels` are the compass words and cautions in the window's language.
    LocationLookupWindow(const QString& query, const QDate& birthDate, const QTime& birthTime,
                         const QString& siteAddress, const PlaceLabels& labels, QWidget* parent = nullptr);

    // Runs the search for the search field's text at once.
    void search();

signals:
    // The place and the clocks there at the date and time shown, for the form.
    void placeChosen(const velmora::places::PlaceFormValues& place);

private:
    void showPlaces();
    void showCaution();
    void useThisPlace();
    void searchTheWeb();

    QLineEdit* txtSearch_;
    QDateEdit* dtpDate_;
    QTimeEdit* dtpTime_;
    QTreeWidget* lstPlaces_;
    QLabel* lblStatus_;
    QLabel* lblCaution_;
    QPushButton* cmdUse_;
    QTimer* searchDelay_;
    PlaceLabels labels_;
    std::optional<places::Gazetteer> gazetteer_; // loaded by the first search
    std::vector<places::PlaceMatch> matches_;
    std::vector<std::optional<places::ZoneAtTime>> zones_; // one for each row shown
};

} // namespace velmora
