#include "app/translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QStringDecoder>
#include <QTranslator>
#include <QWidget>

#include <array>

#include "app/widget_style.h"
#include "platform/platform.h"

namespace velmora {

namespace {

const char* const kCaptionContext = "velmoraCaptionContext";
const char* const kCaptionSource = "velmoraCaptionSource";
const char* const kCaptionDisambiguation = "velmoraCaptionDisambiguation";
const char* const kAccessibleSource = "velmoraAccessibleSource";
const QString kTranslatorName = QStringLiteral("velmoraTranslator");

constexpr auto kMonthNames = std::to_array<const char*>({
    QT_TRANSLATE_NOOP("Months", "January"),
    QT_TRANSLATE_NOOP("Months", "February"),
    QT_TRANSLATE_NOOP("Months", "March"),
    QT_TRANSLATE_NOOP("Months", "April"),
    QT_TRANSLATE_NOOP("Months", "May"),
    QT_TRANSLATE_NOOP("Months", "June"),
    QT_TRANSLATE_NOOP("Months", "July"),
    QT_TRANSLATE_NOOP("Months", "August"),
    QT_TRANSLATE_NOOP("Months", "September"),
    QT_TRANSLATE_NOOP("Months", "October"),
    QT_TRANSLATE_NOOP("Months", "November"),
    QT_TRANSLATE_NOOP("Months", "December"),
});
static_assert(kMonthNames.size() == kMonthCount);

// Qt's own captions of the buttons of our message boxes, which Qt looks up in every installed
// translation; listed here so that lupdate puts them into ours.
[[maybe_unused]] constexpr auto kMessageBoxButtons = std::to_array<const char*>({
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
});
static_assert(kMessageBoxButtons.size() == 3);

QString Translate(const QVariant& context, const QVariant& source, const QVariant& disambiguation) {
    return QCoreApplication::translate(context.toByteArray().constData(), source.toByteArray().constData(),
                                       disambiguation.isValid() ? disambiguation.toByteArray().constData()
                                                                : nullptr);
}

void ApplyCaption(QObject* object, const QString& caption) {
    if (auto* action = qobject_cast<QAction*>(object)) {
        action->setText(caption);
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
        menu->setTitle(caption);
    } else if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
        group->setTitle(caption);
    } else if (auto* dialog = qobject_cast<QDialog*>(object)) {
        dialog->setWindowTitle(caption);
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
        widget->setAccessibleName(caption);
    }
}

} // namespace

QString LanguageCode(Language language) {
    return language == Language::Tamil ? QStringLiteral("ta") : QStringLiteral("en");
}

std::optional<Language> LanguageOfCode(const QString& code) {
    return LanguageFromCode(code.toStdString());
}

Language StartingLanguage(Platform& platform) {
    if (const std::optional<QString> saved = platform.ReadSetting(kLanguageSetting)) {
        if (const std::optional<Language> language = LanguageOfCode(*saved)) {
            return *language;
        }
    }
    return QLocale::system().language() == QLocale::Tamil ? Language::Tamil : Language::English;
}

void InstallTranslation(Language language) {
    QCoreApplication* application = QCoreApplication::instance();
    delete application->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly);
    if (language == Language::English) {
        return; // the sources are the English texts
    }
    auto* translator = new QTranslator(application);
    translator->setObjectName(kTranslatorName);
    if (translator->load(QStringLiteral(":/i18n/velmora_%1.qm").arg(LanguageCode(language)))) {
        QCoreApplication::installTranslator(translator);
    }
}

bool TranslationInstalled() {
    return QCoreApplication::instance()->findChild<QTranslator*>(kTranslatorName,
                                                                 Qt::FindDirectChildrenOnly) != nullptr;
}

QString FromCore(std::string_view text, Language language) {
    if (language == Language::English) {
        return FromCore(text);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(QByteArrayView(text.data(), qsizetype(text.size())));
    return utf8.hasError() ? FromCore(text) : decoded;
}

QString MonthName(std::size_t index) {
    return QCoreApplication::translate("Months", kMonthNames.at(index));
}

QString CheckMessageFor(CheckMessage message, Language language) {
    return FromCore(CheckMessageText(message, language), language);
}

void SetCaption(QObject* object, const char* context, const char* source) {
    object->setProperty(kCaptionContext, QByteArray(context));
    object->setProperty(kCaptionSource, QByteArray(source));
    ApplyCaption(
        object, Translate(QByteArray(context), QByteArray(source), object->property(kCaptionDisambiguation)));
}

void SetCaption(QObject* object, const char* context, AmbiguousSource source) {
    object->setProperty(kCaptionDisambiguation, QByteArray(source.disambiguation));
    SetCaption(object, context, source.source);
}

void SetAccessibleCaption(QWidget* widget, const char* context, const char* source) {
    widget->setProperty(kCaptionContext, QByteArray(context));
    widget->setProperty(kAccessibleSource, QByteArray(source));
    widget->setAccessibleName(QCoreApplication::translate(context, source));
}

void RetranslateCaptions(const QObject* root) {
    for (QObject* object : root->findChildren<QObject*>()) {
        const QVariant context = object->property(kCaptionContext);
        if (!context.isValid()) {
            continue;
        }
        if (const QVariant source = object->property(kCaptionSource); source.isValid()) {
            ApplyCaption(object, Translate(context, source, object->property(kCaptionDisambiguation)));
        }
        if (const QVariant source = object->property(kAccessibleSource); source.isValid()) {
            qobject_cast<QWidget*>(object)->setAccessibleName(Translate(context, source, {}));
        }
    }
}

} // namespace velmora
