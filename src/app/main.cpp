#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIcon>
#include <QStringList>

#include <cstdio>

#include "app/hand_over.h"
#include "app/links.h"
#include "app/main_window.h"
#include "app/message_text.h"
#include "app/pdf_command.h"
#include "app/translation.h"
#include "platform/instance_lock.h"
#include "platform/qt_platform.h"

namespace {

const QCommandLineOption kHelpOption({QStringLiteral("h"), QStringLiteral("help")},
                                     QStringLiteral("Show this help and exit."));
const QCommandLineOption kVersionOption({QStringLiteral("v"), QStringLiteral("version")},
                                        QStringLiteral("Show the version and exit."));
const QCommandLineOption
    kPdfOption(QStringLiteral("pdf"),
               QStringLiteral("Write the saved reading FILE.tam as a PDF file to OUT.pdf, "
                              "without opening a window, and exit."),
               QStringLiteral("OUT.pdf"));

void DescribeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Panch-Pakshi birth reading: the birth star, the lunar fortnight, the ruling bird and "
                       "its days, in a window.\n"
                       "Given a saved reading (a .tam file), the window opens with that reading shown."));
    parser.addOption(kHelpOption);
    parser.addOption(kVersionOption);
    parser.addOption(kPdfOption);
    parser.addPositionalArgument(QStringLiteral("FILE.tam"),
                                 QStringLiteral("A saved reading to show, or to write with --pdf."),
                                 QStringLiteral("[FILE.tam]"));
}

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// The window icon from the drawn sizes: the desktop is handed every size the icon has, and an SVG
// icon would first load the SVG icon engine and render each size at start-up.
QIcon ProgramIcon() {
    QIcon icon;
    for (const int sizePx : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/icons/velmora-%1.png").arg(sizePx), QSize(sizePx, sizePx));
    }
    return icon;
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Help and version are answered before QApplication exists, so that they need no display.
// Returns true when one of them was asked for and answered.
bool AnswerHelpOrVersion(const QCommandLineParser& parser) {
    if (parser.isSet(kHelpOption)) {
        // The usage line names the program as it is installed, not the path it was started by.
        char name[] = "velmora";
        char* nameOnly[] = {name, nullptr};
        int count = 1;
        const QCoreApplication named(count, nameOnly);
        Print(stdout, parser.helpText());
        return true;
    }
    if (parser.isSet(kVersionOption)) {
        std::fputs("velmora " VELMORA_VERSION "\n", stdout);
        return true;
    }
    return false;
}

// True when nothing names a screen to draw on: Qt would then end the program in its
// constructor, before any usage error could be answered, so the program starts
// off-screen and says itself that a window needs a display.
bool WithoutDisplay(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) {
        return false;
    }
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        for (const char* qtOption : {"-platform", "--platform", "-display", "--display"}) {
            if (argument == qtOption) {
                return false;
            }
        }
    }
    return true;
}

// The command's own messages say what went wrong; Qt's diagnostics (a painter that
// could not begin, a runtime folder it made) are not for its terminal.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        Print(stderr, QStringLiteral("velmora: %1\n").arg(text));
    }
}

// The names given on the command line are echoed escaped and cut.
QString UsageError(const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) {
        return parser.errorText();
    }
    const QString first = QStringLiteral("unknown option %1").arg(velmora::QuotedInMessage(unknown.front()));
    return unknown.size() == 1 ? first
                               : QStringLiteral("%1 (and %2 more)").arg(first).arg(unknown.size() - 1);
}

} // namespace

int main(int argc, char* argv[]) {
    {
        QCommandLineParser early;
        DescribeCommandLine(early);
        // Qt's own options (-platform, -style...) are unknown here; QApplication takes them out later.
        early.parse(Arguments(argc, argv));
        if (AnswerHelpOrVersion(early)) {
            return 0;
        }
        if (early.isSet(kPdfOption)) {
            qInstallMessageHandler(KeepQtQuiet);
        }
    }
    const bool withoutDisplay = WithoutDisplay(argc, argv);
    if (withoutDisplay) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.example.velmora"));

    QCommandLineParser parser;
    DescribeCommandLine(parser);
    if (!parser.parse(QApplication::arguments())) {
        Print(stderr, QStringLiteral("velmora: %1\nTry 'velmora --help' for more information.\n")
                          .arg(UsageError(parser)));
        return 2;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        Print(stderr, QStringLiteral("velmora: only one saved reading can be opened at a time\n"));
        return 2;
    }
    if (parser.isSet(kPdfOption)) {
        return velmora::WriteSavedReadingPdf(parser.value(kPdfOption), files.value(0));
    }
    if (withoutDisplay) {
        Print(stderr, QStringLiteral("velmora: no display to open the window on (DISPLAY and WAYLAND_DISPLAY "
                                     "are not set); velmora --pdf writes a reading without one\n"));
        return 1;
    }

    velmora::QtPlatform platform;
    velmora::InstallTranslation(velmora::StartingLanguage(platform));
    velmora::InstanceLock lock;
    if (!lock.TryLock()) {
        if (files.isEmpty()) {
            Print(stderr, QStringLiteral("velmora: Application is already running\n"));
            platform.ShowMessage(nullptr,
                                 QCoreApplication::translate("main", "Application is already running"),
                                 velmora::MessageIcon::Information);
            return 0;
        }
        // A file given to a second start is shown by the window that already runs, or,
        // when that window cannot take it, here.
        if (lock.HandOver(files.front())) {
            return 0;
        }
        if (!lock.TryLock()) {
            Print(stderr,
                  QStringLiteral("velmora: the window that already runs did not take %1; it is shown in a "
                                 "window of its own\n")
                      .arg(velmora::PathInMessage(files.front())));
        }
    }
    if (!lock.Problem().isEmpty()) {
        Print(stderr, QStringLiteral("velmora: %1\n").arg(lock.Problem()));
    }
#if VELMORA_UPDATE_REMINDER
    velmora::RemindAboutUpdate(platform);
#endif

    velmora::frmMain window(platform);
    // After the window, whose library brings the picture in.
    QApplication::setWindowIcon(ProgramIcon());
    window.show();
    velmora::ShowHandedOverFiles(lock, window);
    if (!files.isEmpty()) {
        window.OpenSavedReading(files.front());
    }
    return QApplication::exec();
}
