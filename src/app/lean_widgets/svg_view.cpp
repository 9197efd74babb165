#include "app/lean_widgets/svg_view.h"

#include <QPainter>

namespace velmora {

SvgView::SvgView(QWidget* parent) : QWidget(parent) {}

void SvgView::SetSource(const QString& resourcePath) {
    source_ = resourcePath;
    update();
}

// The picture is read when first drawn: a picture set but never seen costs nothing.
void SvgView::paintEvent(QPaintEvent*) {
    if (loadedSource_ != source_) {
        renderer_.load(source_);
        loadedSource_ = source_;
    }
    if (!renderer_.isValid()) {
        return;
    }
    QSizeF picture = renderer_.defaultSize();
    picture.scale(size(), Qt::KeepAspectRatio);
    const QRectF target((width() - picture.width()) / 2, (height() - picture.height()) / 2, picture.width(),
                        picture.height());
    QPainter painter(this);
    renderer_.render(&painter, target);
}

} // namespace velmora
