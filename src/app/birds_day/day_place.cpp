#include "app/birds_day/day_place.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

#include "ephemeris/birth_moment.h"
#include "platform/platform.h"

namespace velmora {

namespace {

const QString kNameKey = QStringLiteral("DayPlaceName");
const QString kLatitudeKey = QStringLiteral("DayPlaceLatitude");
const QString kLongitudeKey = QStringLiteral("DayPlaceLongitude");
const QString kZoneKey = QStringLiteral("DayPlaceTimeZone");
const QString kOffsetKey = QStringLiteral("DayPlaceUtcOffset");

constexpr double kMostLatitudeDeg = 90.0;
constexpr double kMostLongitudeDeg = 180.0;
constexpr double kMostHoursBehind = 12.0;
constexpr double kMostHoursAhead = 14.0;
constexpr qsizetype kLongestStoredText = 200;

std::optional<double> Decimal(const QString& text, double limit) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > limit) {
        return std::nullopt;
    }
    return value;
}

double DegreesOf(const std::string& degrees, const std::string& minutes, bool negative) {
    const double value =
        QString::fromStdString(degrees).toInt() + QString::fromStdString(minutes).toInt() / 60.0;
    return negative ? -value : value;
}

} // namespace

DayPlace DefaultDayPlace() {
    return {QStringLiteral("Chennai, India"), 13.0833, 80.2833, QString(), 5.5};
}

DayPlace PlaceOfLookUp(const places::PlaceFormValues& place) {
    QStringList parts;
    for (const std::string& part : {place.city, place.state, place.country}) {
        if (!part.empty()) {
            parts.append(QString::fromStdString(part));
        }
    }
    const double zoneHours = QString::fromStdString(place.zoneHour).toInt();
    const double zoneMinutes = QString::fromStdString(place.zoneMinute).toInt() / 60.0;
    const bool behind = place.zoneHour.starts_with('-');
    return {parts.join(QStringLiteral(", ")),
            DegreesOf(place.latitudeDegrees, place.latitudeMinutes, place.latitudeSouth),
            DegreesOf(place.longitudeDegrees, place.longitudeMinutes, !place.longitudeEast),
            QString::fromStdString(place.timeZoneId),
            behind ? zoneHours - zoneMinutes : zoneHours + zoneMinutes};
}

DayPlace PlaceOfBirth(const BirthRecord& record, const QString& name, const QString& timeZoneId) {
    const BirthMoment moment = PrepareBirthMoment(record);
    const double latitude = record.LatitudeDegrees + record.LatitudeMinutes / 60.0;
    return {name, record.LatitudeSouth ? -latitude : latitude, -moment.longitudeDegWest, timeZoneId,
            moment.hoursAheadOfUtc - (record.DaylightSaving ? 1.0 : 0.0)};
}

std::optional<DayPlace> RememberedDayPlace(Platform& platform) {
    const auto read = [&platform](const QString& key) {
        return platform.ReadSetting(key).value_or(QString());
    };
    const std::optional<double> latitude = ParseLatitude(read(kLatitudeKey));
    const std::optional<double> longitude = ParseLongitude(read(kLongitudeKey));
    const std::optional<double> offset = ParseUtcOffset(read(kOffsetKey));
    const QString zone = read(kZoneKey);
    static const QRegularExpression zoneForm(QStringLiteral("^[A-Za-z0-9_+\\-]+(/[A-Za-z0-9_+\\-]+)*$"));
    if (!latitude || !longitude || !offset || (!zone.isEmpty() && !zoneForm.match(zone).hasMatch())) {
        return std::nullopt;
    }
    return DayPlace{read(kNameKey).left(kLongestStoredText), *latitude, *longitude,
                    zone.left(kLongestStoredText), *offset};
}

void RememberDayPlace(Platform& platform, const DayPlace& place) {
    platform.WriteSetting(kNameKey, place.name);
    platform.WriteSetting(kLatitudeKey, DegreesText(place.latitudeDeg));
    platform.WriteSetting(kLongitudeKey, DegreesText(place.longitudeDeg));
    platform.WriteSetting(kZoneKey, place.timeZoneId);
    platform.WriteSetting(kOffsetKey, QString::number(place.utcOffsetHours, 'f', 4));
}

std::optional<double> ParseLatitude(const QString& text) {
    return Decimal(text, kMostLatitudeDeg);
}

std::optional<double> ParseLongitude(const QString& text) {
    return Decimal(text, kMostLongitudeDeg);
}

std::optional<double> ParseUtcOffset(const QString& text) {
    static const QRegularExpression hoursMinutes(QStringLiteral("^\\s*([+-]?)(\\d{1,2}):(\\d{2})\\s*$"));
    std::optional<double> hours;
    if (const QRegularExpressionMatch match = hoursMinutes.match(text); match.hasMatch()) {
        const int minutes = match.captured(3).toInt();
        if (minutes < 60) {
            const double value = match.captured(2).toInt() + minutes / 60.0;
            hours = match.captured(1) == QLatin1String("-") ? -value : value;
        }
    } else {
        hours = Decimal(text, kMostHoursAhead);
    }
    if (!hours || *hours < -kMostHoursBehind || *hours > kMostHoursAhead) {
        return std::nullopt;
    }
    return hours;
}

QString DegreesText(double degrees) {
    return QString::number(degrees, 'f', 4);
}

} // namespace velmora
