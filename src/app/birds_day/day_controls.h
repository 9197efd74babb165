#pragma once

#include <QDate>

class QLabel;
class QPushButton;
class QWidget;

namespace velmora {

// The dates the bird's day and its plan offer: those the Sun's and Moon's tables are checked over.
inline const QDate kFirstServedDate(1901, 1, 1);
inline const QDate kLastServedDate(2050, 12, 31);

// A button named `name`, captioned with `caption` translated in `context`; Enter in a field does
// not press it.
QPushButton* DayButton(QWidget* parent, const char* context, const char* name, const char* caption);

// A label named `name` for `buddy`, whose mnemonic moves the focus there.
QLabel* DayCaption(QWidget* parent, const char* context, const char* name, const char* caption,
                   QWidget* buddy);

} // namespace velmora
