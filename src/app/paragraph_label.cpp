#include "app/paragraph_label.h"

namespace velmora {

namespace {

// Narrower than any column a paragraph sits in; the layout gives it the column's width.
constexpr int kMinimumWidthChars = 12;
// What a paragraph would like when nothing else decides its width.
constexpr int kPreferredWidthChars = 40;

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
    Measured& slot = measured_[nextSlot_];
    nextSlot_ = (nextSlot_ + 1) % kWidthsKept;
    slot = {width, QLabel::heightForWidth(width)};
    return slot.height;
}

} // namespace velmora
