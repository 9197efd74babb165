#pragma once

#include <QString>
#include <optional>

#include "model/birth_record.h"
#include "places/form_values.h"

namespace velmora {

class Platform;

// Where a day is reckoned: the coordinates and the place's clocks, either an IANA time zone (a
// place chosen in the look-up, whose offset follows the dates) or a fixed offset typed in.
struct DayPlace {
    QString name;                // as shown; empty for coordinates typed in
    double latitudeDeg = 0.0;    // north positive
    double longitudeDeg = 0.0;   // east positive
    QString timeZoneId;          // empty for a fixed offset
    double utcOffsetHours = 0.0; // the fixed offset; without a zone the only one

    bool operator==(const DayPlace&) const = default;
};

// The place the window shows before any other is chosen.
DayPlace DefaultDayPlace();

// The place of a look-up's choice, with its zone.
DayPlace PlaceOfLookUp(const places::PlaceFormValues& place);

// A reading's birth place, named `name`: with the zone of the place when the look-up chose it
// (`timeZoneId`, empty otherwise), so that each day keeps its own offset; else at the standard
// offset typed for the birth (its daylight saving belongs to the birth date, not to other days).
DayPlace PlaceOfBirth(const BirthRecord& record, const QString& name, const QString& timeZoneId);

// The last place used, as remembered in the settings; nothing when none is, or the stored
// values are not a place.
std::optional<DayPlace> RememberedDayPlace(Platform& platform);
void RememberDayPlace(Platform& platform, const DayPlace& place);

// Typed values: signed decimal degrees (north and east positive) within range, and a signed
// offset "+5:30", "-3", "5.75" from -12:00 to +14:00; nothing for anything else.
std::optional<double> ParseLatitude(const QString& text);
std::optional<double> ParseLongitude(const QString& text);
std::optional<double> ParseUtcOffset(const QString& text);

// Degrees as typed back: "13.0833".
QString DegreesText(double degrees);

} // namespace velmora
