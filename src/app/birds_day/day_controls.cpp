#include "app/birds_day/day_controls.h"

#include <QLabel>
#include <QPushButton>

#include "app/translation.h"
#include "app/widget_style.h"

namespace velmora {

QPushButton* DayButton(QWidget* parent, const char* context, const char* name, const char* caption) {
    auto* button = Captioned(Named(new QPushButton(parent), QString::fromLatin1(name)), context, caption);
    button->setAutoDefault(false);
    return button;
}

QLabel* DayCaption(QWidget* parent, const char* context, const char* name, const char* caption,
                   QWidget* buddy) {
    auto* label = Captioned(Named(new QLabel(parent), QString::fromLatin1(name)), context, caption);
    label->setBuddy(buddy);
    return label;
}

} // namespace velmora
