#include "cli/form_choices.h"

#include <charconv>

#include "cli/date_text.h"
#include "cli/message_quoting.h"
#include "reading/field_conversion.h"
#include "texts/language_texts.h"

namespace velmora {

std::optional<std::chrono::year_month_day> ServedDate(std::string_view text) {
    const std::optional<std::chrono::year_month_day> date = ParseIsoDate(text);
    if (!date || !date->ok() || !kYearList.Offers(static_cast<int>(date->year()))) {
        return std::nullopt;
    }
    return date;
}

std::optional<int> ListValue(const FormList& list, std::string_view text) {
    const std::string_view digits = TrimSpaces(text);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || digits.front() == '-' || error != std::errc() ||
        end != digits.data() + digits.size() || !list.Offers(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> Chosen(const FormChoice& choice, std::string_view text) {
    const std::string_view chosen = TrimSpaces(text);
    if (chosen == choice.yes) {
        return true;
    }
    if (chosen == choice.no) {
        return false;
    }
    return std::nullopt;
}

std::string Refusal(std::string_view expected, std::string_view typed) {
    return std::string(expected) + ", got " + QuoteForMessage(typed);
}

std::string_view FieldText(const BirthFormFields& fields, FormField field) {
    switch (field) {
    case FormField::Name:
        return fields.name;
    case FormField::ZoneHour:
        return fields.zoneHour;
    case FormField::ZoneMinute:
        return fields.zoneMinute;
    case FormField::LongitudeDegrees:
        return fields.longitudeDegrees;
    case FormField::LongitudeMinutes:
        return fields.longitudeMinutes;
    case FormField::LatitudeDegrees:
        return fields.latitudeDegrees;
    case FormField::LatitudeMinutes:
        return fields.latitudeMinutes;
    case FormField::None:
        break;
    }
    return {};
}

std::string FormRefusal(const ValidationFailure& failure, std::string_view typed) {
    switch (failure.problem) {
    case FieldProblem::NotANumber:
        return QuoteForMessage(typed) + " is not a number";
    case FieldProblem::OutOfRange:
        return QuoteForMessage(typed) + " is out of range (" + std::string(failure.allowed) + ")";
    case FieldProblem::Missing:
    case FieldProblem::NoSuchDate:
        break;
    }
    return std::string(CheckMessageText(failure.message, Language::English));
}

} // namespace velmora
