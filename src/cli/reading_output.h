#pragma once

#include <iosfwd>

#include <nlohmann/json.hpp>

#include "model/reading_results.h"
#include "reading/birth_time_margins.h"
#include "texts/localized.h"

namespace velmora {

struct OutputOptions {
    bool json = false;
    bool full = false; // also the star's and the bird's paragraphs
    // Names, days, paragraphs and the text's labels; JSON keys stay English.
    Language language = Language::English;
};

// The reading as labelled lines, as the result tabs show it.
void WriteReadingText(std::ostream& out, const ReadingResults& results, const OutputOptions& options);

// The same values as one object, keyed like the batch output's columns.
nlohmann::ordered_json ReadingJson(const ReadingResults& results, const OutputOptions& options);

// Text or JSON, as `options` ask, ending in a line break; with the birth-time
// margins when `margins` is given.
void WriteReading(std::ostream& out, const ReadingResults& results, const OutputOptions& options,
                  const BirthTimeMargins* margins = nullptr);

} // namespace velmora
