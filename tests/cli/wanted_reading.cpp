#include "wanted_reading.h"

#include <sstream>

#include <gtest/gtest.h>

#include "cli/csv_reader.h"
#include "support/example_births.h"
#include "texts/localized.h"

namespace velmora::testing {

WantedReading WantedOf(const ReadingResults& results) {
    const LocalizedReading shown = Localize(results, Language::English);
    const ReadingLines& lines = shown.lines;
    return {std::string(lines.star),
            std::string(lines.fortnight),
            std::string(lines.bird),
            std::string(lines.rulingDaysDay),
            std::string(lines.rulingDaysNight),
            std::string(lines.deathDays),
            std::string(shown.texts.description),
            std::string(shown.texts.pakshiDescription)};
}

std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
    std::istringstream stream(text);
    CsvReader reader(stream);
    CsvRecord record;
    std::vector<std::vector<std::string>> rows;
    while (reader.Next(record) == CsvResult::Record) {
        rows.push_back(record.fields);
    }
    return rows;
}

ReadingSession ExampleSession() {
    const BirthFormFields fields = Delhi1947Form();
    ReadingSession session;
    EXPECT_EQ(session.Calculate(fields), std::nullopt);
    return session;
}

} // namespace velmora::testing
