#pragma once

// A lean widget, kept for the window's start-up and reading times: see README.md beside it.

#include <QAbstractButton>

namespace velmora {

// A line of text that acts as a link: a click, or Enter, Return or Space while it has the keyboard
// focus, emits clicked(). It looks like a plain label, underlined, and reaches assistive tools as a
// button. It is not a QLabel: a QLabel that can take the focus keeps a text document besides, and
// the first such document in the program costs milliseconds at start-up.
class LinkLabel : public QAbstractButton {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter; // as a label's
};

} // namespace velmora
