#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/exit_status.h"
#include "cli/reading_output.h"

namespace velmora {

// The options of one reading, as typed.
struct ReadingOptions {
    std::string name;
    std::string date;     // YYYY-MM-DD
    std::string time;     // HH:MM
    std::string zone;     // H:MM; empty when the two parts come separately
    std::string zoneHour; // the form's zone fields, used when `zone` is empty
    std::string zoneMinute;
    bool daylightSaving = false;
    std::string longitude; // DEG:MIN then E or W, e.g. 77:12E
    std::string latitude;  // DEG:MIN then N or S, e.g. 28:36N
    std::string place;     // a place to look up instead of the zone and coordinates, e.g. "Madrid, Spain"
};

// The options split into the texts of a batch row. Only the shape is checked
// here (the separators and the side letter's place); the values are the row's
// business. On a shape error, a message naming the option. With a place, the
// row has the columns of kBatchPlaceColumns instead.
std::variant<std::vector<std::string>, std::string> RowFromOptions(const ReadingOptions& options);

// Computes and prints one reading, with its birth-time margins when `margins`
// is set; saves it too when `savePath` is not empty. Returns the exit status.
int RunReading(const ReadingOptions& options, const OutputOptions& output, const std::string& savePath,
               std::ostream& out, std::ostream& errors, bool margins = false);

// Prints a saved reading. Returns the exit status.
int RunOpen(const std::string& path, const OutputOptions& output, std::ostream& out, std::ostream& errors);

} // namespace velmora
