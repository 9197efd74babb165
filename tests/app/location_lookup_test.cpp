#include "app/location_lookup.h"
#include "app/location_lookup_window.h"
#include "app/location_search.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTreeWidget>

#include <limits>

using velmora::GazetteerPlace;

namespace {

const QString kChennaiQuery = QStringLiteral("Chennai Tamil Nadu India Latitude Longitude");
const QString kSite = QStringLiteral("https://velmora.example.org/");

GazetteerPlace Place(const char* name, const char* state, const char* country, const char* code,
                     quint32 population) {
    GazetteerPlace place;
    place.name = QString::fromUtf8(name);
    place.state = QString::fromUtf8(state);
    place.country = QString::fromUtf8(country);
    place.countryCode = QString::fromUtf8(code);
    place.population = population;
    return place;
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
    void coordinateWordsAreStripped_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("stripped");
        QTest::newRow("as built") << kChennaiQuery << "Chennai Tamil Nadu India";
        QTest::newRow("typed in the window") << "Chennai India"
                                             << "Chennai India";
        QTest::newRow("spaces kept from the fields") << " Pune  Maharashtra India Latitude Longitude"
                                                     << "Pune  Maharashtra India";
        QTest::newRow("only the trailing pair") << "Latitude Town Latitude Longitude"
                                                << "Latitude Town";
    }
    void coordinateWordsAreStripped() {
        QFETCH(QString, query);
        QFETCH(QString, stripped);
        QCOMPARE(velmora::StripCoordinateWords(query), stripped);
    }

    void wordsMatchWithoutCaseOrAccents() {
        QCOMPARE(velmora::MatchWords(QStringLiteral("São  PAULO")),
                 (QStringList{QStringLiteral("sao"), QStringLiteral("paulo")}));
        QCOMPARE(velmora::MatchWords(QStringLiteral("Île-de-France Region")),
                 (QStringList{QStringLiteral("ile"), QStringLiteral("de"), QStringLiteral("france"),
                              QStringLiteral("region")}));
    }

