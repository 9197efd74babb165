#include "app/paragraph_label.h"

namespace velmora {

namespace {

// Narrower than any column a paragraph sits in; the layout gives it the column's width.
constexpr int kMinimumWidthChars = 12;
// What a paragraph would like when nothing else decides its width.
constexpr int kPreferredWidthChars = 40;

} // namespace

ParagraphLabel::ParagraphLabel(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
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
    if (width != measured_.width || text() != measured_.text || font() != measured_.font) {
        measured_ = {text(), font(), width, QLabel::heightForWidth(width)};
    }
    return measured_.height;
}

} // namespace velmora
