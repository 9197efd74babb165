#include "app/location_lookup/location_lookup.h"
#include "app/location_lookup/location_lookup_loader.h"
#include "app/location_lookup/location_lookup_window.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTreeWidget>

#include <vector>

namespace {

const QString kChennaiQuery = QStringLiteral("Chennai Tamil Nadu India Latitude Longitude");
const QString kSite = QStringLiteral("https://velmora.example.org/");
const QDate kBirthDate(2024, 6, 15);
const QTime kBirthTime(6, 0);

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList Row(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int column = 0; column < item->columnCount(); ++column) {
        texts << item->text(column);
    }
    return texts;
}

} // namespace

class LocationLookupTest : public QObject {
    Q_OBJECT
private slots:
    // The compass words and the caution are those of the window's language.
    void windowShowsWhatTheFormNeeds_data() {
        QTest::addColumn<velmora::Language>("language");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("caution");
        QTest::newRow("English") << velmora::Language::English << QString::fromUtf8("13°05' N")
                                 << QString::fromUtf8("80°17' E")
                                 << QStringLiteral("Before 1955 Indian clocks");
        QTest::newRow("Tamil") << velmora::Language::Tamil << QString::fromUtf8("13°05' வடக்கு")
                               << QString::fromUtf8("80°17' கிழக்கு")
                               << QStringLiteral("1955-க்கு முன் இந்தியக் கடிகாரங்கள்");
    }
    void windowShowsWhatTheFormNeeds() {
        QFETCH(velmora::Language, language);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QFETCH(QString, caution);
        velmora::LocationLookupWindow window(kChennaiQuery, kBirthDate, kBirthTime, kSite,
                                             velmora::TextsOf(language).placeLabels);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txtSearch"))->text(),
                 QStringLiteral("Chennai Tamil Nadu India"));
        auto* dateEdit = window.findChild<QDateEdit*>(QStringLiteral("dtpDate"));
        QCOMPARE(dateEdit->date(), kBirthDate);
        QCOMPARE(window.findChild<QTimeEdit*>(QStringLiteral("dtpTime"))->time(), kBirthTime);
        window.search();