    void anglesAreRoundedToTheMinute_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::newRow("Chennai latitude") << 13.08784 << "13°05' N"
                                          << "13°05' E";
        QTest::newRow("Chennai longitude, 16.7' up") << 80.27847 << "80°17' N"
                                                     << "80°17' E";
        QTest::newRow("south and west") << -22.90642 << "22°54' S"
                                        << "22°54' W";
        QTest::newRow("59.99' carries into the degree") << 59.9999 << "60°00' N"
                                                        << "60°00' E";
        QTest::newRow("a hair south of the equator") << -0.004 << "0°00' N"
                                                     << "0°00' E";
        QTest::newRow("half a minute rounds up") << -1.0083334 << "1°01' S"
                                                 << "1°01' W";
    }
    void anglesAreRoundedToTheMinute() {
        QFETCH(double, degrees);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QTEST(velmora::FormatLatitude(degrees), "latitude");
        QTEST(velmora::FormatLongitude(degrees), "longitude");
        Q_UNUSED(latitude);
        Q_UNUSED(longitude);
    }

    void offsetsAreSignedHoursAndMinutes() {
        QCOMPARE(velmora::FormatUtcOffset(19800), QStringLiteral("+5:30"));
        QCOMPARE(velmora::FormatUtcOffset(-12600), QStringLiteral("-3:30"));
        QCOMPARE(velmora::FormatUtcOffset(0), QStringLiteral("+0:00"));
        QCOMPARE(velmora::FormatUtcOffset(46800), QStringLiteral("+13:00"));
        QCOMPARE(velmora::FormatUtcOffset(5 * 3600 + 53 * 60 + 28), QStringLiteral("+5:53:28"));
        QCOMPARE(velmora::FormatUtcOffset(std::numeric_limits<int>::min()), QStringLiteral("-596523:14:08"));
    }

    void zoneOffsetsFollowTheDate_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("standard");
        QTest::addColumn<bool>("daylight");
        QTest::newRow("India today") << "Asia/Kolkata" << QDate(2024, 6, 15) << 19800 << 19800 << false;
        QTest::newRow("India, war time") << "Asia/Kolkata" << QDate(1942, 9, 1) << 23400 << 19800 << true;
        QTest::newRow("London summer") << "Europe/London" << QDate(2024, 7, 1) << 3600 << 0 << true;
        QTest::newRow("London winter") << "Europe/London" << QDate(2024, 1, 15) << 0 << 0 << false;
        QTest::newRow("Newfoundland")
            << "America/St_Johns" << QDate(2024, 1, 15) << -12600 << -12600 << false;
    }
    void zoneOffsetsFollowTheDate() {
        QFETCH(QString, zone);
        QFETCH(QDate, date);
        const velmora::ZoneOnDate result = velmora::ZoneOffsetOn(zone, date);
        QVERIFY(result.valid);
        QTEST(result.offsetSeconds, "offset");
        QTEST(result.standardOffsetSeconds, "standard");
        QTEST(result.daylightSaving, "daylight");
    }

    void anUnknownZoneHasNoOffset() {
        QVERIFY(!velmora::ZoneOffsetOn(QStringLiteral("Nowhere/Atlantis"), QDate(2024, 1, 1)).valid);
    }

    void rankingPrefersWholeNamesThenRegionThenPopulation() {
        const std::vector<GazetteerPlace> candidates = {
            Place("Cormeilles-en-Parisis", "Île-de-France Region", "France", "FR", 21973),
            Place("Paris", "Île-de-France Region", "France", "FR", 2138551),
            Place("Paris", "Texas", "United States of America", "US", 24782),
        };
        const auto order = [&](const QString& query) {
            QStringList names;
            for (const velmora::PlaceMatch& match :
                 velmora::RankPlaces(velmora::MatchWords(query), candidates)) {
                names << match.place.name + u'/' + match.place.countryCode;
            }
            return names.join(u' ');
        };
        QCOMPARE(order(QStringLiteral("Paris Texas USA")),
                 QStringLiteral("Paris/US Paris/FR Cormeilles-en-Parisis/FR"));
        QCOMPARE(order(QStringLiteral("Paris Ile-de-France France")),
                 QStringLiteral("Paris/FR Paris/US Cormeilles-en-Parisis/FR"));
        QCOMPARE(order(QStringLiteral("Paris")),
                 QStringLiteral("Paris/FR Paris/US Cormeilles-en-Parisis/FR"));
        QCOMPARE(order(QStringLiteral("Par")), QStringLiteral("Paris/FR Paris/US Cormeilles-en-Parisis/FR"));
    }

    // The real gazetteer: the best match for each query, as the main window builds it.
    void searchFindsThePlaceFirst_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("countryCode");
        QTest::newRow("Chennai") << kChennaiQuery << "Chennai"
                                 << "Tamil Nadu"
                                 << "IN";
        QTest::newRow("two-word city, same state") << "New York New York United States Latitude Longitude"
                                                   << "New York"
                                                   << "New York"
                                                   << "US";
        QTest::newRow("three-word city") << "Rio de Janeiro Rio de Janeiro Brazil Latitude Longitude"
                                         << "Rio de Janeiro"
                                         << "Rio de Janeiro"
                                         << "BR";
        QTest::newRow("typed without accents")
            << "Sao Paulo Sao Paulo Brazil Latitude Longitude" << QString::fromUtf8("São Paulo")
            << QString::fromUtf8("São Paulo") << "BR";
        QTest::newRow("smaller namesake by state") << "Paris Texas USA Latitude Longitude"
                                                   << "Paris"
                                                   << "Texas"
                                                   << "US";
        QTest::newRow("lower case") << "new delhi delhi india Latitude Longitude"
                                    << "New Delhi"
                                    << "National Capital Territory of Delhi"
                                    << "IN";
        QTest::newRow("York by country") << "York England UK Latitude Longitude"
                                         << "York"
                                         << "England"
                                         << "GB";
    }
    void searchFindsThePlaceFirst() {
        QFETCH(QString, query);
        const std::vector<velmora::PlaceMatch> matches = velmora::SearchPlaces(query);
        QVERIFY(!matches.empty());
        QTEST(matches.front().place.name, "name");
        QTEST(matches.front().place.state, "state");
        QTEST(matches.front().place.countryCode, "countryCode");
    }

    void searchWithoutAMatchIsEmpty() {
        QVERIFY(velmora::SearchPlaces(QStringLiteral("Qwxzyv Nowhere Land Latitude Longitude")).empty());
        QVERIFY(velmora::SearchPlaces(QStringLiteral("   Latitude Longitude")).empty());
    }

    void windowShowsWhatTheFormNeeds() {
        velmora::LocationLookupWindow window(kChennaiQuery, kSite);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txtSearch"))->text(),
                 QStringLiteral("Chennai Tamil Nadu India"));
        auto* dateEdit = window.findChild<QDateEdit*>(QStringLiteral("dtpDate"));
        QCOMPARE(dateEdit->date(), QDate::currentDate());
        window.search();

        auto* list = window.findChild<QTreeWidget*>(QStringLiteral("lstPlaces"));
        QVERIFY(list->topLevelItemCount() >= 1);
        dateEdit->setDate(QDate(2024, 6, 15));
        QCOMPARE(Row(list->topLevelItem(0)),
                 (QStringList{"Chennai", "Tamil Nadu", "India", QString::fromUtf8("13°05' N"),
                              QString::fromUtf8("80°17' E"), "+5:30", "no", "Asia/Kolkata"}));
        // Another date changes the offset of the same places.
        dateEdit->setDate(QDate(1942, 9, 1));
        QCOMPARE(list->topLevelItem(0)->text(5), QStringLiteral("+6:30"));
        QCOMPARE(list->topLevelItem(0)->text(6), QStringLiteral("yes, standard +5:30"));
    }

    void windowSaysWhenNothingMatches() {
        velmora::LocationLookupWindow window(QStringLiteral("Qwxzyv Nowhere Land Latitude Longitude"), kSite);
        window.search();
        QCOMPARE(window.findChild<QTreeWidget*>(QStringLiteral("lstPlaces"))->topLevelItemCount(), 0);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblStatus"))->text(),
                 QStringLiteral("No place found"));
    }

    // Typing waits for a pause before searching; Enter searches at once.
    void typingRefinesTheSearch() {
        velmora::LocationLookupWindow window(QStringLiteral("Qwxzyv Latitude Longitude"), kSite);
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
        velmora::LocationLookup(kChennaiQuery, kSite, &mainWindow);
        QPointer<velmora::LocationLookupWindow> window =
            mainWindow.findChild<velmora::LocationLookupWindow*>();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        auto* list = window->findChild<QTreeWidget*>(QStringLiteral("lstPlaces"));
        QTRY_VERIFY(list->topLevelItemCount() > 0);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Chennai"));
        window->close();
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(LocationLookupTest)
#include "location_lookup_test.moc"
