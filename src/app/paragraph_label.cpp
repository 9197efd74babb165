#include "app/paragraph_label.h"

#include <QPainter>
#include <QStyleOption>
#include <QTextOption>
#include <QtMath>

#include <algorithm>

namespace velmora {

namespace {

// Narrower than any column a paragraph sits in; the layout gives it the column's width.
constexpr int kMinimumWidthChars = 12;
// What a paragraph would like when nothing else decides its width.
constexpr int kPreferredWidthChars = 40;

// The text as the painter lays it out for a label: line feeds break lines, returns are spaces.
QString AsLaidOut(QString text) {
    for (QChar& c : text) {
        if (c == u'\n') {
            c = QChar::LineSeparator;
        } else if (c == u'\r') {
            c = u' ';
        }
    }
    return text;
}

} // namespace

ParagraphLabel::ParagraphLabel(QWidget* parent) : SelectableLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QSize ParagraphLabel::minimumSizeHint() const {
    const QMargins margins = contentsMargins() + QMargins(margin(), margin(), margin(), margin());
    const QSize oneLine(fontMetrics().averageCharWidth() * kMinimumWidthChars, fontMetrics().height());
    return oneLine.grownBy(margins).expandedTo(minimumSize());
}

// The height comes from heightForWidth once the width is known; measuring here would lay the text
// out at a width it is never shown at.
QSize ParagraphLabel::sizeHint() const {
    const QSize oneLine = minimumSizeHint();
    return {oneLine.width() * kPreferredWidthChars / kMinimumWidthChars, oneLine.height()};
}

int ParagraphLabel::heightForWidth(int width) const {
    if (text() != measuredText_ || font() != measuredFont_) {
        measuredText_ = text();
        measuredFont_ = font();
        measured_.fill({});
    }
    for (const Measured& known : measured_) {
        if (known.width == width) {
            return known.height;
        }
    }
    int height = 0;
    if (drawnAsPlainLines()) {
        // As QLabel measures plain text: the margins and the minimum size around the lines.
        const int widthPx = std::max(width, minimumWidth());
        const QMargins margins = contentsMargins() + QMargins(margin(), margin(), margin(), margin());
        const qreal textHeightPx = wrap(widthPx - margins.left() - margins.right());
        height = std::max(qCeil(textHeightPx) + margins.top() + margins.bottom(), minimumHeight());
    } else {
        height = QLabel::heightForWidth(width);
    }
    Measured& slot = measured_[nextSlot_];
    nextSlot_ = (nextSlot_ + 1) % kWidthsKept;
    slot = {width, height};
    return height;
}

bool ParagraphLabel::drawnAsPlainLines() const {
    const Qt::Alignment placement = alignment() & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask);
    return textInteractionFlags() == Qt::NoTextInteraction && textFormat() == Qt::PlainText &&
           placement == (Qt::AlignLeft | Qt::AlignTop) && frameWidth() == 0 && indent() <= 0 &&
           buddy() == nullptr && !text().isEmpty() && !text().isRightToLeft() &&
           !text().contains(QChar(0x9c)) && styleSheet().isEmpty();
}

// The painter's own line breaking for a rectangle: each line starts on a whole pixel, after the
// font's leading.
qreal ParagraphLabel::wrap(int textWidthPx) const {
    if (text() != wrappedText_ || font() != wrappedFont_) {
        wrappedText_ = text();
        wrappedFont_ = font();
        lines_.setText(AsLaidOut(wrappedText_));
        lines_.setFont(wrappedFont_);
        QTextOption option;
        option.setTextDirection(Qt::LeftToRight);
        option.setAlignment(Qt::AlignLeft);
        // A label expands tabs to stops eight x wide.
        if (wrappedText_.contains(u'\t')) {
            option.setTabStopDistance(qRound(QFontMetricsF(wrappedFont_).horizontalAdvance(u'x') * 8));
        }
        lines_.setTextOption(option);
        lines_.setCacheEnabled(true);
        wrappedWidthPx_ = -1;
    }
    if (textWidthPx == wrappedWidthPx_) {
        return wrappedHeightPx_;
    }
    wrappedWidthPx_ = textWidthPx;
    wrappedNaturalWidthPx_ = 0;
    const qreal leading = QFontMetricsF(wrappedFont_).leading();
    qreal height = -leading;
    lines_.beginLayout();
    for (QTextLine line = lines_.createLine(); line.isValid(); line = lines_.createLine()) {
        line.setLineWidth(std::max(0, textWidthPx));
        height = qCeil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        wrappedNaturalWidthPx_ = std::max(wrappedNaturalWidthPx_, line.naturalTextWidth());
    }
    lines_.endLayout();
    wrappedHeightPx_ = height;
    return wrappedHeightPx_;
}

void ParagraphLabel::paintEvent(QPaintEvent* event) {
    // Greyed text is drawn by the style, which may etch or dither it.
    if (!drawnAsPlainLines() || !isEnabled()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect textArea = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    const qreal heightPx = wrap(textArea.width());
    QStyleOption option;
    option.initFrom(this);
    painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
    if (!QRectF(textArea).contains(QRectF(textArea.topLeft(), QSizeF(wrappedNaturalWidthPx_, heightPx)))) {
        painter.setClipRect(textArea, Qt::IntersectClip);
    }
    lines_.draw(&painter, textArea.topLeft());
}

} // namespace velmora
