#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmora {

// The modal time-zone picker: 71 named zones; a double-click (or Enter) on a
// row writes its hour and minute texts into the two given fields and closes.
class frmTimeZone : public QDialog {
    Q_OBJECT
public:
    frmTimeZone(QLineEdit* zoneHour, QLineEdit* zoneMinute, QWidget* parent = nullptr);

protected:
    // Double-clicks anywhere on the list and Enter on it go to lstTimeZone_DblClick.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lstTimeZone_DblClick();
    void cmdQuit_Click();

    QLineEdit* zoneHour_;
    QLineEdit* zoneMinute_;
    QListWidget* lstTimeZone_;
    QPushButton* cmdQuit_;
};

} // namespace velmora
