#include "reading/validation.h"

#include "reading/field_conversion.h"

namespace velmora {
namespace {

// A zone or coordinate field passes when it holds a number that fits the record.
bool IsUsableNumber(const std::string& text, bool absoluteValue) {
    return ConvertFieldText(text, absoluteValue).has_value();
}

} // namespace

std::optional<ValidationFailure> ValidateBirthData(const BirthFormFields& fields) {
    if (TrimSpaces(fields.name).empty()) {
        return ValidationFailure{1, kMsgEnterName, MessageIcon::Error, FormField::Name};
    }
    // Blank fields and fields that are no number at all get the same message:
    // a reading computed from anything else would silently be wrong.
    struct NumericCheck {
        const std::string* text;
        bool absoluteValue;
        std::string_view message;
        FormField field;
    };
    const NumericCheck numericChecks[] = {
        {&fields.zoneHour, true, kMsgEnterZoneHour, FormField::ZoneHour},
        {&fields.zoneMinute, true, kMsgEnterZoneMinute, FormField::ZoneMinute},
        {&fields.longitudeDegrees, false, kMsgEnterLongitudeDegree, FormField::LongitudeDegrees},
        {&fields.longitudeMinutes, false, kMsgEnterLongitudeMinute, FormField::LongitudeMinutes},
        {&fields.latitudeDegrees, false, kMsgEnterLatitudeDegree, FormField::LatitudeDegrees},
        {&fields.latitudeMinutes, false, kMsgEnterLatitudeMinute, FormField::LatitudeMinutes},
    };
    int step = 2;
    for (const NumericCheck& check : numericChecks) {
        if (!IsUsableNumber(*check.text, check.absoluteValue)) {
            return ValidationFailure{step, check.message, MessageIcon::Error, check.field};
        }
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
    return std::nullopt;
}

bool DigitsOnlyFilter(char32_t code) {
    return (code >= U'0' && code <= U'9') || code == 8;
}

void FillBirthRecord(const BirthFormFields& fields, BirthRecord& record) {
    // Each field on its own: one that does not convert keeps its previous value.
    const auto fill = [](std::int16_t& target, const std::string& text, bool absoluteValue) {
        if (const auto value = ConvertFieldText(text, absoluteValue)) {
            target = *value;
        }
    };
    record.BirthName = std::string(TrimSpaces(fields.name));
    record.BirthMonth = static_cast<std::int16_t>(fields.monthIndex + 1);
    record.BirthDay = static_cast<std::int16_t>(fields.dayIndex + 1);
    record.BirthYear = static_cast<std::int16_t>(fields.year);
    fill(record.ZoneHours, fields.zoneHour, true);
    fill(record.ZoneMinutes, fields.zoneMinute, true);
    record.BirthHour = static_cast<std::int16_t>(fields.hour);
    record.BirthMinute = static_cast<std::int16_t>(fields.minute);
    fill(record.LongitudeDegrees, fields.longitudeDegrees, false);
    fill(record.LongitudeMinutes, fields.longitudeMinutes, false);
    fill(record.LatitudeDegrees, fields.latitudeDegrees, false);
    fill(record.LatitudeMinutes, fields.latitudeMinutes, false);
    record.DaylightSaving = fields.daylightSaving ? kTrue : kFalse;
    record.LongitudeSide = fields.longitudeEast ? kTrue : kFalse;
    record.LatitudeSide = fields.latitudeSouth ? kTrue : kFalse;
}

} // namespace velmora
