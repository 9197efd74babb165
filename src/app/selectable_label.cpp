#include "app/selectable_label.h"

namespace velmora {

SelectableLabel::SelectableLabel(QWidget* parent) : QLabel(parent) {
    // Plain text has no links to follow: nothing to do for the mouse until it selects.
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void SelectableLabel::mousePressEvent(QMouseEvent* event) {
    if (textInteractionFlags() != Qt::TextSelectableByMouse) {
        setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    QLabel::mousePressEvent(event);
}

} // namespace velmora
