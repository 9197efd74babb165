#pragma once

#include <string>
#include <vector>

#include "model/reading_results.h"
#include "reading/reading_session.h"

namespace velmora::testing {

// The lines a reading shows, as owned texts.
struct WantedReading {
    std::string star, fortnight, bird, rulingDaysDay, rulingDaysNight, deathDays;
    std::string starDescription, pakshiDescription;
};

WantedReading WantedOf(const ReadingResults& results);

// The example of example_arguments.h computed here, through the same core calls the window makes.
ReadingSession ExampleSession();

// The records of a CSV text.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text);

} // namespace velmora::testing
