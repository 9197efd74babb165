#include "ephemeris/birth_moment.h"

#include "ephemeris/calendar.h"

namespace velmora {

BirthMoment PrepareBirthMoment(const BirthRecord& record) {
    BirthMoment moment;
    moment.month = record.BirthMonth;
    moment.day = record.BirthDay;
    moment.year = record.BirthYear;
    moment.clockHours = record.BirthHour + record.BirthMinute / 60.0;
    moment.longitudeDegWest = record.LongitudeDegrees + record.LongitudeMinutes / 60.0;
    if (record.LongitudeEast) {
        moment.longitudeDegWest = -moment.longitudeDegWest;
    }
    moment.dayNumberNoon = DayNumber(moment.month, moment.day, moment.year);
    // A signed zone says itself which way the clock differs from UTC; one typed
    // without a sign is ahead east of Greenwich and behind elsewhere. Summer time
    // puts the clock one hour further ahead.
    const double typedZoneHours = record.ZoneHours + record.ZoneMinutes / 60.0;
    const bool ahead = record.TypedZoneSign == ZoneSign::Unsigned ? moment.longitudeDegWest < 0.0
                                                                  : record.TypedZoneSign == ZoneSign::Ahead;
    moment.hoursAheadOfUtc = ahead ? typedZoneHours : -typedZoneHours;
    if (record.DaylightSaving) {
        moment.hoursAheadOfUtc += 1.0;
    }
    moment.universalHoursUT = moment.clockHours - moment.hoursAheadOfUtc;
    moment.julianCenturiesUT =
        ((moment.dayNumberNoon - kJ2000JulianDate) + moment.universalHoursUT / 24.0 - 0.5) /
        kDaysPerJulianCentury;
    return moment;
}

} // namespace velmora
