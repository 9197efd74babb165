#pragma once

#include <QLabel>

namespace velmora {

// A label that acts as a link: a click, or Enter or Space while it has the
// keyboard focus, emits clicked(). It measures and draws its text as a plain label does: a QLabel
// that takes the focus keeps a text document besides, which it would otherwise lay out for every
// new text, size question and paint.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora
