#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

#include "app/modal_watch.h"
#include "platform/qt_platform.h"

using velmora::MessageIcon;
using velmora::QtPlatform;
using velmora::testing::ModalWatch;
using velmora::testing::OnNextModal;

namespace {

const QString kOrganization = QStringLiteral("VelmoraTest");
const QString kApplication = QStringLiteral("Velmora");

QString SettingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' + kOrganization +
           '/' + kApplication + ".ini";
}

} // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' + kOrganization)
            .removeRecursively();
        QSettings(QSettings::UserScope, QStringLiteral("QtProject")).remove(QStringLiteral("FileDialog"));
    }

    void showMessageUsesTitleTextAndIcon_data() {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QMessageBox::Icon>("shown");
        QTest::newRow("error") << MessageIcon::Error << QMessageBox::Critical;
        QTest::newRow("information") << MessageIcon::Information << QMessageBox::Information;
    }
    void showMessageUsesTitleTextAndIcon() {
        QFETCH(MessageIcon, icon);
        QFETCH(QMessageBox::Icon, shown);
        QtPlatform platform(kOrganization, kApplication);
        ModalWatch watch;
        QString title, text;
        QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
        OnNextModal<QMessageBox>(&watch, [&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            seenIcon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        platform.ShowMessage(nullptr, QStringLiteral("Please Enter Name"), icon);
        QVERIFY(watch.seen);
        QVERIFY(!watch.timedOut);
        QCOMPARE(title, QStringLiteral("Velmora"));
        QCOMPARE(text, QStringLiteral("Please Enter Name"));
        QCOMPARE(seenIcon, shown);
    }

    void askYesNoReportsTheAnswer_data() {
        QTest::addColumn<QMessageBox::StandardButton>("button");
        QTest::addColumn<bool>("expected");
        QTest::newRow("yes") << QMessageBox::Yes << true;
        QTest::newRow("no") << QMessageBox::No << false;
    }
    void askYesNoReportsTheAnswer() {
        QFETCH(QMessageBox::StandardButton, button);
        QFETCH(bool, expected);
        QtPlatform platform(kOrganization, kApplication);
        ModalWatch watch;
        QMessageBox::StandardButtons buttons;
        QString title;
        OnNextModal<QMessageBox>(&watch, [&](QMessageBox* box) {
            buttons = box->standardButtons();
            title = box->windowTitle();
            box->button(button)->click();
        });
        QCOMPARE(platform.AskYesNo(nullptr, QStringLiteral("Check?")), expected);
        QVERIFY(watch.seen);
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(title, QStringLiteral("Velmora"));
    }

    void saveDialogAddsTheDefaultExtension() {
        QtPlatform platform(kOrganization, kApplication);
        QTemporaryDir folder;
        ModalWatch watch;
        QString title;
        QStringList filters;
        OnNextModal<QFileDialog>(&watch, [&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            dialog->setDirectory(folder.path());
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QTest::keyClicks(edit, QStringLiteral("reading"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        const QString chosen = platform.GetSaveFileName(
            nullptr,
            {QStringLiteral("Velmora"), QStringLiteral("Rich Text Format (*.tam)"), QStringLiteral("tam")});
        QVERIFY(watch.seen);
        QVERIFY(!watch.timedOut);
        QCOMPARE(title, QStringLiteral("Velmora"));
        QCOMPARE(filters, QStringList{QStringLiteral("Rich Text Format (*.tam)")});
        QCOMPARE(chosen, folder.filePath(QStringLiteral("reading.tam")));
    }

    void cancelledOpenDialogGivesAnEmptyName() {
        QtPlatform platform(kOrganization, kApplication);
        QTemporaryDir folder;
        ModalWatch watch;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        OnNextModal<QFileDialog>(&watch, [&](QFileDialog* dialog) {
            mode = dialog->fileMode();
            dialog->setDirectory(folder.path());
            dialog->reject();
        });
        const QString chosen =
            platform.GetOpenFileName(nullptr, {QStringLiteral("Select the source file"),
                                               QStringLiteral("Velmora (*.tam)"), QStringLiteral("tam")});
        QVERIFY(watch.seen);
        QCOMPARE(mode, QFileDialog::ExistingFile);
        QVERIFY(chosen.isEmpty());
    }

    void settingsRoundTripInTheSettingsGroup() {
        QtPlatform platform(kOrganization, kApplication);
        QCOMPARE(platform.ReadSetting(QStringLiteral("Key")), std::nullopt);
        QVERIFY(platform.WriteSetting(QStringLiteral("Key"), QStringLiteral("Value, with a comma")));
        QCOMPARE(platform.ReadSetting(QStringLiteral("Key")), QStringLiteral("Value, with a comma"));
        QSettings file(SettingsFilePath(), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("Settings/Key")).toString(),
                 QStringLiteral("Value, with a comma"));
    }

    // Encoded keys and values hold any single-byte code, control codes and INI syntax included.
    void settingsKeepEverySingleByteCode() {
        QString key, value;
        for (int code = 1; code < 256; ++code) {
            value.append(QChar(code));
        }
        for (char16_t code : {u'i', u'|', char16_t(0x84), char16_t(0x91), u'=', u';', u'/', u'\\', u'['}) {
            key.append(QChar(code));
        }
        QtPlatform platform(kOrganization, kApplication);
        QVERIFY(platform.WriteSetting(key, value));
        QtPlatform later(kOrganization, kApplication);
        QCOMPARE(later.ReadSetting(key), value);
    }

    // A folder or a pipe where the file should be: nothing is written, and reading
    // neither blocks nor finds a value.
    void unusableSettingsStoreIsReported_data() {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("folder") << false;
        QTest::newRow("pipe") << true;
    }
    void unusableSettingsStoreIsReported() {
        QFETCH(bool, pipe);
        QtPlatform platform(kOrganization, kApplication);
        if (pipe) {
            QVERIFY(QDir().mkpath(QFileInfo(SettingsFilePath()).path()));
            QCOMPARE(::mkfifo(QFile::encodeName(SettingsFilePath()).constData(), 0600), 0);
        } else {
            QVERIFY(QDir().mkpath(SettingsFilePath()));
        }
        QVERIFY(!platform.WriteSetting(QStringLiteral("Key"), QStringLiteral("Value")));
        QCOMPARE(platform.ReadSetting(QStringLiteral("Key")), std::nullopt);
    }

    // A settings file of a gigabyte (sparse, as `truncate -s 1G` makes it) behind a
    // valid group is never read: the window would need twice its size in memory. It
    // stays as it is until a value is stored, which replaces it with a store of that value.
    void oversizedSettingsFileIsIgnoredUntilAValueIsStored() {
        const qint64 sizeBytes = qint64(1) << 30;
        QVERIFY(QDir().mkpath(QFileInfo(SettingsFilePath()).path()));
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nKey=kept\n");
        QVERIFY(file.resize(sizeBytes));
        file.close();
        QtPlatform platform(kOrganization, kApplication);
        QCOMPARE(platform.ReadSetting(QStringLiteral("Key")), std::nullopt);
        QCOMPARE(QFileInfo(SettingsFilePath()).size(), sizeBytes);

        QVERIFY(platform.WriteSetting(QStringLiteral("Other"), QStringLiteral("stored")));
        QVERIFY(QFileInfo(SettingsFilePath()).size() < 100);
        QCOMPARE(platform.ReadSetting(QStringLiteral("Other")), QStringLiteral("stored"));
        QCOMPARE(platform.ReadSetting(QStringLiteral("Key")), std::nullopt);
        QCOMPARE(QDir(QFileInfo(SettingsFilePath()).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{kApplication + QStringLiteral(".ini")});
    }

    void valueThatIsNotTextIsNotReturned() {
        QVERIFY(QDir().mkpath(QFileInfo(SettingsFilePath()).path()));
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nKey=one, two\n");
        file.close();
        QtPlatform platform(kOrganization, kApplication);
        QCOMPARE(platform.ReadSetting(QStringLiteral("Key")), std::nullopt);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "qt_platform_test.moc"
