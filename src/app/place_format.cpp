#include "app/place_format.h"

#include <cmath>
#include <cstdlib>

namespace velmora {

namespace {

QString FormatAngle(double angleDeg, QChar positive, QChar negative) {
    // Rounding the whole angle to minutes carries 59.6' into the next degree.
    const long totalMinutes = std::lround(std::abs(angleDeg) * 60.0);
    return QStringLiteral("%1°%2' %3")
        .arg(totalMinutes / 60)
        .arg(totalMinutes % 60, 2, 10, QLatin1Char('0'))
        .arg(angleDeg < 0 && totalMinutes != 0 ? negative : positive);
}

} // namespace

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

} // namespace velmora
