#pragma once

#include "app/gazetteer.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

namespace velmora {

// The query without the trailing words " Latitude Longitude" that the main window appends.
QString StripCoordinateWords(const QString& query);

// Lower-case words without accents, split at everything that is not a letter or
// digit: "São Paulo" and "sao  paulo" give the same words.
QStringList MatchWords(const QString& text);

struct PlaceMatch {
    GazetteerPlace place;
    int cityWords = 0;   // how many leading query words the place's whole name equals; 0: a partial match
    int regionScore = 0; // 0..2: whether the words after the city name the place's state, its country
};

// Orders `candidates` for the query words: whole-name matches of the most
// leading words first, then by state and country named, then by population.
std::vector<PlaceMatch> RankPlaces(const QStringList& queryWords,
                                   const std::vector<GazetteerPlace>& candidates);

// The ranked places for a query in the form "City State Country Latitude Longitude".
std::vector<PlaceMatch> SearchPlaces(const QString& query);

// Degrees and whole minutes, rounded to the nearest minute: 13.0878 -> "13°05' N", 80.2785 -> "80°17' E".
QString FormatLatitude(double latitudeDeg);
QString FormatLongitude(double longitudeDeg);

// Hours and minutes east of Greenwich with an explicit sign: "+5:30", "-3:30", "+0:00";
// seconds are added only when present (old local mean times).
QString FormatUtcOffset(int offsetSeconds);

struct ZoneOnDate {
    bool valid = false;
    int offsetSeconds = 0;         // the clock's offset at noon of the date
    int standardOffsetSeconds = 0; // the same without daylight saving
    bool daylightSaving = false;
};

// The offset that the IANA zone `timeZoneId` kept at noon local time on `date`.
ZoneOnDate ZoneOffsetOn(const QString& timeZoneId, const QDate& date);

} // namespace velmora
