#include "app/about_dialog.h"

#include "app/fake_platform.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using velmora::frmAbout;
using velmora::testing::FakePlatform;

class AboutDialogTest : public QObject {
    Q_OBJECT
private slots:
    void showsItsTexts() {
        FakePlatform platform;
        frmAbout about(platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.windowTitle(), QStringLiteral("Velmora v1.90"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Velmora v1.90"));
        QCOMPARE(
            about.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
            QStringLiteral("Velmora is a Vedic astrology software which determines your Nakshatra or Birth "
                           "Star and then finds out your ruling bird as per the Panch Pakshi Shastra based "
                           "on your date of birth. The software helps you to gain a clear insight into your "
                           "personality and thus improve yourself for the better."));
        QVERIFY(about.findChild<QFrame*>(QStringLiteral("Line1")) != nullptr);
        auto* link = about.findChild<QLabel*>(QStringLiteral("lblHomePage"));
        QVERIFY(link != nullptr);
        QCOMPARE(link->accessibleName(), QStringLiteral("Click here to visit " EXPECTED_HOME_URL));
        QVERIFY(link->text().contains(QStringLiteral(">Click here to visit " EXPECTED_HOME_URL "<")));
        QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(), QStringLiteral("OK"));
        QVERIFY(platform.openedUrls.isEmpty());
    }

    void theLinkOpensTheHomePageThroughThePlatform() {
        FakePlatform platform;
        frmAbout about(platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto* link = about.findChild<QLabel*>(QStringLiteral("lblHomePage"));
        emit link->linkActivated(QStringLiteral(EXPECTED_HOME_URL));
        QCOMPARE(platform.openedUrls, QList<QUrl>{QUrl(QStringLiteral(EXPECTED_HOME_URL))});
        QVERIFY(about.isVisible());
    }

    void okCloses() {
        FakePlatform platform;
        frmAbout about(platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QVERIFY(platform.openedUrls.isEmpty());
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
