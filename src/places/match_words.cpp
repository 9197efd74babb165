#include "places/match_words.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/uscript.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace velmora::places {

namespace {

// Without the accents that any script may carry, case-folded; compatibility forms
// (ligatures, full-width letters) become their plain letters.
// Marks that belong to one script (a Tamil vowel sign, a Devanagari virama) are
// part of the word and stay.
std::string FoldWord(const icu::UnicodeString& word) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfkd = icu::Normalizer2::getNFKDInstance(status);
    if (U_FAILURE(status)) {
        return {};
    }
    const icu::UnicodeString decomposed = nfkd->normalize(word, status);
    if (U_FAILURE(status)) {
        return {};
    }
    icu::UnicodeString kept;
    for (int32_t i = 0; i < decomposed.length();) {
        const UChar32 c = decomposed.char32At(i);
        i = decomposed.moveIndex32(i, 1);
        UErrorCode scriptStatus = U_ZERO_ERROR;
        const bool sharedAccent =
            u_charType(c) == U_NON_SPACING_MARK && uscript_getScript(c, &scriptStatus) == USCRIPT_INHERITED;
        if (!sharedAccent) {
            kept.append(c);
        }
    }
    // Composed again, so that a word reads as it is written ("கோ", not "கெ" and "ா").
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) {
        return {};
    }
    const icu::UnicodeString composed = nfc->normalize(kept.foldCase(), status);
    if (U_FAILURE(status)) {
        return {};
    }
    std::string folded;
    composed.toUTF8String(folded);
    return folded;
}

} // namespace

struct WordSplitter::Boundaries {
    std::unique_ptr<icu::BreakIterator> words;
};

WordSplitter::WordSplitter() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> words(
        icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
    if (U_SUCCESS(status) && words != nullptr) {
        boundaries_ = std::make_unique<Boundaries>(Boundaries{.words = std::move(words)});
    }
}

WordSplitter::~WordSplitter() = default;

std::vector<std::string> WordSplitter::Words(std::string_view text) {
    std::vector<std::string> words;
    if (boundaries_ == nullptr) {
        return words;
    }
    const icu::UnicodeString unicode =
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    icu::BreakIterator& boundaries = *boundaries_->words;
    boundaries.setText(unicode);
    int32_t start = boundaries.first();
    for (int32_t end = boundaries.next(); end != icu::BreakIterator::DONE;
         start = end, end = boundaries.next()) {
        // Spaces and punctuation are the segments without a word status.
        if (boundaries.getRuleStatus() == UBRK_WORD_NONE) {
            continue;
        }
        // A compatibility form may fold to several words ("ﷺ") or to a space and an accent ("ͺ").
        const std::string folded = FoldWord(unicode.tempSubStringBetween(start, end));
        for (std::size_t from = 0; from < folded.size();) {
            const std::size_t space = std::min(folded.find(' ', from), folded.size());
            if (space > from) {
                words.push_back(folded.substr(from, space - from));
            }
            from = space + 1;
        }
    }
    return words;
}

std::vector<std::string> MatchWords(std::string_view text) {
    return WordSplitter().Words(text);
}

std::string StripCoordinateWords(std::string_view query) {
    constexpr std::string_view kSpaces = " \t\r\n";
    const auto trimmed = [&](std::string_view text) {
        const auto first = text.find_first_not_of(kSpaces);
        if (first == std::string_view::npos) {
            return std::string_view();
        }
        return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
    };
    // Drops `word` (lower case) from the end of `text`, ignoring case, where it is a whole word.
    const auto dropWord = [&](std::string_view& text, std::string_view word) {
        text = trimmed(text);
        if (text.size() < word.size()) {
            return false;
        }
        const std::size_t start = text.size() - word.size();
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(text[start + i])) != word[i]) {
                return false;
            }
        }
        if (start > 0 && std::isalnum(static_cast<unsigned char>(text[start - 1])) != 0) {
            return false;
        }
        text.remove_suffix(word.size());
        return true;
    };
    std::string_view rest = query;
    const bool appended = dropWord(rest, "longitude") && !rest.empty() &&
                          std::isspace(static_cast<unsigned char>(rest.back())) && dropWord(rest, "latitude");
    return std::string(trimmed(appended ? rest : query));
}

} // namespace velmora::places
