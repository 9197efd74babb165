#pragma once

// A lean widget, kept for the window's start-up and reading times: see README.md beside it.

#include <QScrollArea>
#include <QSize>
#include <QWidget>

namespace velmora {

// What a page scrolls. Its size is set by FitToPage alone; the scroll area's own questions about
// the size it would like would lay out its paragraphs at widths they are never shown at.
class PageContent : public QWidget {
public:
    explicit PageContent(QWidget* parent) : QWidget(parent) {}
    QSize sizeHint() const override { return size(); }
    QSize minimumSizeHint() const override { return size(); }
};

// While a page waits to be measured its layouts stay off: a new text would otherwise make them
// lay out its paragraphs again, in front or not.
void SetLayoutsEnabled(QWidget* content, bool enabled);

// A page as wide as its scroll area and as tall as its wrapped paragraphs need, with the scroll bar
// only when the text is longer than the page.
void FitToPage(QScrollArea* page, QWidget* content);

} // namespace velmora
