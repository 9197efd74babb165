#pragma once

#include <QString>

namespace velmora {

// Degrees and whole minutes, rounded to the nearest minute: 13.0878 -> "13°05' N", 80.2785 -> "80°17' E".
QString FormatLatitude(double latitudeDeg);
QString FormatLongitude(double longitudeDeg);

// Hours and minutes east of Greenwich with an explicit sign: "+5:30", "-3:30", "+0:00";
// seconds are added only when present (old local mean times).
QString FormatUtcOffset(int offsetSeconds);

} // namespace velmora
