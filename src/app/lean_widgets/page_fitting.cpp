#include "app/lean_widgets/page_fitting.h"

#include <QLabel>
#include <QLayout>
#include <QScrollBar>
#include <algorithm>

#include "app/lean_widgets/paragraph_label.h"

namespace velmora {

void SetLayoutsEnabled(QWidget* content, bool enabled) {
    for (QLayout* layout : content->findChildren<QLayout*>()) {
        layout->setEnabled(enabled);
    }
}

namespace {

// The most a page's height could fall were its paragraphs, as last measured, `extraPx` wider. The
// rest of a page keeps its height at any width, and its layouts add or stack the paragraphs.
int MostHeightSaved(const QWidget* content, int extraPx) {
    int savedPx = 0;
    for (const QLabel* label : content->findChildren<QLabel*>()) {
        if (const auto* paragraph = dynamic_cast<const ParagraphLabel*>(label);
            paragraph != nullptr && paragraph->isVisibleTo(content)) {
            savedPx += paragraph->HeightSavedAtMost(extraPx);
        }
    }
    return savedPx;
}

} // namespace

// The scroll bar is turned on or off here: left to itself it would appear after the page's first
// drawing and have the page drawn again.
void FitToPage(QScrollArea* page, QWidget* content) {
    // Shown while its layouts are still off: on, they would lay the paragraphs out at the size
    // the content has before it is measured.
    if (page->widget() == nullptr) {
        page->setWidget(content);
    }
    SetLayoutsEnabled(content, true);
    // New texts leave size caches behind in the nested layouts; measure afresh.
    for (QWidget* child : content->findChildren<QWidget*>()) {
        child->updateGeometry();
    }
    for (QLayout* layout : content->findChildren<QLayout*>()) {
        layout->invalidate();
    }
    const int frame = 2 * page->frameWidth();
    const int visibleHeight = page->height() - frame;
    auto heightFor = [content](int width) {
        const int height = content->heightForWidth(width);
        return height >= 0 ? height : content->layout()->totalSizeHint().height();
    };
    // Measured with room for the bar first. Only when the page might then fit without it is it
    // measured again at the full width: a long page's paragraphs are laid out once.
    const int fullWidth = page->width() - frame;
    const int barWidth = page->verticalScrollBar()->sizeHint().width();
    int width = fullWidth - barWidth;
    int height = heightFor(width);
    bool scrolls = height > visibleHeight;
    if (!scrolls || height - MostHeightSaved(content, barWidth) <= visibleHeight) {
        const int fullHeight = heightFor(fullWidth);
        scrolls = fullHeight > visibleHeight;
        if (!scrolls) {
            width = fullWidth;
            height = fullHeight;
        }
    }
    page->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    content->setFixedSize(width, std::max(height, visibleHeight));
}

} // namespace velmora
