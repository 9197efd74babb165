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

bool NamesARegionWord(WordSplitter& splitter, std::string_view regionName, const WordSet& words) {
    return std::ranges::any_of(splitter.Words(regionName), [&](const std::string& word) {
        return !IsGenericRegionWord(word) && words.contains(word);
    });
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; });
    return lower;
}

bool NamesTheCountry(WordSplitter& splitter, const GazetteerPlace& place, const WordSet& words) {
    const std::string code = LowerAscii(place.countryCode);
    if (!code.empty() && words.contains(code)) {
        return true;
    }
    for (const CountryAlias& alias : kCountryAliases) {
        if (code == alias.code && words.contains(alias.typed)) {
            return true;
        }
    }
    return NamesARegionWord(splitter, place.country, words);
}

// How many leading query words the whole name equals; 0 when its words are not a leading run.
int LeadingNameWords(const std::vector<std::string>& queryWords, const std::vector<std::string>& nameWords) {
    if (nameWords.empty() || nameWords.size() > queryWords.size()) {
        return 0;
    }
    return std::equal(nameWords.begin(), nameWords.end(), queryWords.begin())
               ? static_cast<int>(nameWords.size())
               : 0;
}

bool SamePlace(const GazetteerPlace& a, const GazetteerPlace& b) {
    return a.name == b.name && a.countryCode == b.countryCode && a.latitudeDeg == b.latitudeDeg &&
           a.longitudeDeg == b.longitudeDeg;
}

// Adds the city that `other` stands for; a whole other name counts as the city's own.
void AddOtherNameMatch(const Gazetteer& gazetteer, const OtherName& other, int cityWords,
                       std::vector<PlaceMatch>& matches) {
    for (GazetteerPlace& place : gazetteer.PlacesNamed(other.gazetteerName, other.countryCode)) {
        const auto known = std::ranges::find_if(
            matches, [&](const PlaceMatch& match) { return SamePlace(match.place, place); });
        if (known == matches.end()) {
            matches.push_back({.place = std::move(place),
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
    WordSplitter splitter;
    for (PlaceMatch& match : candidates) {
        const int ownWords = LeadingNameWords(queryWords, splitter.Words(match.place.name));
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
        match.regionScore = (NamesARegionWord(splitter, match.place.state, found->second) ? 1 : 0) +
                            (NamesTheCountry(splitter, match.place, found->second) ? 1 : 0);
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

std::vector<PlaceMatch> SearchPlaces(const Gazetteer& gazetteer, std::string_view query) {
    const std::vector<std::string> words = MatchWords(StripCoordinateWords(query));
    if (words.empty()) {
        return {};
    }
    // Every city whose name could be a leading run of the query's words has a
    // name word that starts with the query's first word.
    std::vector<PlaceMatch> matches;
    for (GazetteerPlace& place : gazetteer.PlacesWithWord(words.front())) {
        matches.push_back({.place = std::move(place), .cityWords = 0, .regionScore = 0, .knownAs = {}});
    }
    // Other names match the same way: whole leading words, or a word that
    // starts with the query's first word while it is still being typed.
    WordSplitter splitter;
    for (const OtherName& other : OtherNames()) {
        const std::vector<std::string> otherWords = splitter.Words(other.typed);
        const int cityWords = LeadingNameWords(words, otherWords);
        if (cityWords > 0 || std::ranges::any_of(otherWords, [&](const std::string& word) {
                return word.starts_with(words.front());
            })) {
            AddOtherNameMatch(gazetteer, other, cityWords, matches);
        }
    }
    return RankPlaces(words, std::move(matches));
}

} // namespace velmora::places
