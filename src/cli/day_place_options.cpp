#include "cli/day_place_options.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/exit_status.h"
#include "cli/message_quoting.h"
#include "places/coordinate_text.h"
#include "places/gazetteer.h"
#include "places/place_search.h"

namespace velmora {
namespace {

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool IsDigits(std::string_view text, std::size_t fewest, std::size_t most) {
    return text.size() >= fewest && text.size() <= most &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The forms of the values. A value without its option's form is a usage error;
// one with the form that names no real zone or place is refused.

// H or H:MM, one or two digits of hours, with or without a sign.
bool HasZoneForm(std::string_view text) {
    if (text.starts_with('+') || text.starts_with('-')) {
        text.remove_prefix(1);
    }
    const std::size_t colon = text.find(':');
    return IsDigits(text.substr(0, colon), 1, 2) &&
           (colon == std::string_view::npos || IsDigits(text.substr(colon + 1), 2, 2));
}

// Signed decimal degrees, or DEG or DEG:MIN followed by a side letter.
bool HasAngleForm(std::string_view text) {
    if (!text.empty() && IsLetter(text.back())) {
        const std::string_view body = text.substr(0, text.size() - 1);
        const std::size_t colon = body.find(':');
        return IsDigits(body.substr(0, colon), 1, 3) &&
               (colon == std::string_view::npos || IsDigits(body.substr(colon + 1), 1, 2));
    }
    // from_chars takes a minus sign but no plus.
    const bool plus = text.starts_with('+');
    if (plus) {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && !(plus && text.front() == '-') && error == std::errc() &&
           end == text.data() + text.size() && std::isfinite(value);
}

// The degrees of a value of the angle's form, when within `limitDeg` and on a named side.
std::optional<double> AngleOf(std::string_view text, char positiveSide, char negativeSide, double limitDeg) {
    double value = 0.0;
    if (IsLetter(text.back())) {
        if (text.back() != positiveSide && text.back() != negativeSide) {
            return std::nullopt;
        }
        const std::string_view body = text.substr(0, text.size() - 1);
        const std::size_t colon = body.find(':');
        const auto degrees = WholeNumber(body.substr(0, colon));
        const auto minutes =
            colon == std::string_view::npos ? std::optional<int>(0) : WholeNumber(body.substr(colon + 1));
        if (!degrees || !minutes || *minutes > 59) {
            return std::nullopt;
        }
        value = (*degrees + *minutes / 60.0) * (text.back() == negativeSide ? -1.0 : 1.0);
    } else {
        const char* begin = text.data() + (text.starts_with('+') ? 1 : 0);
        std::from_chars(begin, text.data() + text.size(), value);
    }
    if (std::abs(value) > limitDeg) {
        return std::nullopt;
    }
    return value;
}

// The hours of a value of the zone's form, when from -12:00 to +14:00.
std::optional<double> ZoneOf(std::string_view text) {
    const double sign = text.starts_with('-') ? -1.0 : 1.0;
    if (text.starts_with('+') || text.starts_with('-')) {
        text.remove_prefix(1);
    }
    const std::size_t colon = text.find(':');
    const auto hours = WholeNumber(text.substr(0, colon));
    const auto minutes =
        colon == std::string_view::npos ? std::optional<int>(0) : WholeNumber(text.substr(colon + 1));
    if (!hours || !minutes || *minutes > 59) {
        return std::nullopt;
    }
    const double zone = sign * (*hours + *minutes / 60.0);
    if (zone < -12.0 || zone > 14.0) {
        return std::nullopt;
    }
    return zone;
}

OptionRefusal Refused(std::string message) {
    return {std::move(message), kExitRefused};
}

// "Chennai, Tamil Nadu, India": the place's name and regions, as the look-up lists them.
std::string PlaceLabel(const places::GazetteerPlace& place) {
    std::string label = place.name;
    for (const std::string& region : {place.state, place.country}) {
        if (!region.empty()) {
            label += ", " + region;
        }
    }
    return label;
}

std::variant<DayPlace, OptionRefusal> LookUpPlace(const std::string& query) {
    const std::vector<places::PlaceMatch> matches = places::SearchPlaces(places::Gazetteer(), query);
    if (matches.empty()) {
        return Refused("--place: no place found for " + QuoteForMessage(query));
    }
    const places::GazetteerPlace& place = matches.front().place;
    std::optional<places::ZoneClock> clock = places::ZoneClock::Find(place.timeZoneId);
    if (!clock) {
        return Refused("--place: the time zone " + QuoteForMessage(place.timeZoneId) + " of " +
                       QuoteForMessage(place.name) + " is not in the system's time-zone database");
    }
    return DayPlace{place.latitudeDeg, place.longitudeDeg, std::move(*clock), PlaceLabel(place)};
}

} // namespace

const LocalClock& DayPlace::Clock() const {
    return std::visit([](const auto& kept) -> const LocalClock& { return kept; }, clock);
}

void AddDayPlaceOptions(CLI::App* command, DayPlaceOptions& options) {
    CLI::Option* place = command->add_option(
        "--place", options.place,
        "Place to look up, e.g. \"London, United Kingdom\": its first candidate gives the coordinates, "
        "and its time zone the offset in force at each moment");
    CLI::Option* longitude = command
                                 ->add_option("--longitude", options.longitude,
                                              "Longitude: degrees east (negative west), or e.g. 80:16E")
                                 ->allow_extra_args(false);
    CLI::Option* latitude = command
                                ->add_option("--latitude", options.latitude,
                                             "Latitude: degrees north (negative south), or e.g. 13:05N")
                                ->allow_extra_args(false);
    CLI::Option* zone =
        command->add_option("--zone", options.zone, "Standard time zone, signed H:MM, e.g. +5:30 or -8:00");
    CLI::Option* dst =
        command->add_flag("--dst", options.daylightSaving, "Daylight saving time is in force (one hour)");
    for (CLI::Option* placeGives : {longitude, latitude, zone, dst}) {
        place->excludes(placeGives);
    }
    for (CLI::Option* typed : {longitude, latitude, zone}) {
        for (CLI::Option* other : {longitude, latitude, zone}) {
            if (other != typed) {
                typed->needs(other);
            }
        }
    }
    dst->needs(zone);
}

std::variant<DayPlace, OptionRefusal> ResolveDayPlace(const DayPlaceOptions& options) {
    if (!options.place.empty()) {
        return LookUpPlace(options.place);
    }
    if (options.longitude.empty() && options.latitude.empty() && options.zone.empty()) {
        return OptionRefusal{"the place is needed: --place, or --longitude, --latitude and --zone",
                             kExitUsage};
    }
    if (!HasAngleForm(options.longitude)) {
        return OptionRefusal{
            "--longitude: expected degrees east (negative west) or DEG:MIN with E or W, got " +
                QuoteForMessage(options.longitude),
            kExitUsage};
    }
    if (!HasAngleForm(options.latitude)) {
        return OptionRefusal{
            "--latitude: expected degrees north (negative south) or DEG:MIN with N or S, got " +
                QuoteForMessage(options.latitude),
            kExitUsage};
    }
    if (!HasZoneForm(options.zone)) {
        return OptionRefusal{
            "--zone: expected a signed H:MM, as in +5:30, got " + QuoteForMessage(options.zone), kExitUsage};
    }
    const std::optional<double> longitude = AngleOf(options.longitude, 'E', 'W', 180.0);
    if (!longitude) {
        return Refused("--longitude: expected up to 180 degrees (minutes 0 to 59, side E or W), got " +
                       QuoteForMessage(options.longitude));
    }
    const std::optional<double> latitude = AngleOf(options.latitude, 'N', 'S', 90.0);
    if (!latitude) {
        return Refused("--latitude: expected up to 90 degrees (minutes 0 to 59, side N or S), got " +
                       QuoteForMessage(options.latitude));
    }
    const std::optional<double> zone = ZoneOf(options.zone);
    if (!zone) {
        return Refused("--zone: expected a signed H:MM from -12:00 to +14:00, got " +
                       QuoteForMessage(options.zone));
    }
    const double utcOffsetHours = *zone + (options.daylightSaving ? 1.0 : 0.0);
    return DayPlace{*latitude, *longitude, FixedOffsetClock(utcOffsetHours),
                    options.latitude + ", " + options.longitude + ", UTC" +
                        places::FormatUtcOffset(static_cast<int>(std::lround(utcOffsetHours * 3600.0)))};
}

} // namespace velmora
