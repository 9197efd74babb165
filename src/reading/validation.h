#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "model/birth_record.h"
#include "model/place_fields.h"
#include "texts/check_message.h"

namespace velmora {

// The entry form's texts and list positions, as the checks see them: the
// person and the birth time, and the place's fields.
struct BirthFormFields : PlaceFields {
    std::string name;
    int monthIndex = 0; // 0 = January
    int dayIndex = 0;   // 0 = day 1
    int year = 1901;
    int hour = 0;
    int minute = 0;
};

// Which control a failed check points at.
enum class FormField {
    None,
    Name,
    ZoneHour,
    ZoneMinute,
    LongitudeDegrees,
    LongitudeMinutes,
    LatitudeDegrees,
    LatitudeMinutes,
};

enum class MessageIcon { Information, Error };

// What is wrong with a refused number field.
enum class FieldProblem { Missing, NotANumber, OutOfRange, NoSuchDate };

struct ValidationFailure {
    int step = 0; // 1..9, the order of the checks
    CheckMessage message = CheckMessage::EnterName;
    MessageIcon icon = MessageIcon::Error;
    FormField focus = FormField::None; // None: the focus stays where it is
    FieldProblem problem = FieldProblem::Missing;
    std::string_view allowed; // for OutOfRange: the values the field takes
};

// The nine checks in order: the first failure, or the record converted from
// the fields when all pass. A zone or coordinate field that is blank, not a
// number, or a value no place on Earth has (latitude beyond 90 degrees,
// longitude beyond 180, 60 minutes or more, a negative coordinate, a zone
// beyond -12:00 .. +14:00) fails with that field's message. A zone typed with
// a sign keeps it.
std::variant<BirthRecord, ValidationFailure> CheckBirthForm(const BirthFormFields& fields);

// True for the keys the four coordinate fields accept: digits and Backspace.
bool DigitsOnlyFilter(char32_t code);

} // namespace velmora
