// Renders the main window's input panel, its File menu, the place look-up, the About
// box, each result tab and the bird's day to PNG files, for the README, the user guide and for
// looking at the layout. Run under QT_QPA_PLATFORM=offscreen; QT_SCALE_FACTOR=2
// gives the high-density pictures, LANG=ta_IN.UTF-8 the Tamil ones (the window
// follows the locale); --dark draws them under a dark desktop palette, named with
// "-dark" before the suffix.
//   velmora_screenshots [--dark] <folder> [suffix]

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>

#include "app/about_dialog.h"
#include "app/main_window.h"
#include "fake_platform.h"

namespace {

bool Save(QWidget& window, const QString& path) {
    QApplication::processEvents();
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A desktop's dark theme, as a user may have chosen it.
QPalette DarkPalette() {
    QPalette dark;
    const QColor window(45, 45, 48);
    const QColor base(30, 30, 32);
    const QColor text(235, 235, 235);
    for (auto [role, colour] : {std::pair{QPalette::Window, window},
                                {QPalette::WindowText, text},
                                {QPalette::Base, base},
                                {QPalette::AlternateBase, window},
                                {QPalette::Text, text},
                                {QPalette::Button, window},
                                {QPalette::ButtonText, text},
                                {QPalette::ToolTipBase, base},
                                {QPalette::ToolTipText, text},
                                {QPalette::Highlight, QColor(42, 130, 218)},
                                {QPalette::HighlightedText, QColor(Qt::white)},
                                {QPalette::Link, QColor(110, 170, 255)},
                                {QPalette::PlaceholderText, QColor(150, 150, 150)},
                                {QPalette::Light, QColor(80, 80, 84)},
                                {QPalette::Midlight, QColor(62, 62, 66)},
                                {QPalette::Mid, QColor(38, 38, 40)},
                                {QPalette::Dark, QColor(20, 20, 22)},
                                {QPalette::Shadow, QColor(Qt::black)}}) {
        dark.setColor(role, colour);
    }
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
    return dark;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    const bool dark = arguments.removeAll(QStringLiteral("--dark")) > 0;
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: velmora_screenshots [--dark] <folder> [suffix]\n");
        return 2;
    }
    if (dark) {
        QApplication::setPalette(DarkPalette());
    }
    const QDir folder(arguments.front());
    const QString suffix = (dark ? QStringLiteral("-dark") : QString()) + arguments.value(1);
    if (!QDir().mkpath(folder.path())) {
        return 1;
    }
    velmora::testing::FakePlatform platform;
    velmora::frmMain window(platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    auto field = [&](const char* name) { return window.findChild<QLineEdit*>(QString::fromLatin1(name)); };
    auto list = [&](const char* name) { return window.findChild<QComboBox*>(QString::fromLatin1(name)); };
    field("txtName")->setText(QStringLiteral("Asha Raman"));
    list("cboMonth")->setCurrentIndex(7);
    list("cboDate")->setCurrentIndex(14);
    list("cboYear")->setCurrentText(QStringLiteral("1947"));
    field("txtZoneHour")->setText(QStringLiteral("+5"));
    field("txtZoneMinute")->setText(QStringLiteral("30"));
    field("txtLonD")->setText(QStringLiteral("77"));
    field("txtLonM")->setText(QStringLiteral("12"));
    field("txtLatD")->setText(QStringLiteral("28"));
    field("txtLatM")->setText(QStringLiteral("36"));
    field("txtMCity")->setText(QStringLiteral("New Delhi"));
    field("txtMState")->setText(QStringLiteral("Delhi"));
    field("txtMCountry")->setText(QStringLiteral("India"));
    field("txtName")->setFocus();
    bool ok = Save(window, folder.filePath(QStringLiteral("input%1.png").arg(suffix)));
    // The menus follow the system's palette, whatever the window's own colours.
    auto* mnuFile = window.findChild<QMenu*>(QStringLiteral("mnuFile"));
    mnuFile->popup(window.mapToGlobal(QPoint(0, 0)));
    ok = Save(*mnuFile, folder.filePath(QStringLiteral("menu-file%1.png").arg(suffix))) && ok;
    mnuFile->close();

    // The place look-up for the form's place and birth date, with its first row current.
    window.findChild<QPushButton*>(QStringLiteral("cmdBrowser"))->click();
    auto* lookup = window.findChild<QWidget*>(QStringLiteral("frmLocationLookup"));
    auto* places = lookup->findChild<QTreeWidget*>(QStringLiteral("lstPlaces"));
    for (int waited = 0; places->topLevelItemCount() == 0 && waited < 100; ++waited) {
        QTest::qWait(50);
    }
    places->setFocus();
    ok = Save(*lookup, folder.filePath(QStringLiteral("place-lookup%1.png").arg(suffix))) && ok;
    lookup->close();

    // The About box, which in a translation also says that the translation is unreviewed.
    velmora::frmAbout about(platform, &window);
    about.show();
    ok = QTest::qWaitForWindowExposed(&about) &&
         Save(about, folder.filePath(QStringLiteral("about%1.png").arg(suffix))) && ok;
    about.close();

    window.findChild<QPushButton*>(QStringLiteral("cmdRashi"))->click();
    auto* tabs = window.findChild<QTabBar*>(QStringLiteral("TS"));
    const char* names[] = {"tab1-nakshatra", "tab2-bird", "tab3-ruling-days", "tab4-death-day"};
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        ok = Save(window,
                  folder.filePath(QStringLiteral("%1%2.png").arg(QString::fromLatin1(names[i]), suffix))) &&
             ok;
    }
    // The first tab's text is longer than the page: the rest of it, scrolled down.
    tabs->setCurrentIndex(0);
    QScrollBar* scroll =
        window.findChild<QScrollArea*>(QStringLiteral("picNakshatraDetails"))->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    ok = Save(window, folder.filePath(QStringLiteral("tab1-nakshatra-scrolled%1.png").arg(suffix))) && ok;

    // The bird's day at the birth place, at a fixed moment in the afternoon there; then with
    // its sub-periods.
    window.findChild<QPushButton*>(QStringLiteral("cmdBirdsDay"))->click();
    auto* day = window.findChild<QDialog*>(QStringLiteral("frmBirdsDay"));
    day->resize(day->sizeHint().expandedTo(QSize(760, 620)));
    QApplication::processEvents();
    ok = Save(*day, folder.filePath(QStringLiteral("birds-day%1.png").arg(suffix))) && ok;
    day->findChild<QCheckBox*>(QStringLiteral("chkSubPeriods"))->setChecked(true);
    ok = Save(*day, folder.filePath(QStringLiteral("birds-day-sub-periods%1.png").arg(suffix))) && ok;
    // The plan beside it: the good times of the four weeks from the fake platform's today.
    day->findChild<QTabWidget*>(QStringLiteral("tabViews"))->setCurrentIndex(1);
    day->findChild<QPushButton*>(QStringLiteral("cmdFind"))->click();
    ok = Save(*day, folder.filePath(QStringLiteral("birds-day-plan%1.png").arg(suffix))) && ok;
    day->close();

    // A birth three minutes before the Moon enters the next star: the first tab says so.
    window.findChild<QPushButton*>(QStringLiteral("cmdBack"))->click();
    list("cboHH")->setCurrentIndex(20);
    list("cboMM")->setCurrentIndex(5);
    window.findChild<QPushButton*>(QStringLiteral("cmdRashi"))->click();
    ok = Save(window, folder.filePath(QStringLiteral("tab1-near-change%1.png").arg(suffix))) && ok;
    return ok && platform.messages.isEmpty() ? 0 : 1;
}
