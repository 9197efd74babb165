#include "ephemeris/birth_moment.h"

#include "ephemeris/calendar.h"

namespace velmora {

BirthMoment PrepareBirthMoment(const BirthRecord& record) {
    BirthMoment moment;
    moment.month = record.BirthMonth;
    moment.day = record.BirthDay;
    moment.year = record.BirthYear;
    moment.clockHours = record.BirthHour + record.BirthMinute / 60.0;
    moment.zoneHours = record.ZoneHours + record.ZoneMinutes / 60.0;
    moment.longitudeDegWest = record.LongitudeDegrees + record.LongitudeMinutes / 60.0;
    if (record.LongitudeEast) {
        moment.longitudeDegWest = -moment.longitudeDegWest;
    }
    moment.dayNumberNoon = DayNumber(moment.month, moment.day, moment.year);
    if (record.TypedZoneSign != ZoneSign::Unsigned) {
        // A signed zone says itself which way the clock differs from UTC, and
        // summer time puts the clock one hour further ahead.
        const double aheadHours =
            record.TypedZoneSign == ZoneSign::Ahead ? moment.zoneHours : -moment.zoneHours;
        moment.zoneHours = aheadHours + (record.DaylightSaving ? 1.0 : 0.0);
        moment.universalHoursUT = moment.clockHours - moment.zoneHours;
    } else {
        // The zone carries no sign: a place east of Greenwich keeps a clock ahead
        // of universal time, so summer time there adds an hour and elsewhere takes one off.
        if (record.DaylightSaving) {
            if (moment.longitudeDegWest < 0.0) {
                moment.zoneHours += 1.0;
            } else {
                moment.zoneHours -= 1.0;
            }
        }
        if (moment.longitudeDegWest < 0.0) {
            moment.universalHoursUT = moment.clockHours - moment.zoneHours;
        } else {
            moment.universalHoursUT = moment.clockHours + moment.zoneHours;
        }
    }
    moment.julianCenturiesUT =
        ((moment.dayNumberNoon - kJ2000JulianDate) + moment.universalHoursUT / 24.0 - 0.5) /
        kDaysPerJulianCentury;
    return moment;
}

} // namespace velmora
