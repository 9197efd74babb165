#include "app/message_text.h"

#include <QDir>

#include "texts/printable.h"

namespace velmora {
namespace {

constexpr qsizetype kPathChars = 160;
constexpr qsizetype kPathStartChars = 60;
constexpr qsizetype kQuotedChars = 40;
const QString kCut = QStringLiteral("...");

QString Escaped(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return QString::fromStdString(
        EscapeControls(std::string_view(utf8.constData(), std::size_t(utf8.size()))));
}

// Where a cut at `at` would split a character written as two UTF-16 units, one unit earlier.
qsizetype WholeCharacters(const QString& text, qsizetype at) {
    return at > 0 && at < text.size() && text.at(at).isLowSurrogate() ? at - 1 : at;
}

} // namespace

QString PathInMessage(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    if (native.size() <= kPathChars) {
        return Escaped(native);
    }
    const qsizetype endFrom =
        WholeCharacters(native, native.size() - (kPathChars - kPathStartChars - kCut.size()));
    return Escaped(native.left(WholeCharacters(native, kPathStartChars))) + kCut +
           Escaped(native.mid(endFrom));
}

QString QuotedInMessage(const QString& text) {
    const bool cut = text.size() > kQuotedChars;
    QString shown = cut ? text.left(WholeCharacters(text, kQuotedChars)) : text;
    shown.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + Escaped(shown) + QLatin1Char('"') + (cut ? kCut : QString());
}

} // namespace velmora
