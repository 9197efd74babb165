#include "app/lean_widgets/sampled_list.h"

#include <QEvent>
#include <QStyleOptionComboBox>
#include <QtMath>

#include <algorithm>

namespace velmora {

SampledList::SampledList(QWidget* parent) : QComboBox(parent) {}

void SampledList::SetSample(const QStringList& entries) {
    sample_ = entries;
    hint_ = QSize();
    updateGeometry();
}

// Measured as QComboBox measures a list without icons, once, as it does before it is first shown.
QSize SampledList::sizeHint() const {
    if (!hint_.isValid()) {
        const QFontMetrics metrics = fontMetrics();
        int textWidthPx = 0;
        const auto measure = [&](const QString& entry) {
            textWidthPx = std::max(textWidthPx, metrics.boundingRect(entry).width());
        };
        if (sample_.isEmpty()) {
            for (int i = 0; i < count(); ++i) {
                measure(itemText(i));
            }
        } else {
            std::for_each(sample_.cbegin(), sample_.cend(), measure);
        }
        const QSize text(textWidthPx, std::max(qCeil(QFontMetricsF(metrics).height()), 14) + 2);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        hint_ = style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
    }
    return hint_;
}

QSize SampledList::minimumSizeHint() const {
    return sizeHint();
}

// As QComboBox, measured afresh when first shown: entries added after an early question count.
void SampledList::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        hint_ = QSize();
        updateGeometry();
    }
    QComboBox::showEvent(event);
}

void SampledList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        hint_ = QSize();
    }
    QComboBox::changeEvent(event);
}

} // namespace velmora
