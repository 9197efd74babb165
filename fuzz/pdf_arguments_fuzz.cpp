// `velmora --pdf OUT.pdf FILE.tam` with any arguments and any file: the names of
// the PDF and of the reading, and the reading's bytes, all from the fuzzer, inside
// a folder of its own. The command must refuse or write, never crash or hang, and
// the names it echoes must be cut and free of control characters.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "app/message_text.h"
#include "app/pdf_command.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

QString& Sandbox() {
    static QString folder;
    return folder;
}

// A name inside the sandbox; nothing for one that climbs out of it.
std::optional<QString> InSandbox(const QByteArray& name) {
    const QString text = QString::fromUtf8(name);
    if (text.split(u'/').contains(QStringLiteral(".."))) {
        return std::nullopt;
    }
    return Sandbox() + u'/' + text;
}

// What a message makes of a name: no control character, and short however long the name.
void CheckEchoed(const QString& name) {
    for (const QString& shown : {velmora::PathInMessage(name), velmora::QuotedInMessage(name)}) {
        Check(shown.size() <= 8 * 160 + 3);
        for (const QChar c : shown) {
            Check(c.unicode() >= 0x20 && !(c.unicode() >= 0x7f && c.unicode() <= 0x9f));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QByteArray folder = QDir::tempPath().toLocal8Bit() + "/velmora-pdf-fuzz-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr) {
        std::abort();
    }
    Sandbox() = QString::fromLocal8Bit(folder);
    std::atexit([] { QDir(Sandbox()).removeRecursively(); });
    return 0;
}

// Layout: the PDF's name, NUL, the reading's name, NUL, the reading's bytes. A
// missing reading name means "reading.tam"; the reading is written where its folder exists.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> parts = input.split('\0');
    const QByteArray pdfName = parts.value(0);
    const QByteArray readingName = parts.size() > 1 ? parts.value(1) : QByteArrayLiteral("reading.tam");
    const qsizetype bytesFrom = std::min(input.size(), pdfName.size() + readingName.size() + 2);
    const std::optional<QString> pdf = InSandbox(pdfName);
    const std::optional<QString> reading = InSandbox(readingName);
    if (!pdf || !reading) {
        return 0;
    }
    QDir(Sandbox()).removeRecursively();
    QDir().mkpath(Sandbox());
    if (QFileInfo(QFileInfo(*reading).path()).isDir() && !QFileInfo(*reading).exists()) {
        QFile file(*reading);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(input.mid(bytesFrom));
        }
    }
    CheckEchoed(QString::fromUtf8(pdfName));
    CheckEchoed(QString::fromUtf8(readingName));

    const int status = velmora::WriteSavedReadingPdf(pdfName.isEmpty() ? QString() : *pdf,
                                                     readingName.isEmpty() ? QString() : *reading);
    Check(status == 0 || status == 1);
    // A PDF is there exactly when the command says it wrote one.
    const QFileInfo written(*pdf);
    Check(status != 0 || (written.isFile() && written.size() > 0));
    return 0;
}
