#include "cli/place_command.h"

#include <chrono>
#include <ctime>
#include <optional>
#include <ostream>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/date_text.h"
#include "cli/exit_status.h"
#include "cli/message_quoting.h"
#include "places/coordinate_text.h"
#include "places/zone_at_time.h"

namespace velmora {

namespace {

// Today's date where the program runs.
std::chrono::year_month_day Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {std::chrono::year{local.tm_year + 1900},
            std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
            std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

constexpr ClockTime kNoon{std::chrono::hours{12}, std::chrono::minutes{0}};

places::LocalDateTime ClockReading(const std::chrono::year_month_day& date, const ClockTime& time) {
    return {
        .year = static_cast<int>(date.year()),
        .month = static_cast<int>(static_cast<unsigned>(date.month())),
        .day = static_cast<int>(static_cast<unsigned>(date.day())),
        .hour = static_cast<int>(time.hours.count()),
        .minute = static_cast<int>(time.minutes.count()),
    };
}

struct Candidate {
    places::PlaceMatch match;
    std::optional<places::ZoneAtTime> zone; // nothing when the gazetteer's zone is unknown here
};

void WriteText(std::ostream& out, const std::vector<Candidate>& candidates, const PlaceLabels& labels) {
    for (const Candidate& candidate : candidates) {
        const places::GazetteerPlace& place = candidate.match.place;
        out << place.name;
        if (!candidate.match.knownAs.empty()) {
            out << " (" << candidate.match.knownAs << ")";
        }
        for (const std::string& region : {place.state, place.country}) {
            if (!region.empty()) {
                out << ", " << region;
            }
        }
        out << "\n  " << places::FormatAngle(place.latitudeDeg, labels.north, labels.south) << "  "
            << places::FormatAngle(place.longitudeDeg, labels.east, labels.west) << "  " << place.timeZoneId;
        if (candidate.zone) {
            out << "  UTC" << places::FormatUtcOffset(candidate.zone->utcOffsetSeconds)
                << (candidate.zone->daylightSaving ? labels.daylightSaving : "");
            if (candidate.zone->caution) {
                out << "\n  " << labels.caution << labels.clockCautions[IndexOf(*candidate.zone->caution)];
            }
        }
        out << '\n';
    }
}

nlohmann::ordered_json CandidateJson(const Candidate& candidate, const PlaceLabels& labels) {
    const places::GazetteerPlace& place = candidate.match.place;
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
        if (candidate.zone->caution) {
            object["caution"] = labels.clockCautions[IndexOf(*candidate.zone->caution)];
        }
    }
    if (!candidate.match.knownAs.empty()) {
        object["known_as"] = candidate.match.knownAs;
    }
    return object;
}

} // namespace

int RunPlace(const PlaceOptions& options, std::ostream& out, std::ostream& errors) {
    const auto date = options.date.empty() ? Today() : ParseIsoDate(options.date);
    if (!date) {
        errors << "velmora-cli: --date: expected YYYY-MM-DD, got " << QuoteForMessage(options.date) << '\n';
        return kExitUsage;
    }
    const auto time = options.time.empty() ? kNoon : ParseClockTime(options.time);
    if (!time) {
        errors << "velmora-cli: --time: expected HH:MM, got " << QuoteForMessage(options.time) << '\n';
        return kExitUsage;
    }
    if (!time->IsTimeOfDay()) {
        errors << "velmora-cli: --time: " << QuoteForMessage(options.time)
               << " is out of range (00:00 to 23:59)\n";
        return kExitRefused;
    }
    const places::LocalDateTime when = ClockReading(*date, *time);
    // Any real zone answers for a real date of the years 1 to 9999; UTC stands in to test it.
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
            list.push_back(CandidateJson(candidate, TextsOf(options.language).placeLabels));
        }
        out << list.dump(2) << '\n';
    } else {
        WriteText(out, candidates, TextsOf(options.language).placeLabels);
    }
    if (candidates.empty()) {
        errors << "velmora-cli: no place found for " << QuoteForMessage(options.query) << '\n';
        return kExitRefused;
    }
    return 0;
}

} // namespace velmora
