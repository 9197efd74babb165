#pragma once

#include "app/location_search.h"

#include <QWidget>

#include <vector>

class QDateEdit;
class QLabel;
class QLineEdit;
class QTimer;
class QTreeWidget;

namespace velmora {

// The window behind LocationLookup: a search field, a date for the UTC offset
// and the matching places with the values the birth form's fields take.
class LocationLookupWindow : public QWidget {
    Q_OBJECT
public:
    LocationLookupWindow(const QString& query, const QString& siteAddress, QWidget* parent = nullptr);

    // Runs the search for the search field's text at once.
    void search();

private:
    void showPlaces();
    void searchTheWeb();

    QLineEdit* txtSearch_;
    QDateEdit* dtpDate_;
    QTreeWidget* lstPlaces_;
    QLabel* lblStatus_;
    QTimer* searchDelay_;
    std::vector<PlaceMatch> matches_;
};

} // namespace velmora
