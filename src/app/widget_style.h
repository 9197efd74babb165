#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QValidator>
#include <string_view>

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace velmora {

class SampledList;

// The main window's colour scheme.
inline const QColor kWindowGrey(128, 128, 128);
inline const QColor kEntryGrey(64, 64, 64);
inline const QColor kPaleYellow(255, 255, 192);

// The core's texts are single-byte codes, the same as in a saved reading.
QString FromCore(std::string_view text);

QFont WindowFont();

template <class W> W* Named(W* widget, const QString& objectName) {
    widget->setObjectName(objectName);
    return widget;
}

QLabel* MakeLabel(const QString& objectName, const QString& text, QWidget* parent);

// A paragraph that wraps to the width it is given; the mouse can select its text.
QLabel* MakeParagraph(const QString& objectName, const QString& text, QWidget* parent);

// Dark entry boxes with pale yellow text, as the window's colour scheme has them.
void PaintAsEntry(QWidget* widget, const QColor& background = kEntryGrey, const QColor& text = kPaleYellow);

QLineEdit* MakeEntry(const QString& objectName, const QString& accessibleName, QWidget* parent);
SampledList* MakeList(const QString& objectName, const QString& accessibleName, QWidget* parent);
void AddNumbers(SampledList* list, int first, int last);

// A result value: shown like the entry boxes, bold; the mouse can select it.
QLabel* MakeResult(const QString& objectName, QWidget* parent);

// A framed group whose caption is the only text in the caption style.
QGroupBox* MakeGroup(const QString& objectName, const QString& caption, QWidget* parent);

// Limits what the user types or pastes, as an edit box's maximum length does,
// while text that the program sets (the time zone picker's "-30") stays whole.
class LengthLimit : public QValidator {
public:
    LengthLimit(int maxLength, QObject* parent) : QValidator(parent), maxLength_(maxLength) {}
    State validate(QString& input, int&) const override {
        return input.size() <= maxLength_ ? Acceptable : Invalid;
    }

private:
    int maxLength_;
};

} // namespace velmora
