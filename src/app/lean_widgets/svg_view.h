#pragma once

// A lean widget, kept for the window's start-up and reading times: see README.md beside it.

#include <QString>
#include <QSvgRenderer>
#include <QWidget>

namespace velmora {

// Draws one SVG picture, centred and scaled to fit, sharp at any screen scale.
class SvgView : public QWidget {
    Q_OBJECT
public:
    explicit SvgView(QWidget* parent = nullptr);

    void SetSource(const QString& resourcePath);
    QString Source() const { return source_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString source_;
    QString loadedSource_; // what renderer_ holds
    QSvgRenderer renderer_;
};

} // namespace velmora
