#include "app/lean_widgets/selectable_label.h"

namespace velmora {

SelectableLabel::SelectableLabel(QWidget* parent) : QLabel(parent) {
    // Plain text has no links to follow: nothing to do for the mouse until it selects. The text
    // cursor says from the start that it can.
    setTextInteractionFlags(Qt::NoTextInteraction);
    setCursor(Qt::IBeamCursor);
}

void SelectableLabel::mousePressEvent(QMouseEvent* event) {
    if (textInteractionFlags() != Qt::TextSelectableByMouse) {
        setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    QLabel::mousePressEvent(event);
}

} // namespace velmora
