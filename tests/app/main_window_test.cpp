// The window as a whole: its first display, menus, links and modal boxes.

#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>

#include "app/about_dialog.h"
#include "app/links.h"
#include "app/svg_view.h"
#include "main_window_fixture.h"
#include "modal_watch.h"
#include "platform/qt_platform.h"

using velmora::frmMain;
using velmora::MessageIcon;
using velmora::testing::BirthData;
using velmora::testing::ModalWatch;
using velmora::testing::OnNextModal;

class MainWindowTest : public QObject, private velmora::testing::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() {
        const QStringList unexpected = closeWindow();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QStringLiteral("; "))));
    }

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

    void menusInOrder() {
        QStringList seen;
        for (QAction* menu : window_->menuBar()->actions()) {
            seen << menu->text();
            for (QAction* entry : menu->menu()->actions()) {
                seen << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
            }
        }
        QCOMPARE(seen, (QStringList{"&File", "&Calculate", "E&xit", "&View", "&Language", "&Help",
                                    "&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                                    "-", "&About Software"}));
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
        QVERIFY(find<QLabel>(QStringLiteral("lblLabel"))->text() ==
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
