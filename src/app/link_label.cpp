#include "app/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace velmora {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setAccessibleName(text);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

QSize LinkLabel::sizeHint() const {
    const int inner = 2 * margin();
    const QRect text = fontMetrics().boundingRect(0, 0, 2000, 2000, int(alignment()), this->text());
    const QMargins frame = contentsMargins();
    return QSize(text.width() + inner + frame.left() + frame.right(),
                 text.height() + inner + frame.top() + frame.bottom())
        .expandedTo(minimumSize());
}

QSize LinkLabel::minimumSizeHint() const {
    return sizeHint();
}

void LinkLabel::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    painter.drawItemText(area, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                         isEnabled(), text(), foregroundRole());
    if (hasFocus()) {
        // A plain label shows no focus; a link reached with Tab must.
        QStyleOptionFocusRect option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

} // namespace velmora
