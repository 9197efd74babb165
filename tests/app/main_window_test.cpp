// The window as a whole: its first display, menus, links and modal boxes.

#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "app/about_dialog.h"
#include "app/lean_widgets/svg_view.h"
#include "app/links.h"
#include "main_window_fixture.h"
#include "modal_watch.h"
#include "platform/qt_platform.h"

using velmora::frmMain;

namespace {

// The contrast of two colours by their relative luminance, from 1 (the same) to 21.
double ContrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto channel = [](double value) {
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
               0.0722 * channel(colour.blueF());
    };
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

} // namespace
using velmora::MessageIcon;
using velmora::testing::BirthData;
using velmora::testing::ModalWatch;
using velmora::testing::OnNextModal;

class MainWindowTest : public QObject, private velmora::testing::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void firstDisplay() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Velmora v1.90"));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QCOMPARE(window_->centralWidget()->size(), QSize(622, 421));
        const QList<std::pair<QString, QString>> lists{
            {QStringLiteral("cboMonth"), QStringLiteral("January")},
            {QStringLiteral("cboDate"), QStringLiteral("1")},
            {QStringLiteral("cboYear"), QStringLiteral("1901")},
            {QStringLiteral("cboHH"), QStringLiteral("0")},
            {QStringLiteral("cboMM"), QStringLiteral("0")},
            {QStringLiteral("cboSS"), QStringLiteral("0")},
        };
        for (const auto& [name, shown] : lists) {
            QCOMPARE(list(name)->currentText(), shown);
        }
        QCOMPARE(list(QStringLiteral("cboMonth"))->itemText(11), QStringLiteral("December"));
        QCOMPARE(list(QStringLiteral("cboDate"))->count(), 31);
        QCOMPARE(list(QStringLiteral("cboYear"))->count(), 150);
        QCOMPARE(list(QStringLiteral("cboYear"))->itemText(149), QStringLiteral("2050"));
        QCOMPARE(list(QStringLiteral("cboHH"))->count(), 24);
        QCOMPARE(list(QStringLiteral("cboSS"))->itemText(59), QStringLiteral("59"));
        for (QLineEdit* field : window_->findChildren<QLineEdit*>()) {
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
        }
        QVERIFY(!find<QCheckBox>(QStringLiteral("chkDST"))->isChecked());
        QVERIFY(find<QRadioButton>(QStringLiteral("optLong0"))->isChecked());
        QVERIFY(find<QRadioButton>(QStringLiteral("optLat0"))->isChecked());
        QCOMPARE(panelInFront(), QStringLiteral("fraMain"));
        QVERIFY(find(QStringLiteral("fraResult"))->isVisible()); // behind, never hidden
        QCOMPARE(find<velmora::SvgView>(QStringLiteral("picBird"))->Source(),
                 QStringLiteral(":/birds/none.svg"));
        QCOMPARE(focused(), QStringLiteral("txtName"));
        QVERIFY(fake_->messages.isEmpty());
    }

    // Every entry with its mnemonic and the keys the menu shows for it.
    void menusInOrder() {
        QStringList seen;
        for (QAction* menu : window_->menuBar()->actions()) {
            seen << menu->text();
            for (QAction* entry : menu->menu()->actions()) {
                const QString keys = entry->shortcut().toString(QKeySequence::PortableText);
                seen << (entry->isSeparator() ? QStringLiteral("-")
                         : keys.isEmpty()     ? entry->text()
                                              : entry->text() + QLatin1Char('\t') + keys);
            }
        }
        QCOMPARE(seen, (QStringList{"&File",
                                    "&Calculate",
                                    "Your Bird's &Day...\tCtrl+D",
                                    "-",
                                    "&Open...\tCtrl+O",
                                    "&Save...\tCtrl+S",
                                    "-",
                                    "&Print...\tCtrl+P",
                                    "&Export as PDF...",
                                    "-",
                                    "E&xit\tCtrl+Q",
                                    "&Edit",
                                    "&Copy Reading",
                                    "&View",
                                    "&Language",
                                    "&Help",
                                    "&Online Help\tF1",
                                    "&Visit Us Online",
                                    "-",
                                    "Check for Software &Update",
                                    "-",
                                    "&About Software"}));
    }

    // Under the desktop's light or dark colours, every text keeps a clear contrast with what
    // it is drawn on: the window's own colours where it sets them, the desktop's elsewhere.
    void textStandsOutFromItsBackground_data() {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light") << QColor(239, 239, 239) << QColor(0, 0, 0);
        QTest::newRow("dark") << QColor(45, 45, 48) << QColor(235, 235, 235);
    }
    void textStandsOutFromItsBackground() {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        const QPalette before = QApplication::palette();
        QPalette desktop(text, window, window.lighter(150), window.darker(150), window.darker(120), text,
                         QColor(Qt::white), window.darker(110), window);
        QApplication::setPalette(desktop);
        frmMain shown(*fake_);
        shown.show();
        QStringList poor;
        QList<QWidget*> widgets = shown.findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            if (widget->property("text").toString().isEmpty() && !widget->inherits("QMenuBar") &&
                !widget->inherits("QMenu") && !widget->inherits("QTabBar") &&
                !widget->inherits("QGroupBox")) {
                continue;
            }
            // The styles draw the captions of check boxes and option buttons on the window.
            const bool onWindow = widget->inherits("QCheckBox") || widget->inherits("QRadioButton");
            const QPalette& colours = widget->palette();
            const double ratio =
                ContrastRatio(colours.color(onWindow ? QPalette::WindowText : widget->foregroundRole()),
                              colours.color(onWindow ? QPalette::Window : widget->backgroundRole()));
            if (ratio < 3.0) {
                poor << QStringLiteral("%1 (%2)").arg(widget->objectName(), QString::number(ratio, 'f', 1));
            }
        }
        QApplication::setPalette(before);
        QVERIFY2(poor.isEmpty(), qPrintable(poor.join(QStringLiteral(", "))));
        QCOMPARE(shown.menuBar()->palette().color(QPalette::Window), window);
    }

    void linksOpenTheirPages() {
        action(QStringLiteral("mnuOnline"))->trigger();
        action(QStringLiteral("mnuVisit"))->trigger();
        action(QStringLiteral("mnuUpdate"))->trigger();
        QTest::mouseClick(find(QStringLiteral("Label14")), Qt::LeftButton);
        fill(BirthData());
        calculate();
        QTest::mouseClick(find(QStringLiteral("lblLabel")), Qt::LeftButton);
        const QUrl home(velmora::HomePageAddress());
        QCOMPARE(fake_->openedUrls,
                 (QList<QUrl>{velmora::HelpPageUrl(), home, velmora::DownloadPageUrl(), home, home}));
        QVERIFY(find<QAbstractButton>(QStringLiteral("lblLabel"))->text() ==
                QStringLiteral("For Detailed Analysis Visit ") + velmora::HomePageAddress());
    }

    void aboutBoxIsModal() {
        ModalWatch watch;
        OnNextModal<velmora::frmAbout>(&watch, [](velmora::frmAbout* about) { about->reject(); });
        action(QStringLiteral("mnuAbout"))->trigger();
        QVERIFY(watch.seen);
        QVERIFY(!watch.timedOut);
    }

    void exitEndsWithoutAsking() {
        action(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(!window_->isVisible());
        QVERIFY(fake_->questions.isEmpty());
        QVERIFY(fake_->messages.isEmpty());
    }

    // The production message box, through the whole window.
    void realMessageBoxForAMissingName() {
        velmora::QtPlatform platform(QStringLiteral("VelmoraTest"), QStringLiteral("Velmora"));
        frmMain window(platform);
        window.show();
        ModalWatch watch;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        OnNextModal<QMessageBox>(&watch, [&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            QTest::keyClick(box, Qt::Key_Enter);
        });
        window.findChild<QPushButton*>(QStringLiteral("cmdRashi"))->click();
        QVERIFY(watch.seen);
        QVERIFY(!watch.timedOut);
        QCOMPARE(title, QStringLiteral("Velmora"));
        QCOMPARE(text, QStringLiteral("Please Enter Name"));
        QCOMPARE(icon, QMessageBox::Critical);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
