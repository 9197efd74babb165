#pragma once

#include <QDialog>
#include <optional>

#include "timezone/zone_table.h"

class QListWidget;
class QPushButton;

namespace velmora {

// The modal time-zone picker: 71 named zones; a double-click (or Enter) on a
// row chooses it and closes. The caller reads the choice from ChosenRow().
class frmTimeZone : public QDialog {
    Q_OBJECT
public:
    explicit frmTimeZone(QWidget* parent = nullptr);

    // The row applied by a double-click or Enter; nothing after Quit or when
    // the list was closed with no row selected.
    const std::optional<TimeZoneRow>& ChosenRow() const { return chosen_; }

protected:
    // Double-clicks anywhere on the list and Enter on it go to lstTimeZone_DblClick.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lstTimeZone_DblClick();
    void cmdQuit_Click();

    std::optional<TimeZoneRow> chosen_;
    QListWidget* lstTimeZone_;
    QPushButton* cmdQuit_;
};

} // namespace velmora
