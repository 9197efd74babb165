#pragma once

#include "app/selectable_label.h"

#include <QFont>

#include <array>

namespace velmora {

// A word-wrapped, selectable paragraph that answers the layout's size questions cheaply. QLabel
// answers each one by laying the whole text out: its minimum size takes three such layouts and
// its preferred size a search over several widths, and a page of paragraphs asks dozens of times
// per reading. Here the paragraph's width is always the column's: the hints lay nothing out,
// and each height is measured once per width, text and font.
class ParagraphLabel : public SelectableLabel {
public:
    explicit ParagraphLabel(QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

private:
    // Heights by width for one text and font. A layout pass asks at a few widths in turn (with
    // and without a scroll bar, the column's and its own), so one would be measured over and over.
    struct Measured {
        int width = -1;
        int height = 0;
    };
    static constexpr std::size_t kWidthsKept = 4;
    mutable QString measuredText_;
    mutable QFont measuredFont_;
    mutable std::array<Measured, kWidthsKept> measured_{};
    mutable std::size_t nextSlot_ = 0;
};

} // namespace velmora
