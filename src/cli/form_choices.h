#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "reading/validation.h"

namespace velmora {

// A list of the birth form: the whole numbers it offers, and the words that
// refuse a value it does not offer.
struct FormList {
    int low;
    int high;
    std::string_view expected;

    constexpr bool Offers(int value) const { return value >= low && value <= high; }
};
inline constexpr FormList kYearList{1901, 2050, "expected a year from 1901 to 2050"};
inline constexpr FormList kMonthList{1, 12, "expected a month from 1 to 12"};
inline constexpr FormList kDayList{1, 31, "expected a day from 1 to 31"};
inline constexpr FormList kHourList{0, 23, "expected an hour from 0 to 23"};
inline constexpr FormList kMinuteList{0, 59, "expected a minute from 0 to 59"};

// A date written YYYY-MM-DD that is a real one in the years served; nothing otherwise.
std::optional<std::chrono::year_month_day> ServedDate(std::string_view text);

// A choice of two in the birth form, as a text names it.
struct FormChoice {
    std::string_view yes;
    std::string_view no;
    std::string_view expected;
};
inline constexpr FormChoice kDaylightSavingChoice{"1", "0", "expected 0 or 1"};
inline constexpr FormChoice kEastChoice{"E", "W", "expected E or W"};
inline constexpr FormChoice kSouthChoice{"S", "N", "expected N or S"};

// The value of `list` that `text` writes in decimal digits, spaces around them
// aside; nothing for any other text.
std::optional<int> ListValue(const FormList& list, std::string_view text);

// The choice `text` names, spaces around it aside: true for `choice.yes`.
std::optional<bool> Chosen(const FormChoice& choice, std::string_view text);

// "expected a year from 1901 to 2050, got "1900"": the refusal of a value typed as `typed`.
std::string Refusal(std::string_view expected, std::string_view typed);

// The text of the typed field `field` in `fields`; empty for FormField::None.
std::string_view FieldText(const BirthFormFields& fields, FormField field);

// The form's refusal in words. A value that was given is named by `typed`, the
// text it was given as, so that it can be found and mended.
std::string FormRefusal(const ValidationFailure& failure, std::string_view typed);

} // namespace velmora
