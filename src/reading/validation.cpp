#include "reading/validation.h"

#include <cstdint>
#include <iterator>

#include "reading/field_conversion.h"

namespace velmora {
namespace {

constexpr char32_t kBackspace = U'\b';

// The clocks of the world run from 12 hours behind UTC to 14 ahead.
constexpr int kMostZoneHours = 14;
constexpr int kMostHoursBehind = 12;
constexpr int kMostMinutes = 59;
constexpr int kMostLongitudeDeg = 180;
constexpr int kMostLatitudeDeg = 90;
constexpr std::string_view kZoneRange = "-12:00 to +14:00";
constexpr std::string_view kMinuteRange = "0 to 59";
constexpr std::string_view kLongitudeRange = "0 to 180 degrees, 180 only with 0 minutes";
constexpr std::string_view kLatitudeRange = "0 to 90 degrees, 90 only with 0 minutes";

int WholeMinutes(int whole, int minutes) {
    return whole * 60 + minutes;
}

} // namespace

std::variant<BirthRecord, ValidationFailure> CheckBirthForm(const BirthFormFields& fields) {
    BirthRecord record;
    record.BirthName = std::string(TrimSpaces(fields.name));
    if (record.BirthName.empty()) {
        return ValidationFailure{
            1, CheckMessage::EnterName, MessageIcon::Error, FormField::Name, FieldProblem::Missing, {}};
    }
    // Blank fields, fields that are no number at all and values no place has
    // get the field's message: a reading computed from them would be wrong.
    struct NumericField {
        const std::string* text;
        bool absoluteValue;
        std::int16_t* target;
        int most;
        std::string_view allowed;
        CheckMessage message;
        FormField field;
    };
    const NumericField numericFields[] = {
        {&fields.zoneHour, true, &record.ZoneHours, kMostZoneHours, kZoneRange, CheckMessage::EnterZoneHour,
         FormField::ZoneHour},
        {&fields.zoneMinute, true, &record.ZoneMinutes, kMostMinutes, kMinuteRange,
         CheckMessage::EnterZoneMinute, FormField::ZoneMinute},
        {&fields.longitudeDegrees, false, &record.LongitudeDegrees, kMostLongitudeDeg, kLongitudeRange,
         CheckMessage::EnterLongitudeDegree, FormField::LongitudeDegrees},
        {&fields.longitudeMinutes, false, &record.LongitudeMinutes, kMostMinutes, kMinuteRange,
         CheckMessage::EnterLongitudeMinute, FormField::LongitudeMinutes},
        {&fields.latitudeDegrees, false, &record.LatitudeDegrees, kMostLatitudeDeg, kLatitudeRange,
         CheckMessage::EnterLatitudeDegree, FormField::LatitudeDegrees},
        {&fields.latitudeMinutes, false, &record.LatitudeMinutes, kMostMinutes, kMinuteRange,
         CheckMessage::EnterLatitudeMinute, FormField::LatitudeMinutes},
    };
    const std::string_view zoneText = TrimSpaces(fields.zoneHour);
    if (!zoneText.empty() && (zoneText.front() == '+' || zoneText.front() == '-')) {
        record.TypedZoneSign = zoneText.front() == '+' ? ZoneSign::Ahead : ZoneSign::Behind;
    }
    const auto refuse = [](const NumericField& at, FieldProblem problem, int step) {
        return ValidationFailure{step, at.message, MessageIcon::Error, at.field, problem, at.allowed};
    };
    constexpr int kFirstStep = 2;
    for (std::size_t i = 0; i < std::size(numericFields); ++i) {
        const NumericField& numeric = numericFields[i];
        const int step = kFirstStep + static_cast<int>(i);
        const auto value = ConvertFieldText(*numeric.text, numeric.absoluteValue);
        if (!value) {
            const FieldProblem problem = TrimSpaces(*numeric.text).empty() ? FieldProblem::Missing
                                         : IsFieldNumber(*numeric.text)    ? FieldProblem::OutOfRange
                                                                           : FieldProblem::NotANumber;
            return refuse(numeric, problem, step);
        }
        if (*value < 0 || *value > numeric.most) {
            return refuse(numeric, FieldProblem::OutOfRange, step);
        }
        *numeric.target = *value;
        // Odd rows are the minutes of the row before: the pair may not pass the
        // whole part's most, and the fault is the whole part's.
        const int mostOfPair =
            numeric.target == &record.ZoneMinutes && record.TypedZoneSign == ZoneSign::Behind
                ? kMostHoursBehind
                : numericFields[i - i % 2].most;
        if (i % 2 == 1 && WholeMinutes(*numericFields[i - 1].target, *value) > mostOfPair * 60) {
            return refuse(numericFields[i - 1], FieldProblem::OutOfRange, step - 1);
        }
    }
    // Without a sign, a place not east of Greenwich keeps a clock behind UTC.
    const bool eastOfGreenwich =
        fields.longitudeEast && (record.LongitudeDegrees != 0 || record.LongitudeMinutes != 0);
    if (record.TypedZoneSign == ZoneSign::Unsigned && !eastOfGreenwich &&
        WholeMinutes(record.ZoneHours, record.ZoneMinutes) > kMostHoursBehind * 60) {
        return refuse(numericFields[0], FieldProblem::OutOfRange, kFirstStep);
    }

    // Every fourth year is a leap year; over 1901..2050 that is the Gregorian rule.
    const bool leapYear = fields.year % 4 == 0;
    if (fields.monthIndex == 1) {
        const int lastDayIndex = leapYear ? 28 : 27;
        if (fields.dayIndex > lastDayIndex) {
            return ValidationFailure{8,
                                     CheckMessage::NoSuchDayInFebruary,
                                     MessageIcon::Information,
                                     FormField::None,
                                     FieldProblem::NoSuchDate,
                                     {}};
        }
    }
    const bool thirtyDayMonth =
        fields.monthIndex == 3 || fields.monthIndex == 5 || fields.monthIndex == 8 || fields.monthIndex == 10;
    if (thirtyDayMonth && fields.dayIndex == 30) {
        return ValidationFailure{9,
                                 CheckMessage::NoSuchDayInMonth,
                                 MessageIcon::Information,
                                 FormField::None,
                                 FieldProblem::NoSuchDate,
                                 {}};
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
