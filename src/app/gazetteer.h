#pragma once

#include <QString>

#include <vector>

namespace velmora {

// One city of the offline gazetteer.
struct GazetteerPlace {
    QString name;
    QString state;
    QString country;
    QString countryCode;     // ISO 3166 alpha-2, e.g. "IN"
    QString timeZoneId;      // IANA, e.g. "Asia/Kolkata"
    double latitudeDeg = 0;  // north positive
    double longitudeDeg = 0; // east positive
    quint32 population = 0;
};

// The cities one of whose name words starts with `word`, largest first. Takes
// about 50 ms, so callers must not run it on every keystroke.
std::vector<GazetteerPlace> QueryGazetteer(const QString& word);

} // namespace velmora
