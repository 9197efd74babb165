#pragma once

// A lean widget, kept for the window's start-up and reading times: see README.md beside it.

#include <QComboBox>
#include <QStringList>

namespace velmora {

// A drop-down list whose preferred size is measured on a sample of its entries. A plain QComboBox
// lays out every entry's text before it is first shown: 337 texts for the birth form's six lists,
// the largest part of the form's first layout.
class SampledList : public QComboBox {
public:
    explicit SampledList(QWidget* parent);

    // Entries that stand for the widest. Until given, every entry is measured.
    void SetSample(const QStringList& entries);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QStringList sample_;
    mutable QSize hint_;
    bool shown_ = false;
};

} // namespace velmora
