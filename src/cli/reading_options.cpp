#include "cli/reading_options.h"

#include <optional>
#include <string_view>
#include <vector>

#include "cli/date_text.h"
#include "cli/exit_status.h"
#include "cli/form_choices.h"
#include "cli/message_quoting.h"

namespace velmora {
namespace {

// `text` cut at each `separator`, when there are exactly `parts` pieces.
std::optional<std::vector<std::string>> SplitInto(std::string_view text, char separator, std::size_t parts) {
    std::vector<std::string> pieces;
    for (;;) {
        const std::size_t cut = text.find(separator);
        pieces.emplace_back(text.substr(0, cut));
        if (cut == std::string_view::npos) {
            break;
        }
        text.remove_prefix(cut + 1);
    }
    if (pieces.size() != parts) {
        return std::nullopt;
    }
    return pieces;
}

// Degrees and minutes, as typed, and the side letter of "77:12E".
struct Coordinate {
    std::string degrees;
    std::string minutes;
    std::string side;
};

std::optional<Coordinate> SplitCoordinate(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const char side = text.back();
    if (!((side >= 'A' && side <= 'Z') || (side >= 'a' && side <= 'z'))) {
        return std::nullopt;
    }
    const auto parts = SplitInto(text.substr(0, text.size() - 1), ':', 2);
    if (!parts) {
        return std::nullopt;
    }
    return Coordinate{(*parts)[0], (*parts)[1], std::string(1, side)};
}

OptionRefusal ShapeRefusal(std::string_view option, std::string_view shape, std::string_view text) {
    return {std::string(option) + ": expected " + std::string(shape) + ", got " + QuoteForMessage(text),
            kExitUsage};
}

// A part of the date or time as it was typed: the shape fixes its count of digits.
std::string Typed(unsigned value, std::size_t digits) {
    std::string text = std::to_string(value);
    return std::string(digits - std::min(digits, text.size()), '0') + text;
}

// The value of the lists' part typed as `value`, or the refusal naming `option`.
std::optional<OptionRefusal> CheckList(const FormList& list, std::string_view option, unsigned value,
                                       std::size_t digits) {
    if (list.Offers(static_cast<int>(value))) {
        return std::nullopt;
    }
    return OptionRefusal{std::string(option) + ": " + Refusal(list.expected, Typed(value, digits)),
                         kExitRefused};
}

std::string_view OptionOf(FormField field, bool zoneTogether) {
    switch (field) {
    case FormField::Name:
        return "--name";
    case FormField::ZoneHour:
        return zoneTogether ? "--zone" : "--zone-hour";
    case FormField::ZoneMinute:
        return zoneTogether ? "--zone" : "--zone-minute";
    case FormField::LongitudeDegrees:
    case FormField::LongitudeMinutes:
        return "--longitude";
    case FormField::LatitudeDegrees:
    case FormField::LatitudeMinutes:
        return "--latitude";
    case FormField::None:
        break;
    }
    // Only the date checks leave the focus where it is.
    return "--date";
}

} // namespace

std::variant<BirthFormFields, OptionRefusal> FieldsFromOptions(const ReadingOptions& options) {
    const auto date = ParseIsoDate(options.date);
    if (!date) {
        return ShapeRefusal("--date", "YYYY-MM-DD", options.date);
    }
    const auto time = ParseClockTime(options.time);
    if (!time) {
        return ShapeRefusal("--time", "HH:MM", options.time);
    }
    const bool atPlace = !options.place.empty();
    std::vector<std::string> zone = {options.zoneHour, options.zoneMinute};
    std::optional<Coordinate> longitude;
    std::optional<Coordinate> latitude;
    if (!atPlace) {
        if (!options.zone.empty()) {
            const auto parts = SplitInto(options.zone, ':', 2);
            if (!parts) {
                return ShapeRefusal("--zone", "H:MM", options.zone);
            }
            zone = *parts;
        }
        longitude = SplitCoordinate(options.longitude);
        if (!longitude) {
            return ShapeRefusal("--longitude", "DEG:MIN and E or W, as in 77:12E", options.longitude);
        }
        latitude = SplitCoordinate(options.latitude);
        if (!latitude) {
            return ShapeRefusal("--latitude", "DEG:MIN and N or S, as in 28:36N", options.latitude);
        }
    }

    BirthFormFields fields;
    fields.name = options.name;
    fields.year = static_cast<int>(date->year());
    const auto month = static_cast<unsigned>(date->month());
    const auto day = static_cast<unsigned>(date->day());
    const auto hour = static_cast<unsigned>(time->hours.count());
    const auto minute = static_cast<unsigned>(time->minutes.count());
    for (const auto& refusal :
         {CheckList(kYearList, "--date", static_cast<unsigned>(fields.year), 4),
          CheckList(kMonthList, "--date", month, 2), CheckList(kDayList, "--date", day, 2),
          CheckList(kHourList, "--time", hour, 2), CheckList(kMinuteList, "--time", minute, 2)}) {
        if (refusal) {
            return *refusal;
        }
    }
    fields.monthIndex = static_cast<int>(month) - kMonthList.low;
    fields.dayIndex = static_cast<int>(day) - kDayList.low;
    fields.hour = static_cast<int>(hour);
    fields.minute = static_cast<int>(minute);
    if (atPlace) {
        return fields;
    }
    const auto east = Chosen(kEastChoice, longitude->side);
    if (!east) {
        return OptionRefusal{"--longitude: " + Refusal(kEastChoice.expected, longitude->side), kExitRefused};
    }
    const auto south = Chosen(kSouthChoice, latitude->side);
    if (!south) {
        return OptionRefusal{"--latitude: " + Refusal(kSouthChoice.expected, latitude->side), kExitRefused};
    }
    fields.zoneHour = zone[0];
    fields.zoneMinute = zone[1];
    fields.daylightSaving = options.daylightSaving;
    fields.longitudeDegrees = longitude->degrees;
    fields.longitudeMinutes = longitude->minutes;
    fields.longitudeEast = *east;
    fields.latitudeDegrees = latitude->degrees;
    fields.latitudeMinutes = latitude->minutes;
    fields.latitudeSouth = *south;
    return fields;
}

std::string OptionRefusalOf(const ValidationFailure& failure, const ReadingOptions& options,
                            const BirthFormFields& fields) {
    const bool zoneTogether = !options.zone.empty();
    const bool typedPlace = options.place.empty();
    std::string_view typed = FieldText(fields, failure.focus);
    switch (failure.focus) {
    case FormField::ZoneHour:
    case FormField::ZoneMinute:
        typed = zoneTogether ? std::string_view(options.zone) : typed;
        break;
    case FormField::LongitudeDegrees:
    case FormField::LongitudeMinutes:
        typed = typedPlace ? std::string_view(options.longitude) : typed;
        break;
    case FormField::LatitudeDegrees:
    case FormField::LatitudeMinutes:
        typed = typedPlace ? std::string_view(options.latitude) : typed;
        break;
    case FormField::Name:
    case FormField::None:
        break;
    }
    return std::string(OptionOf(failure.focus, zoneTogether)) + ": " + FormRefusal(failure, typed);
}

} // namespace velmora
