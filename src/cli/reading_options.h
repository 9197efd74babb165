#pragma once

#include <string>
#include <variant>

#include "cli/option_refusal.h"
#include "reading/validation.h"

namespace velmora {

// The options of one reading, as typed.
struct ReadingOptions {
    std::string name;
    std::string date;     // YYYY-MM-DD
    std::string time;     // HH:MM
    std::string zone;     // H:MM; empty when the two parts come separately
    std::string zoneHour; // the form's zone fields, used when `zone` is empty
    std::string zoneMinute;
    bool daylightSaving = false;
    std::string longitude; // DEG:MIN then E or W, e.g. 77:12E
    std::string latitude;  // DEG:MIN then N or S, e.g. 28:36N
    std::string place;     // a place to look up instead of the zone and coordinates, e.g. "Madrid, Spain"
};

// The form's fields for the options: the date and time as the form's lists
// hold them, the zone and coordinates split into the form's typed fields and
// side choices. With a place, its fields are left for FillPlaceFields. The
// shapes are checked first (the separators and the side letter's place), then
// the values the lists and sides offer; the typed fields are left to the
// form's own checks.
std::variant<BirthFormFields, OptionRefusal> FieldsFromOptions(const ReadingOptions& options);

// The form's refusal of `fields`, made from `options`, as a message that
// begins with the option at fault. A typed value is named as it was given:
// the whole zone, longitude or latitude option of which the field is a part.
std::string OptionRefusalOf(const ValidationFailure& failure, const ReadingOptions& options,
                            const BirthFormFields& fields);

} // namespace velmora
