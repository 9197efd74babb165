#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace velmora::testing {

// Delhi, 15 August 1947 at midnight: Pushya in the dark fortnight, whose bird is the Cock.
inline const std::vector<std::string> kExampleReading = {
    "reading", "--name", "Asha",        "--date", "1947-08-15", "--time", "00:00",
    "--zone",  "5:30",   "--longitude", "77:12E", "--latitude", "28:36N"};

// The words of a batch's header row whose rows give the zone and coordinates.
inline constexpr const char* kBatchHeader =
    "name,year,month,day,hour,minute,zone_hour,zone_minute,dst,longitude_deg,"
    "longitude_min,longitude_side,latitude_deg,latitude_min,latitude_side";

inline std::vector<std::string> With(std::vector<std::string> arguments,
                                     const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// The example with one option's value replaced, or the option added.
inline std::vector<std::string> ExampleWith(const std::string& option, const std::string& value) {
    std::vector<std::string> arguments = kExampleReading;
    const auto found = std::find(arguments.begin(), arguments.end(), option);
    if (found == arguments.end()) {
        arguments.insert(arguments.end(), {option, value});
    } else {
        *(found + 1) = value;
    }
    return arguments;
}

} // namespace velmora::testing
