#include "app/location_search.h"

#include <QRegularExpression>
#include <QSet>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

namespace velmora {

namespace {

// Words that say what kind of region a name is, not which one.
const QSet<QString> kGenericRegionWords = {
    QStringLiteral("of"),          QStringLiteral("the"),       QStringLiteral("and"),
    QStringLiteral("region"),      QStringLiteral("province"),  QStringLiteral("state"),
    QStringLiteral("governorate"), QStringLiteral("territory"), QStringLiteral("national"),
    QStringLiteral("capital"),     QStringLiteral("district"),  QStringLiteral("county"),
    QStringLiteral("city"),        QStringLiteral("oblast"),    QStringLiteral("prefecture"),
    QStringLiteral("department"),  QStringLiteral("de"),        QStringLiteral("la"),
    QStringLiteral("del"),         QStringLiteral("do"),        QStringLiteral("da"),
};

// Short country names people type that are neither a word of the gazetteer's name nor its code.
struct CountryAlias {
    const char* typed;
    const char* code;
};
constexpr CountryAlias kCountryAliases[] = {
    {"uk", "gb"},
    {"usa", "us"},
    {"uae", "ae"},
};

bool NamesARegionWord(const QString& regionName, const QSet<QString>& words) {
    const QStringList regionWords = MatchWords(regionName);
    return std::ranges::any_of(regionWords, [&](const QString& word) {
        return !kGenericRegionWords.contains(word) && words.contains(word);
    });
}

bool NamesTheCountry(const GazetteerPlace& place, const QSet<QString>& words) {
    const QString code = place.countryCode.toLower();
    if (!code.isEmpty() && words.contains(code)) {
        return true;
    }
    for (const CountryAlias& alias : kCountryAliases) {
        if (code == QLatin1String(alias.code) && words.contains(QLatin1String(alias.typed))) {
            return true;
        }
    }
    return NamesARegionWord(place.country, words);
}

int LeadingNameWords(const QStringList& queryWords, const QString& name) {
    const QStringList nameWords = MatchWords(name);
    if (nameWords.isEmpty() || nameWords.size() > queryWords.size()) {
        return 0;
    }
    return std::equal(nameWords.begin(), nameWords.end(), queryWords.begin())
               ? static_cast<int>(nameWords.size())
               : 0;
}

QString FormatAngle(double angleDeg, QChar positive, QChar negative) {
    // Rounding the whole angle to minutes carries 59.6' into the next degree.
    const long totalMinutes = std::lround(std::abs(angleDeg) * 60.0);
    return QStringLiteral("%1°%2' %3")
        .arg(totalMinutes / 60)
        .arg(totalMinutes % 60, 2, 10, QLatin1Char('0'))
        .arg(angleDeg < 0 && totalMinutes != 0 ? negative : positive);
}

} // namespace

QString StripCoordinateWords(const QString& query) {
    static const QRegularExpression coordinateWords(QStringLiteral("\\s*\\bLatitude\\s+Longitude\\s*$"),
                                                    QRegularExpression::CaseInsensitiveOption);
    QString stripped = query;
    stripped.remove(coordinateWords);
    return stripped.trimmed();
}

QStringList MatchWords(const QString& text) {
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            folded += c.toCaseFolded();
        }
    }
    static const QRegularExpression separators(QStringLiteral("[^\\w]+|_"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    return folded.split(separators, Qt::SkipEmptyParts);
}

std::vector<PlaceMatch> RankPlaces(const QStringList& queryWords,
                                   const std::vector<GazetteerPlace>& candidates) {
    // The words after the city name the region; for a partial match, all but the first.
    // One set for each length of city name, so that a long pasted query costs
    // each of thousands of places a look-up instead of a scan.
    std::map<qsizetype, QSet<QString>> regionWords;
    std::vector<PlaceMatch> matches;
    matches.reserve(candidates.size());
    for (const GazetteerPlace& place : candidates) {
        PlaceMatch match{.place = place, .cityWords = LeadingNameWords(queryWords, place.name)};
        const qsizetype skipped = std::max(match.cityWords, 1);
        auto [found, added] = regionWords.try_emplace(skipped);
        if (added) {
            const QStringList words = queryWords.mid(skipped);
            found->second = QSet<QString>(words.begin(), words.end());
        }
        const QSet<QString>& rest = found->second;
        match.regionScore =
            (NamesARegionWord(place.state, rest) ? 1 : 0) + (NamesTheCountry(place, rest) ? 1 : 0);
        matches.push_back(std::move(match));
    }
    std::ranges::stable_sort(matches, [](const PlaceMatch& a, const PlaceMatch& b) {
        if (a.cityWords != b.cityWords) {
            return a.cityWords > b.cityWords;
        }
        if (a.regionScore != b.regionScore) {
            return a.regionScore > b.regionScore;
        }
        return a.place.population > b.place.population;
    });
    return matches;
}

std::vector<PlaceMatch> SearchPlaces(const QString& query) {
    const QStringList words = MatchWords(StripCoordinateWords(query));
    if (words.isEmpty()) {
        return {};
    }
    // The gazetteer matches word prefixes, so the first word alone finds every
    // city whose name could be a leading run of the query's words.
    return RankPlaces(words, QueryGazetteer(words.front()));
}

QString FormatLatitude(double latitudeDeg) {
    return FormatAngle(latitudeDeg, QLatin1Char('N'), QLatin1Char('S'));
}

QString FormatLongitude(double longitudeDeg) {
    return FormatAngle(longitudeDeg, QLatin1Char('E'), QLatin1Char('W'));
}

QString FormatUtcOffset(int offsetSeconds) {
    // Widened first: the magnitude of the most negative int does not fit an int.
    const qint64 magnitude = std::abs(qint64(offsetSeconds));
    QString text = QStringLiteral("%1%2:%3")
                       .arg(offsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                       .arg(magnitude / 3600)
                       .arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'));
    if (magnitude % 60 != 0) {
        text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}

ZoneOnDate ZoneOffsetOn(const QString& timeZoneId, const QDate& date) {
    const QTimeZone zone(timeZoneId.toLatin1());
    if (!zone.isValid() || !date.isValid()) {
        return {};
    }
    const QDateTime noon(date, QTime(12, 0), zone);
    return {
        .valid = true,
        .offsetSeconds = zone.offsetFromUtc(noon),
        .standardOffsetSeconds = zone.standardTimeOffset(noon),
        .daylightSaving = zone.isDaylightTime(noon),
    };
}

} // namespace velmora
