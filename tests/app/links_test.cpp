#include "app/links.h"

#include "app/fake_platform.h"
#include "platform/qt_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

using velmora::testing::FakePlatform;

Q_DECLARE_METATYPE(velmora::Language)

namespace {

// The stored form of a text: every character code moved up by 23.
QString Shifted(const QString& text) {
    QString out;
    for (const QChar c : text) {
        out += QChar(c.unicode() + 23);
    }
    return out;
}

const QString kStoredKey = Shifted(QStringLiteral("ReminderDate"));
const QString kQuestion =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

// The real settings file, with the clock and the question answered by the test.
class SettingsOnDisk : public velmora::QtPlatform {
public:
    SettingsOnDisk() : QtPlatform(QStringLiteral("VelmoraTest"), QStringLiteral("Reminder")) {}
    QDate today;
    int questions = 0;
    QDate Today() override { return today; }
    bool AskYesNo(QWidget*, const QString&) override {
        ++questions;
        return false;
    }
};

} // namespace

class LinksTest : public QObject {
    Q_OBJECT
private slots:
    void pagesOpenTheirAddresses() {
        FakePlatform platform;
        velmora::OpenHomePage(platform);
        velmora::OpenUpdatePage(platform);
        QCOMPARE(platform.openedUrls, (QList<QUrl>{QUrl(QStringLiteral(EXPECTED_HOME_URL)),
                                                   QUrl(QStringLiteral(EXPECTED_DOWNLOAD_URL))}));
        QCOMPARE(velmora::HomePageAddress(), QStringLiteral(EXPECTED_HOME_URL));
    }

    void aFailedOpenShowsNothing() {
        FakePlatform platform;
        platform.openUrlResult = false;
        velmora::OpenHelpPage(platform, velmora::Language::English);
        velmora::OpenHomePage(platform);
        velmora::OpenUpdatePage(platform);
        QCOMPARE(platform.openedUrls.size(), 3);
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(platform.questions.isEmpty());
    }

    // Without an installed copy the guide comes from the source tree, as a local file, in the
    // window's language.
    void helpOpensTheLocalGuide_data() {
        QTest::addColumn<velmora::Language>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("English") << velmora::Language::English << QStringLiteral("resources/help/index.html");
        QTest::newRow("Tamil") << velmora::Language::Tamil << QStringLiteral("resources/help/index-ta.html");
    }
    void helpOpensTheLocalGuide() {
        QFETCH(velmora::Language, language);
        QFETCH(QString, page);
        FakePlatform platform;
        velmora::OpenHelpPage(platform, language);
        QCOMPARE(platform.openedUrls.size(), 1);
        const QUrl url = platform.openedUrls.front();
        QVERIFY2(url.isLocalFile(), qPrintable(url.toString()));
        QVERIFY(QFileInfo(url.toLocalFile()).isFile());
        QVERIFY2(url.toLocalFile().endsWith(page), qPrintable(url.toLocalFile()));
    }

