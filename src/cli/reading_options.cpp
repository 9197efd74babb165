#include "cli/reading_options.h"

#include <algorithm>
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

// A part of the date or time, with what the form's list makes of it.
struct ListPart {
    const FormList& list;
    std::string_view option;
    int value;
    std::size_t digits; // as many as the shape gives the part
};

// The part as it was typed: the shape fixes its count of digits.
std::string Typed(const ListPart& part) {
    const std::string text = std::to_string(part.value);
    return std::string(part.digits - std::min(part.digits, text.size()), '0') + text;
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

    const ListPart parts[] = {
        {kYearList, "--date", static_cast<int>(date->year()), 4},
        {kMonthList, "--date", static_cast<int>(static_cast<unsigned>(date->month())), 2},
        {kDayList, "--date", static_cast<int>(static_cast<unsigned>(date->day())), 2},
        {kHourList, "--time", static_cast<int>(time->hours.count()), 2},
        {kMinuteList, "--time", static_cast<int>(time->minutes.count()), 2},
    };
    for (const ListPart& part : parts) {
        if (!part.list.Offers(part.value)) {
            return OptionRefusal{std::string(part.option) + ": " + Refusal(part.list.expected, Typed(part)),
                                 kExitRefused};
        }
    }
    BirthFormFields fields;
    fields.name = options.name;
    fields.year = parts[0].value;
    // The lists of months and days count from their first entry.
    fields.monthIndex = parts[1].value - kMonthList.low;
    fields.dayIndex = parts[2].value - kDayList.low;
    fields.hour = parts[3].value;
    fields.minute = parts[4].value;
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
