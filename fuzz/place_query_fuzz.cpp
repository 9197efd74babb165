// The place look-up's query as a user types or pastes it: any UTF-8 at all,
// through the word matching, the ranking against places named by the same
// input, and the formatting of coordinates and offsets. The gazetteer itself is
// left out: at about 50 ms a query it would leave the rest nearly unexplored.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include <QDate>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include "app/location_search.h"

namespace {

// Zones with odd histories: half hours, a date-line jump, double summer time, none at all.
const char* const kZones[] = {"Asia/Kolkata", "Pacific/Apia",     "Europe/London",  "Australia/Lord_Howe",
                              "UTC",          "America/St_Johns", "Asia/Kathmandu", "Antarctica/Troll"};

template <class T> T Take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
    return value;
}

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

bool Ordered(const velmora::PlaceMatch& a, const velmora::PlaceMatch& b) {
    if (a.cityWords != b.cityWords) {
        return a.cityWords > b.cityWords;
    }
    if (a.regionScore != b.regionScore) {
        return a.regionScore > b.regionScore;
    }
    return a.place.population >= b.place.population;
}

void CheckFormatting(double angle, std::int32_t offset, std::uint32_t day, std::uint8_t zone) {
    static const QRegularExpression latitude(QStringLiteral("^\\d+°\\d\\d' [NS]$"));
    static const QRegularExpression longitude(QStringLiteral("^\\d+°\\d\\d' [EW]$"));
    static const QRegularExpression utcOffset(QStringLiteral("^[+-]\\d+:\\d\\d(:\\d\\d)?$"));
    const QString lat = velmora::FormatLatitude(angle);
    const QString lon = velmora::FormatLongitude(angle);
    if (std::isfinite(angle) && std::abs(angle) <= 360) {
        Check(latitude.match(lat).hasMatch() && longitude.match(lon).hasMatch());
    }
    Check(utcOffset.match(velmora::FormatUtcOffset(offset)).hasMatch());

    // Any day the look-up's date field offers.
    const QDate first(1752, 9, 14);
    const QDate date = first.addDays(day % (first.daysTo(QDate(9999, 12, 31)) + 1));
    const velmora::ZoneOnDate onDate =
        velmora::ZoneOffsetOn(QString::fromLatin1(kZones[zone % std::size(kZones)]), date);
    Check(onDate.valid && std::abs(onDate.offsetSeconds) < 86400 &&
          std::abs(onDate.standardOffsetSeconds) < 86400);
    Check(utcOffset.match(velmora::FormatUtcOffset(onDate.offsetSeconds)).hasMatch());
}

} // namespace

// Layout: an angle (8 bytes), an offset (4), a day (4), a zone (1), then text:
// the query on the first line, one place a line after it as "name|state|country|code".
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 17) {
        return 0;
    }
    const auto angle = Take<double>(data, size);
    const auto offset = Take<std::int32_t>(data, size);
    const auto day = Take<std::uint32_t>(data, size);
    const auto zone = Take<std::uint8_t>(data, size);
    CheckFormatting(angle, offset, day, zone);

    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = text.split(u'\n');
    const QString query = lines.front();

    const QString stripped = velmora::StripCoordinateWords(query);
    Check(stripped == stripped.trimmed() && stripped.size() <= query.size());
    const QStringList words = velmora::MatchWords(stripped);
    for (const QString& word : words) {
        Check(!word.isEmpty() && std::ranges::none_of(word, [](QChar c) { return c.isSpace(); }));
    }

    std::vector<velmora::GazetteerPlace> places;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(u'|');
        places.push_back({.name = fields.value(0),
                          .state = fields.value(1),
                          .country = fields.value(2),
                          .countryCode = fields.value(3),
                          .population = quint32(lines[i].size() * 1000 + i)});
    }
    const std::vector<velmora::PlaceMatch> ranked = velmora::RankPlaces(words, places);
    Check(ranked.size() == places.size());
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const velmora::PlaceMatch& match = ranked[i];
        Check(match.cityWords >= 0 && match.cityWords <= words.size() && match.regionScore >= 0 &&
              match.regionScore <= 2);
        // A whole-name match means the place's words lead the query's.
        Check(match.cityWords == 0 || velmora::MatchWords(match.place.name) == words.first(match.cityWords));
        Check(i == 0 || Ordered(ranked[i - 1], match));
    }
    return 0;
}
