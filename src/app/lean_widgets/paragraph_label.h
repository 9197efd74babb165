#pragma once

// A lean widget, kept for the window's start-up and reading times: see README.md beside it.

#include "app/lean_widgets/selectable_label.h"

#include <QFont>
#include <QTextLayout>

#include <array>

namespace velmora {

// A word-wrapped, selectable paragraph that answers the layout's size questions cheaply. QLabel
// answers each one by laying the whole text out: its minimum size takes three such layouts and
// its preferred size a search over several widths, and a page of paragraphs asks dozens of times
// per reading. Here the paragraph's width is always the column's: the hints lay nothing out, and
// each height is measured once per width, text and font. Until it becomes selectable it draws the
// lines it measured last, as QLabel would draw them, instead of laying the text out once more.
class ParagraphLabel : public SelectableLabel {
public:
    explicit ParagraphLabel(QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

    // The most its height could fall were it `extraPx` wider than the layout last asked about, told
    // from the length of its lines: its whole height when that cannot be told.
    int HeightSavedAtMost(int extraPx) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Plain, unselected, not empty, left to right and top aligned, without frame, indent or
    // mnemonic: the text QLabel draws with the painter, which this label draws from its own lines.
    bool drawnAsPlainLines() const;
    // Breaks the text into lines as the painter does for a rectangle this wide; returns their height.
    qreal wrap(int textWidthPx) const;
    // The margins around its lines, the width they have in a label this wide, and the label's
    // height around lines this high.
    QMargins textMargins() const;
    int textWidth(int labelWidthPx) const;
    int labelHeight(qreal textHeightPx) const;

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
    mutable int lastAskedWidthPx_ = -1;

    // The lines last broken, for the text, font and width they were broken for.
    mutable QTextLayout lines_;
    mutable QString wrappedText_;
    mutable QFont wrappedFont_;
    mutable int wrappedWidthPx_ = -1;
    mutable qreal wrappedHeightPx_ = 0;
    mutable qreal wrappedNaturalWidthPx_ = 0;
};

} // namespace velmora
