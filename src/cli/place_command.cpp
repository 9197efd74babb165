#include "cli/place_command.h"

#include <charconv>
#include <ctime>
#include <optional>
#include <ostream>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/batch.h"
#include "cli/reading_command.h"
#include "places/coordinate_text.h"
#include "places/zone_at_time.h"

namespace velmora {

namespace {

constexpr int kNoonHour = 12;

// The number in `text` from `start`, exactly `digits` decimal digits long.
std::optional<int> Digits(const std::string& text, std::size_t start, std::size_t digits) {
    int value = 0;
    const char* first = text.data() + start;
    const char* last = first + digits;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || *first < '0' || *first > '9') {
        return std::nullopt;
    }
    return value;
}

// Sets the date part of `when` from YYYY-MM-DD, or from today's local date when empty.
bool ParseDate(const std::string& text, places::LocalDateTime& when) {
    if (text.empty()) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        when.year = local.tm_year + 1900;
        when.month = local.tm_mon + 1;
        when.day = local.tm_mday;
        return true;
    }
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return false;
    }
    const auto year = Digits(text, 0, 4);
    const auto month = Digits(text, 5, 2);
    const auto day = Digits(text, 8, 2);
    if (!year || !month || !day) {
        return false;
    }
    when.year = *year;
    when.month = *month;
    when.day = *day;
    return true;
}

// Sets the time part of `when` from HH:MM, or noon when empty.
bool ParseTime(const std::string& text, places::LocalDateTime& when) {
    if (text.empty()) {
        when.hour = kNoonHour;
        when.minute = 0;
        return true;
    }
    if (text.size() != 5 || text[2] != ':') {
        return false;
    }
    const auto hour = Digits(text, 0, 2);
    const auto minute = Digits(text, 3, 2);
    if (!hour || !minute) {
        return false;
    }
    when.hour = *hour;
    when.minute = *minute;
    return true;
}

struct Candidate {
    places::PlaceMatch match;
    std::optional<places::ZoneAtTime> zone; // nothing when the gazetteer's zone is unknown here
};

void WriteText(std::ostream& out, const std::vector<Candidate>& candidates) {
    for (const Candidate& candidate : candidates) {
        const places::Place& place = candidate.match.place;
        out << place.name;
        if (!candidate.match.knownAs.empty()) {
            out << " (" << candidate.match.knownAs << ")";
        }
        for (const std::string& region : {place.state, place.country}) {
            if (!region.empty()) {
                out << ", " << region;
            }
        }
        out << "\n  " << places::FormatLatitude(place.latitudeDeg) << "  "
            << places::FormatLongitude(place.longitudeDeg) << "  " << place.timeZoneId;
        if (candidate.zone) {
            out << "  UTC" << places::FormatUtcOffset(candidate.zone->utcOffsetSeconds)
                << (candidate.zone->daylightSaving ? " daylight saving" : "");
            if (!candidate.zone->caution.empty()) {
                out << "\n  Caution: " << candidate.zone->caution;
            }
        }
        out << '\n';
    }
}

nlohmann::ordered_json CandidateJson(const Candidate& candidate) {
    const places::Place& place = candidate.match.place;
    nlohmann::ordered_json object = {
        {"place", place.name},
        {"state", place.state},
        {"country", place.country},
        {"country_code", place.countryCode},
        {"latitude", place.latitudeDeg},
        {"longitude", place.longitudeDeg},
        {"time_zone", place.timeZoneId},
        {"utc_offset_minutes", nullptr},
        {"dst", nullptr},
        {"caution", nullptr},
        {"known_as", nullptr},
    };
    if (candidate.zone) {
        object["utc_offset_minutes"] = candidate.zone->utcOffsetMinutes;
        object["dst"] = candidate.zone->daylightSaving;
        if (!candidate.zone->caution.empty()) {
            object["caution"] = candidate.zone->caution;
        }
    }
    if (!candidate.match.knownAs.empty()) {
        object["known_as"] = candidate.match.knownAs;
    }
    return object;
}

} // namespace

int RunPlace(const PlaceOptions& options, std::ostream& out, std::ostream& errors) {
    places::LocalDateTime when;
    if (!ParseDate(options.date, when)) {
        errors << "velmora-cli: --date: expected YYYY-MM-DD, got " << QuoteForMessage(options.date) << '\n';
        return kExitUsage;
    }
    if (!ParseTime(options.time, when)) {
        errors << "velmora-cli: --time: expected HH:MM, got " << QuoteForMessage(options.time) << '\n';
        return kExitUsage;
    }
    if (when.hour > 23 || when.minute > 59) {
        errors << "velmora-cli: --time: " << QuoteForMessage(options.time)
               << " is out of range (00:00 to 23:59)\n";
        return kExitRefused;
    }
    // Any real zone answers for a possible date; UTC stands in to test it.
    if (!places::ZoneAt("UTC", when)) {
        errors << "velmora-cli: --date: " << QuoteForMessage(options.date) << " is not a real date\n";
        return kExitRefused;
    }

    std::vector<places::PlaceMatch> matches = places::SearchPlaces(places::Gazetteer(), options.query);
    if (options.limit != 0 && matches.size() > options.limit) {
        matches.resize(options.limit);
    }
    std::vector<Candidate> candidates;
    candidates.reserve(matches.size());
    for (places::PlaceMatch& match : matches) {
        std::optional<places::ZoneAtTime> zone = places::ZoneAtPlace(match.place, when);
        candidates.push_back({.match = std::move(match), .zone = std::move(zone)});
    }

    if (options.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Candidate& candidate : candidates) {
            list.push_back(CandidateJson(candidate));
        }
        out << list.dump(2) << '\n';
    } else {
        WriteText(out, candidates);
    }
    if (candidates.empty()) {
        errors << "velmora-cli: no place found for " << QuoteForMessage(options.query) << '\n';
        return kExitRefused;
    }
    return 0;
}

} // namespace velmora
