#pragma once

// A lean widget, kept for the window's start-up and reading times: see README.md beside it.

#include <QLabel>

namespace velmora {

// A label whose text the mouse can select. QLabel keeps selectable text in a text document and lays
// that document out again at every change of text or width, several times over; a plain label
// measures and draws the same text in one pass. So this label starts plain and becomes selectable
// at the first press of a mouse button on it, before the press is handled. Both draw the text
// alike (at high scaling a short value may move by one device pixel when it becomes selectable).
class SelectableLabel : public QLabel {
public:
    explicit SelectableLabel(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace velmora
