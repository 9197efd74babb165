#include "app/widget_style.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>

#include "app/lean_widgets/paragraph_label.h"
#include "app/lean_widgets/sampled_list.h"
#include "app/lean_widgets/selectable_label.h"

namespace velmora {

QString FromCore(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QFont WindowFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    return font;
}

namespace {

// Texts from a saved file or a typed field are shown as they are, never as markup.
template <class Label> Label* MakePlain(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = Named(new Label(parent), objectName);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

} // namespace

QLabel* MakeLabel(const QString& objectName, const QString& text, QWidget* parent) {
    return MakePlain<QLabel>(objectName, text, parent);
}

QLabel* MakeParagraph(const QString& objectName, const QString& text, QWidget* parent) {
    return MakePlain<ParagraphLabel>(objectName, text, parent);
}

void PaintAsEntry(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window}) {
        palette.setColor(role, background);
    }
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
        palette.setColor(role, text);
    }
    widget->setPalette(palette);
}

QLineEdit* MakeEntry(const QString& objectName, const QString& accessibleName, QWidget* parent) {
    auto* edit = Named(new QLineEdit(parent), objectName);
    edit->setAccessibleName(accessibleName);
    PaintAsEntry(edit);
    return edit;
}

SampledList* MakeList(const QString& objectName, const QString& accessibleName, QWidget* parent) {
    auto* list = Named(new SampledList(parent), objectName);
    list->setAccessibleName(accessibleName);
    PaintAsEntry(list);
    return list;
}

void AddNumbers(SampledList* list, int first, int last) {
    for (int number = first; number <= last; ++number) {
        list->addItem(QString::number(number));
    }
    // The last ten numbers have the most digits and end in every digit: as wide as any, give or
    // take a pixel of a digit's shape, which the form's rows leave room for.
    QStringList sample;
    for (int number = std::max(first, last - 9); number <= last; ++number) {
        sample.append(QString::number(number));
    }
    list->SetSample(sample);
}

QLabel* MakeResult(const QString& objectName, QWidget* parent) {
    SelectableLabel* label = MakePlain<SelectableLabel>(objectName, QString(), parent);
    label->setAutoFillBackground(true);
    PaintAsEntry(label);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setMargin(3);
    label->setMinimumHeight(22);
    return label;
}

QGroupBox* MakeGroup(const QString& objectName, const QString& caption, QWidget* parent) {
    return Named(new QGroupBox(caption, parent), objectName);
}

} // namespace velmora
