// The program on a machine that works against it: a damaged or unwritable
// settings store, a missing user guide, a folder where nothing can be saved.
// Each case must leave the window working and lose nothing that was there.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/links.h"
#include "app/main_window.h"
#include "platform/qt_platform.h"
#include "support/immutable_folder.h"
#include "support/test_files.h"

using velmora::MessageIcon;

namespace {

using velmora::testing::ReadFile;
using velmora::testing::WriteFile;

const QString kOrganization = QStringLiteral("VelmoraTest");
const QString kApplication = QStringLiteral("Hostile");

// The real settings store and file system; whatever would need a person is recorded instead.
class RecordingPlatform : public velmora::QtPlatform {
public:
    RecordingPlatform() : QtPlatform(kOrganization, kApplication) {}
    QStringList questions;
    QStringList messages;
    QString saveAnswer;
    bool AskYesNo(QWidget*, const QString& text) override {
        questions.append(text);
        return false;
    }
    void ShowMessage(QWidget*, const QString& text, MessageIcon) override { messages.append(text); }
    QString GetSaveFileName(QWidget*, const velmora::FileDialogRequest&) override { return saveAnswer; }
    QDate Today() override { return QDate(2024, 6, 15); }
};

// Every byte value, syntax of the INI format among them, in no sensible order.
QByteArray Garbage() {
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i) {
        bytes.append(char((i * 167 + i / 256) % 256));
    }
    return bytes.replace(QByteArray(1, '\0'), "[Settings]\x84\x91=\xff\xfe");
}

// The birth data of the worked example, calculated.
void Calculate(velmora::frmMain& window) {
    const auto edit = [&](const char* name, const char* text) {
        window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    };
    edit("txtName", "Asha");
    window.findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(7);
    window.findChild<QComboBox*>(QStringLiteral("cboDate"))->setCurrentIndex(14);
    window.findChild<QComboBox*>(QStringLiteral("cboYear"))->setCurrentText(QStringLiteral("1947"));
    edit("txtZoneHour", "5");
    edit("txtZoneMinute", "30");
    edit("txtLonD", "77");
    edit("txtLonM", "12");
    edit("txtLatD", "28");
    edit("txtLatM", "36");
    window.findChild<QPushButton*>(QStringLiteral("cmdRashi"))->click();
}

enum class Settings { GarbageFile, FileIsAFolder, FolderUnderAFile };
enum class Target { UnderARegularFile, ExistingFolder, ImmutableFolder };

} // namespace

Q_DECLARE_METATYPE(Settings)
Q_DECLARE_METATYPE(Target)

class HostileEnvironmentTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { configHome_ = qgetenv("XDG_CONFIG_HOME"); }
    void cleanup() { qputenv("XDG_CONFIG_HOME", configHome_); }

    // The start-up reminder stays silent on every start and the window still calculates and saves.
    void unusableSettings_data() {
        QTest::addColumn<Settings>("settings");
        QTest::newRow("garbage in the settings file") << Settings::GarbageFile;
        QTest::newRow("a folder where the file belongs") << Settings::FileIsAFolder;
        QTest::newRow("settings folder under a regular file") << Settings::FolderUnderAFile;
    }
    void unusableSettings() {
        QFETCH(Settings, settings);
        QTemporaryDir sandbox;
        QString config = sandbox.filePath(QStringLiteral("config"));
        const QString file = config + '/' + kOrganization + '/' + kApplication + QStringLiteral(".ini");
        switch (settings) {
        case Settings::GarbageFile:
            WriteFile(file, Garbage());
            break;
        case Settings::FileIsAFolder:
            QVERIFY(QDir().mkpath(file));
            break;
        case Settings::FolderUnderAFile:
            WriteFile(config, "a regular file");
            config += QStringLiteral("/config");
            break;
        }
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));

        RecordingPlatform platform;
        for (int start = 0; start < 2; ++start) {
            velmora::RemindAboutUpdate(platform);
        }
        QVERIFY2(platform.questions.isEmpty(), qPrintable(platform.questions.join(u'\n')));
        QVERIFY(platform.messages.isEmpty());

        velmora::frmMain window(platform);
        window.show();
        Calculate(window);
        QCOMPARE(window.Session().Results().star, velmora::Star::Pushya);
        platform.saveAnswer = sandbox.filePath(QStringLiteral("asha.tam"));
        window.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
        QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.messages.join(u'\n')));
        QVERIFY(QFileInfo(platform.saveAnswer).size() > 0);
    }

    // Without the guide on disk the help menu points at the home page's copy.
    void missingGuide_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("no such file") << "missing";
        QTest::newRow("a folder named like the page") << "folder";
        QTest::newRow("a link to nowhere") << "dangling";
    }
    void missingGuide() {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QString page = folder.filePath(QStringLiteral("index.html"));
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(page));
        } else if (kind == QLatin1String("dangling")) {
            QVERIFY(QFile::link(folder.filePath(QStringLiteral("gone.html")), page));
        }
        QCOMPARE(velmora::HelpPageUrl({page, folder.filePath(QStringLiteral("share/index.html"))}),
                 QUrl(velmora::HomePageAddress() + QStringLiteral("help/")));
    }

    // A save that cannot be made is reported and leaves whatever was there as it was.
    void saveWhereNothingCanBeWritten_data() {
        QTest::addColumn<Target>("target");
        QTest::newRow("folder is a regular file") << Target::UnderARegularFile;
        QTest::newRow("name of an existing folder") << Target::ExistingFolder;
        QTest::newRow("read-only folder holding an older reading") << Target::ImmutableFolder;
    }
    void saveWhereNothingCanBeWritten() {
        QFETCH(Target, target);
        QTemporaryDir sandbox;
        const QString older = sandbox.filePath(QStringLiteral("older.tam"));
        WriteFile(older, "older reading\r\n");
        QString path;
        switch (target) {
        case Target::UnderARegularFile:
            path = older + QStringLiteral("/new.tam");
            break;
        case Target::ExistingFolder:
            path = sandbox.filePath(QStringLiteral("folder.tam"));
            WriteFile(path + QStringLiteral("/older.tam"), "older reading\r\n");
            break;
        case Target::ImmutableFolder:
            path = older;
            break;
        }
        const velmora::testing::ImmutableFolder readOnly(target == Target::ImmutableFolder ? sandbox.path()
                                                                                           : QString());
        if (target == Target::ImmutableFolder && !readOnly.IsSet()) {
            QSKIP("this file system or user cannot make a folder immutable");
        }

        RecordingPlatform platform;
        velmora::frmMain window(platform);
        window.show();
        Calculate(window);
        platform.saveAnswer = path;
        window.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY2(platform.messages[0].startsWith(QStringLiteral("The reading could not be saved to ")),
                 qPrintable(platform.messages[0]));
        QCOMPARE(ReadFile(older), QByteArray("older reading\r\n"));
        if (target == Target::ExistingFolder) {
            QCOMPARE(ReadFile(path + QStringLiteral("/older.tam")), QByteArray("older reading\r\n"));
        }
        QCOMPARE(QDir(sandbox.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(),
                 target == Target::ExistingFolder ? 2 : 1);
    }

private:
    QByteArray configHome_;
};

QTEST_MAIN(HostileEnvironmentTest)
#include "hostile_environment_test.moc"
