#include "places/place_search.h"

#include "places/match_words.h"
#include "places/place_names.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace velmora::places {

namespace {

using WordSet = std::set<std::string, std::less<>>;

// Words that say what kind of region a name is, not which one.
constexpr auto kGenericRegionWords = std::to_array<std::string_view>({
    "of",         "the",        "and",     "region",   "province", "state", "governorate",
    "territory",  "national",   "capital", "district", "county",   "city",  "oblast",
    "prefecture", "department", "de",      "la",       "del",      "do",    "da",
});
static_assert(kGenericRegionWords.size() == 21);

// Short country names people type that are neither a word of the gazetteer's name nor its code.
struct CountryAlias {
    std::string_view typed;
    std::string_view code;
};
constexpr auto kCountryAliases = std::to_array<CountryAlias>({
    {"uk", "gb"},
    {"usa", "us"},
    {"uae", "ae"},
});
static_assert(kCountryAliases.size() == 3);

bool IsGenericRegionWord(std::string_view word) {
    return std::ranges::find(kGenericRegionWords, word) != kGenericRegionWords.end();
}

bool NamesARegionWord(std::string_view regionName, const WordSet& words) {
    return std::ranges::any_of(MatchWords(regionName), [&](const std::string& word) {
        return !IsGenericRegionWord(word) && words.contains(word);
    });
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; });
    return lower;
}

bool NamesTheCountry(const Place& place, const WordSet& words) {
    const std::string code = LowerAscii(place.countryCode);
    if (!code.empty() && words.contains(code)) {
        return true;
    }
    for (const CountryAlias& alias : kCountryAliases) {
        if (code == alias.code && words.contains(alias.typed)) {
            return true;
        }
    }
    return NamesARegionWord(place.country, words);
}

// How many leading query words the whole of `name` equals; 0 when it is not a leading run.
int LeadingNameWords(const std::vector<std::string>& queryWords, std::string_view name) {
    const std::vector<std::string> nameWords = MatchWords(name);
    if (nameWords.empty() || nameWords.size() > queryWords.size()) {
        return 0;
    }
    return std::equal(nameWords.begin(), nameWords.end(), queryWords.begin())
               ? static_cast<int>(nameWords.size())
               : 0;
}

// Whether one of the words of `name` starts with `prefix`, as the gazetteer matches.
bool HasWordStartingWith(std::string_view name, std::string_view prefix) {
    return std::ranges::any_of(MatchWords(name),
                               [&](const std::string& word) { return word.starts_with(prefix); });
}

Place FromCityState(const CityState& city) {
    return {
        .name = std::string(city.name),
        .state = {},
        .country = std::string(city.country),
        .countryCode = std::string(city.countryCode),
        .timeZoneId = std::string(city.timeZoneId),
        .latitudeDeg = city.latitudeDeg,
        .longitudeDeg = city.longitudeDeg,
        .population = city.population,
    };
}

// The gazetteer's cities and the city-states one of whose name words starts with `word`.
std::vector<Place> PlacesWithWord(std::string_view word) {
    std::vector<Place> places = QueryGazetteer(word);
    for (const CityState& city : CityStates()) {
        if (HasWordStartingWith(city.name, word)) {
            places.push_back(FromCityState(city));
        }
    }
    return places;
}

bool SamePlace(const Place& a, const Place& b) {
    return a.name == b.name && a.countryCode == b.countryCode && a.latitudeDeg == b.latitudeDeg &&
           a.longitudeDeg == b.longitudeDeg;
}

// The places of PlacesWithWord, asked once per word within one search.
using PlacesByWord = std::map<std::string, std::vector<Place>, std::less<>>;

const std::vector<Place>& CachedPlacesWithWord(const std::string& word, PlacesByWord& cache) {
    auto found = cache.find(word);
    if (found == cache.end()) {
        found = cache.emplace(word, PlacesWithWord(word)).first;
    }
    return found->second;
}

// Adds the city that `other` stands for; a whole other name counts as the city's own.
void AddOtherNameMatch(const OtherName& other, int cityWords, PlacesByWord& cache,
                       std::vector<PlaceMatch>& matches) {
    const std::vector<std::string> nameWords = MatchWords(other.gazetteerName);
    if (nameWords.empty()) {
        return;
    }
    for (const Place& place : CachedPlacesWithWord(nameWords.front(), cache)) {
        if (place.name != other.gazetteerName || place.countryCode != other.countryCode) {
            continue;
        }
        const auto known = std::ranges::find_if(
            matches, [&](const PlaceMatch& match) { return SamePlace(match.place, place); });
        if (known == matches.end()) {
            matches.push_back({.place = place,
                               .cityWords = cityWords,
                               .regionScore = 0,
                               .knownAs = std::string(other.typed)});
        } else if (known->cityWords < cityWords) {
            known->cityWords = cityWords;
            known->knownAs = other.typed;
        }
    }
}

} // namespace

std::vector<PlaceMatch> RankPlaces(const std::vector<std::string>& queryWords,
                                   std::vector<PlaceMatch> candidates) {
    // The words after the city name the region; for a partial match, all but the first.
    // One set for each length of city name, so that a long pasted query costs
    // each of thousands of places a look-up instead of a scan.
    std::map<std::size_t, WordSet> regionWords;
    for (PlaceMatch& match : candidates) {
        const int ownWords = LeadingNameWords(queryWords, match.place.name);
        if (ownWords >= match.cityWords) {
            match.cityWords = ownWords;
            match.knownAs.clear();
        }
        const std::size_t skipped = std::min<std::size_t>(std::max(match.cityWords, 1), queryWords.size());
        auto [found, added] = regionWords.try_emplace(skipped);
        if (added) {
            found->second =
                WordSet(queryWords.begin() + static_cast<std::ptrdiff_t>(skipped), queryWords.end());
        }
        match.regionScore = (NamesARegionWord(match.place.state, found->second) ? 1 : 0) +
                            (NamesTheCountry(match.place, found->second) ? 1 : 0);
    }
    std::ranges::stable_sort(candidates, [](const PlaceMatch& a, const PlaceMatch& b) {
        if (a.cityWords != b.cityWords) {
            return a.cityWords > b.cityWords;
        }
        if (a.regionScore != b.regionScore) {
            return a.regionScore > b.regionScore;
        }
        return a.place.population > b.place.population;
    });
    return candidates;
}

std::vector<PlaceMatch> SearchPlaces(std::string_view query) {
    const std::vector<std::string> words = MatchWords(StripCoordinateWords(query));
    if (words.empty()) {
        return {};
    }
    // The gazetteer matches word prefixes, so the first word alone finds every
    // city whose name could be a leading run of the query's words.
    PlacesByWord cache;
    std::vector<PlaceMatch> matches;
    for (const Place& place : CachedPlacesWithWord(words.front(), cache)) {
        matches.push_back({.place = place, .cityWords = 0, .regionScore = 0, .knownAs = {}});
    }
    // Other names match as the gazetteer does: whole leading words, or a word
    // that starts with the query's first word while it is still being typed.
    for (const OtherName& other : OtherNames()) {
        const int cityWords = LeadingNameWords(words, other.typed);
        if (cityWords > 0 || HasWordStartingWith(other.typed, words.front())) {
            AddOtherNameMatch(other, cityWords, cache, matches);
        }
    }
    return RankPlaces(words, std::move(matches));
}

} // namespace velmora::places
