#include "reading/validation.h"

#include <cstdint>

#include "reading/field_conversion.h"

namespace velmora {
namespace {

constexpr char32_t kBackspace = U'\b';

} // namespace

std::variant<BirthRecord, ValidationFailure> CheckBirthForm(const BirthFormFields& fields) {
    BirthRecord record;
    record.BirthName = std::string(TrimSpaces(fields.name));
    if (record.BirthName.empty()) {
        return ValidationFailure{1, kMsgEnterName, MessageIcon::Error, FormField::Name};
    }
    // Blank fields and fields that are no number at all get the same message:
    // a reading computed from anything else would silently be wrong.
    struct NumericField {
        const std::string* text;
        bool absoluteValue;
        std::int16_t* target;
        std::string_view message;
        FormField field;
    };
    const NumericField numericFields[] = {
        {&fields.zoneHour, true, &record.ZoneHours, kMsgEnterZoneHour, FormField::ZoneHour},
        {&fields.zoneMinute, true, &record.ZoneMinutes, kMsgEnterZoneMinute, FormField::ZoneMinute},
        {&fields.longitudeDegrees, false, &record.LongitudeDegrees, kMsgEnterLongitudeDegree,
         FormField::LongitudeDegrees},
        {&fields.longitudeMinutes, false, &record.LongitudeMinutes, kMsgEnterLongitudeMinute,
         FormField::LongitudeMinutes},
        {&fields.latitudeDegrees, false, &record.LatitudeDegrees, kMsgEnterLatitudeDegree,
         FormField::LatitudeDegrees},
        {&fields.latitudeMinutes, false, &record.LatitudeMinutes, kMsgEnterLatitudeMinute,
         FormField::LatitudeMinutes},
    };
    int step = 2;
    for (const NumericField& numeric : numericFields) {
        const auto value = ConvertFieldText(*numeric.text, numeric.absoluteValue);
        if (!value) {
            return ValidationFailure{step, numeric.message, MessageIcon::Error, numeric.field};
        }
        *numeric.target = *value;
        ++step;
    }

    // Every fourth year is a leap year; over 1901..2050 that is the Gregorian rule.
    const bool leapYear = fields.year % 4 == 0;
    if (fields.monthIndex == 1) {
        const int lastDayIndex = leapYear ? 28 : 27;
        if (fields.dayIndex > lastDayIndex) {
            return ValidationFailure{8, kMsgFebruary, MessageIcon::Information, FormField::None};
        }
    }
    const bool thirtyDayMonth =
        fields.monthIndex == 3 || fields.monthIndex == 5 || fields.monthIndex == 8 || fields.monthIndex == 10;
    if (thirtyDayMonth && fields.dayIndex == 30) {
        return ValidationFailure{9, kMsgThirtyDayMonth, MessageIcon::Information, FormField::None};
    }

    record.BirthMonth = fields.monthIndex + 1;
    record.BirthDay = fields.dayIndex + 1;
    record.BirthYear = fields.year;
    record.BirthHour = fields.hour;
    record.BirthMinute = fields.minute;
    record.DaylightSaving = fields.daylightSaving;
    record.LongitudeEast = fields.longitudeEast;
    record.LatitudeSouth = fields.latitudeSouth;
    return record;
}

bool DigitsOnlyFilter(char32_t code) {
    return (code >= U'0' && code <= U'9') || code == kBackspace;
}

} // namespace velmora
