#include "app/lean_widgets/paragraph_label.h"

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
    const QSize oneLine(fontMetrics().averageCharWidth() * kMinimumWidthChars, fontMetrics().height());
    return oneLine.grownBy(textMargins()).expandedTo(minimumSize());
}

// The height comes from heightForWidth once the width is known; measuring here would lay the text
// out at a width it is never shown at.
QSize ParagraphLabel::sizeHint() const {
    const QSize oneLine = minimumSizeHint();
    return {oneLine.width() * kPreferredWidthChars / kMinimumWidthChars, oneLine.height()};
}

int ParagraphLabel::heightForWidth(int width) const {
    lastAskedWidthPx_ = width;
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
        height = labelHeight(wrap(textWidth(width)));
    } else {
        height = QLabel::heightForWidth(width);
    }
    Measured& slot = measured_[nextSlot_];
    nextSlot_ = (nextSlot_ + 1) % kWidthsKept;
    slot = {width, height};
    return height;
}

QMargins ParagraphLabel::textMargins() const {
    return contentsMargins() + QMargins(margin(), margin(), margin(), margin());
}

// As QLabel measures plain text: the margins and the minimum size around the lines.
int ParagraphLabel::textWidth(int labelWidthPx) const {
    const QMargins margins = textMargins();
    return std::max(labelWidthPx, minimumWidth()) - margins.left() - margins.right();
}

int ParagraphLabel::labelHeight(qreal textHeightPx) const {
    const QMargins margins = textMargins();
    return std::max(qCeil(textHeightPx) + margins.top() + margins.bottom(), minimumHeight());
}

// Wider, it needs at least as many lines as the length of its text, less the spaces a line may end
// in, fills at the new width. A word wider than its line or a tab leaves nothing to go by.
int ParagraphLabel::HeightSavedAtMost(int extraPx) const {
    const int askedPx = lastAskedWidthPx_ >= 0 ? lastAskedWidthPx_ : width();
    const int heightPx = heightForWidth(askedPx);
    if (!drawnAsPlainLines() || text().contains(u'\t')) {
        return heightPx;
    }
    wrap(textWidth(askedPx));
    const QFontMetricsF metrics(wrappedFont_);
    qreal lengthPx = 0;
    // A line of the font's own letters is as low as a line gets; one with letters from a fallback
    // font may be higher.
    qreal lowestLinePx = metrics.ascent() + metrics.descent();
    for (int i = 0; i < lines_.lineCount(); ++i) {
        const QTextLine line = lines_.lineAt(i);
        if (line.naturalTextWidth() > wrappedWidthPx_) {
            return heightPx;
        }
        lengthPx += line.naturalTextWidth();
        lowestLinePx = std::min(lowestLinePx, line.ascent() + line.descent());
    }
    qsizetype longestSpaces = 0;
    qsizetype spaces = 0;
    for (const QChar c : wrappedText_) {
        spaces = c.isSpace() ? spaces + 1 : 0;
        longestSpaces = std::max(longestSpaces, spaces);
    }
    // Twice a plain space's width, for spaces the shaping widens.
    const qreal lineEndPx = 2 * qreal(longestSpaces) * metrics.horizontalAdvance(u' ');
    const int leastLines = std::max(1, qCeil(lengthPx / (wrappedWidthPx_ + extraPx + lineEndPx)));
    // Stacked as wrap() stacks them, each as low as the lowest line.
    const qreal leading = metrics.leading();
    qreal leastHeightPx = -leading;
    for (int i = 0; i < leastLines; ++i) {
        leastHeightPx = qCeil(leastHeightPx + leading) + lowestLinePx;
    }
    return heightPx - labelHeight(leastHeightPx);
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