    void anInstalledGuideComesFirst() {
        const QString docDir =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../share/velmora/help");
        QVERIFY(QDir().mkpath(docDir));
        QFile page(docDir + QStringLiteral("/index.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html></html>");
        page.close();
        const QUrl url = velmora::HelpPageUrl();
        // An installed copy without the Tamil guide gives its English one, not the source tree's Tamil.
        const QUrl tamilUrl = velmora::HelpPageUrl(velmora::Language::Tamil);
        QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../share")).removeRecursively();
        const QUrl installed = QUrl::fromLocalFile(QFileInfo(page.fileName()).absoluteFilePath());
        QCOMPARE(url, installed);
        QCOMPARE(tamilUrl, installed);
    }

    void reminder_data() {
        QTest::addColumn<QString>("stored"); // "" = nothing stored yet
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("storesToday");
        QTest::addColumn<bool>("opensDownloadPage");

        const QDate today(2024, 6, 15);
        const auto stored = [](QDate date) { return Shifted(date.toString(QStringLiteral("yyyy-MM-dd"))); };
        QTest::newRow("first run") << "" << today << QList<bool>{} << false << true << false;
        QTest::newRow("14 days later")
            << stored(today.addDays(-14)) << today << QList<bool>{} << false << false << false;
        QTest::newRow("14 days earlier")
            << stored(today.addDays(14)) << today << QList<bool>{} << false << false << false;
        QTest::newRow("same day") << stored(today) << today << QList<bool>{} << false << false << false;
        QTest::newRow("15 days later, Yes")
            << stored(today.addDays(-15)) << today << QList<bool>{true} << true << true << true;
        QTest::newRow("15 days later, No")
            << stored(today.addDays(-15)) << today << QList<bool>{false} << true << true << false;
        QTest::newRow("15 days in the future")
            << stored(today.addDays(15)) << today << QList<bool>{false} << true << true << false;
        QTest::newRow("across a year end")
            << stored(QDate(2023, 12, 20)) << QDate(2024, 1, 4) << QList<bool>{true} << true << true << true;
        // A damaged date asks nothing and starts the count again, so the reminder is not lost for good.
        QTest::newRow("damaged date")
            << Shifted(QStringLiteral("15.06.2024")) << today << QList<bool>{} << false << true << false;
        QTest::newRow("not encoded") << QStringLiteral("2024-05-01") << today << QList<bool>{} << false
                                     << true << false;
    }
    void reminder() {
        QFETCH(QString, stored);
        QFETCH(QDate, today);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, asked);
        QFETCH(bool, storesToday);
        QFETCH(bool, opensDownloadPage);

        FakePlatform platform;
        platform.today = today;
        platform.yesNoAnswers = answers;
        if (!stored.isEmpty()) {
            platform.settings.insert(kStoredKey, stored);
        }
        QWidget parent;
        velmora::RemindAboutUpdate(platform, &parent);

        QVERIFY(platform.messages.isEmpty());
        QVERIFY2(platform.unexpected.isEmpty(), qPrintable(platform.unexpected.join(u'\n')));
        QCOMPARE(platform.questions.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(platform.questions.front().text, kQuestion);
            QCOMPARE(platform.questions.front().parent.data(), &parent);
        }
        const QString todayStored = Shifted(today.toString(QStringLiteral("yyyy-MM-dd")));
        if (storesToday) {
            QCOMPARE(platform.settingWrites, (QList<QPair<QString, QString>>{{kStoredKey, todayStored}}));
        } else {
            QVERIFY(platform.settingWrites.isEmpty());
        }
        QCOMPARE(platform.openedUrls.size(), opensDownloadPage ? 1 : 0);
        if (opensDownloadPage) {
            QCOMPARE(platform.openedUrls.front(), QUrl(QStringLiteral(EXPECTED_DOWNLOAD_URL)));
        }
    }

    // No means the next question comes 15 days after this one at the earliest.
    void aStoredAnswerHoldsTheNextQuestionBack() {
        FakePlatform platform;
        platform.today = QDate(2024, 3, 1);
        velmora::RemindAboutUpdate(platform); // first run
        platform.today = QDate(2024, 3, 20);
        platform.yesNoAnswers = {false};
        velmora::RemindAboutUpdate(platform);
        platform.today = QDate(2024, 4, 3);
        velmora::RemindAboutUpdate(platform);
        QCOMPARE(platform.questions.size(), 1);
        platform.today = QDate(2024, 4, 4);
        platform.yesNoAnswers = {false};
        velmora::RemindAboutUpdate(platform);
        QCOMPARE(platform.questions.size(), 2);
    }

    // The encoded key holds character codes above 127; the INI file must give them back unchanged.
    void theDateSurvivesTheSettingsFile() {
        const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                             QStringLiteral("/VelmoraTest/Reminder.ini");
        QFile::remove(file);
        SettingsOnDisk platform;
        platform.today = QDate(2024, 1, 1);
        velmora::RemindAboutUpdate(platform);
        QVERIFY(QFileInfo::exists(file));
        QCOMPARE(platform.ReadSetting(kStoredKey),
                 std::optional<QString>(Shifted(QStringLiteral("2024-01-01"))));
        platform.today = QDate(2024, 1, 15);
        velmora::RemindAboutUpdate(platform);
        QCOMPARE(platform.questions, 0);
        platform.today = QDate(2024, 1, 16);
        velmora::RemindAboutUpdate(platform);
        QCOMPARE(platform.questions, 1);
        QFile::remove(file);
    }

    void aBrokenStoreEndsSilently() {
        FakePlatform platform;
        platform.settingsBroken = true;
        velmora::RemindAboutUpdate(platform);
        velmora::RemindAboutUpdate(platform);
        QVERIFY(platform.questions.isEmpty());
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(platform.openedUrls.isEmpty());
    }
};

QTEST_MAIN(LinksTest)
#include "links_test.moc"
