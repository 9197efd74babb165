#include "app/lean_widgets/link_label.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace velmora {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QAbstractButton(parent) {
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    // Sized and coloured as a label, not as a button.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setForegroundRole(QPalette::WindowText);
    setBackgroundRole(QPalette::Window);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void LinkLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

QSize LinkLabel::sizeHint() const {
    const QRect text = fontMetrics().boundingRect(0, 0, 2000, 2000, int(alignment_), this->text());
    const QMargins frame = contentsMargins();
    return QSize(text.width() + frame.left() + frame.right(), text.height() + frame.top() + frame.bottom())
        .expandedTo(minimumSize());
}

QSize LinkLabel::minimumSizeHint() const {
    return sizeHint();
}

void LinkLabel::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.drawItemText(contentsRect(), int(QStyle::visualAlignment(layoutDirection(), alignment_)),
                         palette(), isEnabled(), text(), foregroundRole());
    if (hasFocus()) {
        // A link reached with Tab shows that it has the focus.
        QStyleOptionFocusRect option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

} // namespace velmora