        auto* list = window.findChild<QTreeWidget*>(QStringLiteral("lstPlaces"));
        auto* lblCaution = window.findChild<QLabel*>(QStringLiteral("lblCaution"));
        QVERIFY(list->topLevelItemCount() >= 1);
        QCOMPARE(Row(list->topLevelItem(0)), (QStringList{"Chennai", "Tamil Nadu", "India", latitude,
                                                          longitude, "+5:30", "no", "Asia/Kolkata"}));
        QVERIFY(lblCaution->isHidden());
        // Another date changes the offset of the same places, and India before 1955 earns a caution.
        dateEdit->setDate(QDate(1942, 9, 1));
        QCOMPARE(list->topLevelItem(0)->text(5), QStringLiteral("+6:30"));
        QCOMPARE(list->topLevelItem(0)->text(6), QStringLiteral("yes, standard +5:30"));
        QVERIFY(!lblCaution->isHidden());
        QVERIFY(lblCaution->text().startsWith(QStringLiteral("Caution: ") + caution));
    }

    // Each way of taking a row gives the form the same values and closes the look-up.
    void usingAPlaceFillsTheFormAndCloses_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << "button";
        QTest::newRow("Enter") << "Enter";
        QTest::newRow("double-click") << "double-click";
    }
    void usingAPlaceFillsTheFormAndCloses() {
        QFETCH(QString, how);
        QWidget owner;
        auto* window = new velmora::LocationLookupWindow(QStringLiteral("London United Kingdom"),
                                                         QDate(1947, 5, 1), QTime(12, 0), kSite,
                                                         velmora::kEnglishTexts.placeLabels, &owner);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->search();
        std::vector<velmora::places::PlaceFormValues> chosen;
        connect(window, &velmora::LocationLookupWindow::placeChosen, this,
                [&](const velmora::places::PlaceFormValues& place) { chosen.push_back(place); });
        auto* list = window->findChild<QTreeWidget*>(QStringLiteral("lstPlaces"));
        if (how == QLatin1String("button")) {
            window->findChild<QPushButton*>(QStringLiteral("cmdUse"))->click();
        } else if (how == QLatin1String("Enter")) {
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Return);
        } else {
            const QRect cell = list->visualItemRect(list->topLevelItem(0));
            // An item view takes a double-click only after the press that starts it.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        }
        QCOMPARE(chosen.size(), std::size_t(1));
        const velmora::places::PlaceFormValues& place = chosen.front();
        QCOMPARE((QStringList{FromUtf8(place.city), FromUtf8(place.state), FromUtf8(place.country)}),
                 (QStringList{"London", "England", "United Kingdom"}));
        QCOMPARE((QStringList{FromUtf8(place.latitudeDegrees), FromUtf8(place.latitudeMinutes),
                              FromUtf8(place.longitudeDegrees), FromUtf8(place.longitudeMinutes)}),
                 (QStringList{"51", "31", "0", "8"}));
        QVERIFY(!place.latitudeSouth);
        QVERIFY(!place.longitudeEast);
        // Double summer time, +2:00: the standard hour with its sign, and daylight saving.
        QCOMPARE(FromUtf8(place.zoneHour), QStringLiteral("+1"));
        QCOMPARE(FromUtf8(place.zoneMinute), QStringLiteral("00"));
        QVERIFY(place.daylightSaving);
        QVERIFY(!window->isVisible());
    }

    void escapeCloses() {
        QWidget owner;
        QPointer<velmora::LocationLookupWindow> window = velmora::LocationLookup(
            kChennaiQuery, kBirthDate, kBirthTime, kSite, velmora::kEnglishTexts.placeLabels, &owner);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::keyClick(window->findChild<QLineEdit*>(QStringLiteral("txtSearch")), Qt::Key_Escape);
        QTRY_VERIFY(window.isNull());
    }

    void windowSaysWhenNothingMatches() {
        velmora::LocationLookupWindow window(QStringLiteral("Qwxzyv Nowhere Land Latitude Longitude"),
                                             kBirthDate, kBirthTime, kSite,
                                             velmora::kEnglishTexts.placeLabels);
        window.search();
        QCOMPARE(window.findChild<QTreeWidget*>(QStringLiteral("lstPlaces"))->topLevelItemCount(), 0);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblStatus"))->text(),
                 QStringLiteral("No place found"));
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("cmdUse"))->isEnabled());
    }

    // Typing waits for a pause before searching; Enter searches at once.
    void typingRefinesTheSearch() {
        velmora::LocationLookupWindow window(QStringLiteral("Qwxzyv Latitude Longitude"), kBirthDate,
                                             kBirthTime, kSite, velmora::kEnglishTexts.placeLabels);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.search();
        auto* search = window.findChild<QLineEdit*>(QStringLiteral("txtSearch"));
        auto* list = window.findChild<QTreeWidget*>(QStringLiteral("lstPlaces"));
        search->selectAll();
        QTest::keyClicks(search, QStringLiteral("Madurai"));
        QCOMPARE(list->topLevelItemCount(), 0);
        QTRY_VERIFY(list->topLevelItemCount() > 0);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Madurai"));

        search->selectAll();
        QTest::keyClicks(search, QStringLiteral("Chennai"));
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Chennai"));
    }

    void lookupReturnsAtOnceAndTheWindowGoesWhenClosed() {
        QWidget mainWindow;
        QPointer<velmora::LocationLookupWindow> window = velmora::LocationLookup(
            kChennaiQuery, kBirthDate, kBirthTime, kSite, velmora::kEnglishTexts.placeLabels, &mainWindow);
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        auto* list = window->findChild<QTreeWidget*>(QStringLiteral("lstPlaces"));
        QTRY_VERIFY(list->topLevelItemCount() > 0);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Chennai"));
        window->close();
        QTRY_VERIFY(window.isNull());
    }

    // The program's window opens the look-up from its module (see the birth form's tests); a module
    // that is missing or broken gives a message, not a crash.
    void aModuleThatDoesNotLoadIsReported() {
        const QTemporaryDir folder;
        const QString broken = folder.filePath(QStringLiteral("velmora_lookup.so"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a shared object\n");
        file.close();
        const QString prefix = QStringLiteral("The place look-up could not be opened: ");

        QString error;
        QVERIFY(velmora::LoadLocationLookup({folder.filePath(QStringLiteral("missing.so"))}, &error) ==
                nullptr);
        QCOMPARE(error, prefix + QStringLiteral("its module is not installed."));
        QVERIFY(velmora::LoadLocationLookup({broken}, &error) == nullptr);
        QVERIFY2(error.startsWith(prefix) && error.contains(broken), qPrintable(error));
        QVERIFY(velmora::LoadLocationLookup({broken, velmora::LocationLookupModuleFiles().last()}, &error));
    }
};

QTEST_MAIN(LocationLookupTest)
#include "location_lookup_test.moc"
