// The place look-up's own part: the coordinates and offsets it shows, and the
// values it writes into the form for the same place and offset, for any angle
// and offset at all. Searching and ranking are the places library's, fuzzed by
// place_search_fuzz.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <QRegularExpression>
#include <QString>

#include "places/coordinate_text.h"
#include "places/form_values.h"

namespace {

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

} // namespace

// Layout: an angle (8 bytes), an offset in seconds (4), a daylight-saving byte (1).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 13) {
        return 0;
    }
    const auto angle = Take<double>(data, size);
    const auto offsetSeconds = Take<std::int32_t>(data, size);
    const bool daylightSaving = (Take<std::uint8_t>(data, size) & 1) != 0;

    static const QRegularExpression latitude(QStringLiteral("^(\\d+)°(\\d\\d)' ([NS])$"));
    static const QRegularExpression longitude(QStringLiteral("^(\\d+)°(\\d\\d)' ([EW])$"));
    static const QRegularExpression utcOffset(QStringLiteral("^[+-]\\d+:\\d\\d(:\\d\\d)?$"));
    Check(
        utcOffset.match(QString::fromStdString(velmora::places::FormatUtcOffset(offsetSeconds))).hasMatch());
    if (!std::isfinite(angle) || std::abs(angle) > 360) {
        return 0;
    }
    const auto shownLatitude =
        latitude.match(QString::fromStdString(velmora::places::FormatAngle(angle, "N", "S")));
    const auto shownLongitude =
        longitude.match(QString::fromStdString(velmora::places::FormatAngle(angle, "E", "W")));
    Check(shownLatitude.hasMatch() && shownLongitude.hasMatch());

    // The form gets the same degrees, minutes and sides as the list shows.
    velmora::places::GazetteerPlace place;
    place.latitudeDeg = angle;
    place.longitudeDeg = angle;
    velmora::places::ZoneAtTime zone;
    zone.utcOffsetSeconds = offsetSeconds % 86400;
    zone.utcOffsetMinutes = zone.utcOffsetSeconds / 60;
    zone.daylightSaving = daylightSaving;
    const velmora::places::PlaceFormValues form = velmora::places::FormValuesFor(place, zone);
    Check(shownLatitude.captured(1).toInt() == std::stoi(form.latitudeDegrees) &&
          shownLatitude.captured(2).toInt() == std::stoi(form.latitudeMinutes) &&
          (shownLatitude.captured(3) == QStringLiteral("S")) == form.latitudeSouth);
    Check(shownLongitude.captured(1).toInt() == std::stoi(form.longitudeDegrees) &&
          shownLongitude.captured(2).toInt() == std::stoi(form.longitudeMinutes) &&
          (shownLongitude.captured(3) == QStringLiteral("E")) == form.longitudeEast);
    // The signed standard zone and the daylight-saving hour give back the offset in force.
    const int standardMinutes =
        std::stoi(form.zoneHour) * 60 + (form.zoneHour.front() == '-' ? -1 : 1) * std::stoi(form.zoneMinute);
    Check(form.zoneHour.front() == '+' || form.zoneHour.front() == '-');
    Check(standardMinutes + (form.daylightSaving ? 60 : 0) == zone.utcOffsetMinutes);
    return 0;
}
