// The places library's query as a user types or pastes it: any bytes at all,
// through the word splitting and the ranking against places named by the same
// input, and the zone look-up at any date and time. The gazetteer's data is left
// out: loading it for each input would leave the rest nearly unexplored.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "places/match_words.h"
#include "places/place_search.h"
#include "places/zone_at_time.h"

namespace {

// Zones with odd histories: half hours, a date-line jump, double summer time, none at all.
constexpr const char* kZones[] = {"Asia/Kolkata", "Pacific/Apia",     "Europe/London",  "Australia/Lord_Howe",
                                  "UTC",          "America/St_Johns", "Asia/Kathmandu", "Antarctica/Troll",
                                  "Not/A_Zone"};

constexpr int kMinutesPerDay = 1440;
constexpr int kSecondsPerDay = 86400;

template <class T> T Take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
    return value;
}

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

bool Ordered(const velmora::places::PlaceMatch& a, const velmora::places::PlaceMatch& b) {
    if (a.cityWords != b.cityWords) {
        return a.cityWords > b.cityWords;
    }
    if (a.regionScore != b.regionScore) {
        return a.regionScore > b.regionScore;
    }
    return a.place.population >= b.place.population;
}

// Any year from 1 to 9999, and now and then one outside, any day number and clock time.
void CheckZone(std::uint32_t day, std::uint16_t minute, std::uint8_t zone) {
    const velmora::places::LocalDateTime when{.year = static_cast<int>(day % 10100),
                                              .month = static_cast<int>(day / 10100 % 13),
                                              .day = static_cast<int>(day / 131300 % 32),
                                              .hour = minute % kMinutesPerDay / 60,
                                              .minute = minute % 61};
    const auto found = velmora::places::ZoneAt(kZones[zone % std::size(kZones)], when);
    if (found) {
        Check(std::abs(found->utcOffsetSeconds) < kSecondsPerDay);
        Check(std::abs(found->utcOffsetMinutes * 60 - found->utcOffsetSeconds) <= 30);
    }
}

} // namespace

// Layout: a day (4 bytes), a minute (2), a zone (1), then text: the query on the
// first line, one place a line after it as "name|state|country|code".
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 7) {
        return 0;
    }
    const auto day = Take<std::uint32_t>(data, size);
    const auto minute = Take<std::uint16_t>(data, size);
    const auto zone = Take<std::uint8_t>(data, size);
    CheckZone(day, minute, zone);

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }

    const std::string stripped = velmora::places::StripCoordinateWords(lines.front());
    Check(stripped.size() <= lines.front().size());
    const std::vector<std::string> words = velmora::places::MatchWords(stripped);
    for (const std::string& word : words) {
        Check(!word.empty() && word.find(' ') == std::string::npos);
    }

    std::vector<velmora::places::PlaceMatch> candidates;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::vector<std::string> fields(4);
        std::string_view rest = lines[i];
        for (std::string& field : fields) {
            const std::size_t bar = rest.find('|');
            field = rest.substr(0, bar);
            rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
        }
        velmora::places::GazetteerPlace place{.name = fields[0],
                                              .state = fields[1],
                                              .country = fields[2],
                                              .countryCode = fields[3],
                                              .timeZoneId = {},
                                              .latitudeDeg = 0,
                                              .longitudeDeg = 0,
                                              .population =
                                                  static_cast<std::uint32_t>(lines[i].size() * 1000 + i)};
        candidates.push_back({.place = std::move(place), .cityWords = 0, .regionScore = 0, .knownAs = {}});
    }
    const std::vector<velmora::places::PlaceMatch> ranked = velmora::places::RankPlaces(words, candidates);
    Check(ranked.size() == candidates.size());
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const velmora::places::PlaceMatch& match = ranked[i];
        Check(match.cityWords >= 0 && static_cast<std::size_t>(match.cityWords) <= words.size() &&
              match.regionScore >= 0 && match.regionScore <= 2);
        // A whole-name match means the place's words lead the query's.
        const std::vector<std::string> nameWords = velmora::places::MatchWords(match.place.name);
        Check(match.cityWords == 0 || (nameWords.size() == static_cast<std::size_t>(match.cityWords) &&
                                       std::equal(nameWords.begin(), nameWords.end(), words.begin())));
        Check(i == 0 || Ordered(ranked[i - 1], match));
    }
    return 0;
}
