#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "places/match_words.h"

namespace velmora::places {
namespace {

struct WordsCase {
    const char* text;
    std::vector<std::string> words;
};

TEST(MatchWords, KeepsEachScriptsWordsWhole) {
    const std::vector<WordsCase> cases = {
        // Tamil vowel signs and the virama (pulli) belong to the word.
        {"சென்னை, தமிழ்நாடு", {"சென்னை", "தமிழ்நாடு"}},
        {"மதுரை", {"மதுரை"}},
        {"கோலாலம்பூர் மலேசியா", {"கோலாலம்பூர்", "மலேசியா"}},
        // Devanagari matras, virama and nukta too.
        {"नई दिल्ली", {"नई", "दिल्ली"}},
        {"मुंबई, महाराष्ट्र", {"मुंबई", "महाराष्ट्र"}},
        // Latin accents go, case folds, punctuation and runs of spaces split.
        {"São  Paulo", {"sao", "paulo"}},
        {"ZÜRICH-Höngg", {"zurich", "hongg"}},
        {"Besançon (Doubs)", {"besancon", "doubs"}},
        {"Ærøskøbing", {"ærøskøbing"}},
        {"St. Gallen", {"st", "gallen"}},
        {"  ,; ", {}},
        // Compatibility forms that fold to a space and an accent, or to several words.
        {"Rhodes\xcd\xba", {"rhodes"}},
        {"\xef\xb7\xba", {"صلى", "الله", "عليه", "وسلم"}},
    };
    for (const WordsCase& c : cases) {
        EXPECT_EQ(MatchWords(c.text), c.words) << c.text;
    }
}

TEST(StripCoordinateWords, DropsOnlyTheFormsTrailingWords) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"Chennai Tamil Nadu India Latitude Longitude", "Chennai Tamil Nadu India"},
        {"  madrid spain latitude   LONGITUDE  ", "madrid spain"},
        {"Latitude Longitude", ""},
        {"Longitude", "Longitude"},
        {"Chennai XLatitude Longitude", "Chennai XLatitude Longitude"},
        {"Chennai Longitude Latitude", "Chennai Longitude Latitude"},
    };
    for (const auto& [query, stripped] : cases) {
        EXPECT_EQ(StripCoordinateWords(query), stripped) << query;
    }
}

} // namespace
} // namespace velmora::places
