#include "cli/place_row.h"

#include <charconv>

#include "cli/batch.h"
#include "places/form_values.h"
#include "places/zone_at_time.h"
#include "reading/field_conversion.h"

namespace velmora {

namespace {

// The number a date or time column holds, or nothing; its range is the row's own check.
std::optional<int> Number(std::string_view text) {
    const std::string_view digits = TrimSpaces(text);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<std::vector<std::string>> RowAtPlace(const std::vector<std::string>& placeRow,
                                                   const places::Gazetteer& gazetteer) {
    std::vector<std::string> row(placeRow.begin(), placeRow.begin() + kPlaceColumn);
    const auto year = Number(placeRow[1]);
    const auto month = Number(placeRow[2]);
    const auto day = Number(placeRow[3]);
    const auto hour = Number(placeRow[4]);
    const auto minute = Number(placeRow[5]);
    const places::LocalDateTime when{year.value_or(0), month.value_or(0), day.value_or(0), hour.value_or(0),
                                     minute.value_or(0)};
    if (!year || !month || !day || !hour || !minute || !places::ZoneAt("UTC", when)) {
        // No such date or time: any place will do, since the row's own checks
        // refuse the date before a reading is made.
        row.insert(row.end(), {"+0", "00", "0", "0", "0", "E", "0", "0", "N"});
        return row;
    }
    const std::optional<places::PlaceAtTime> found =
        places::FindPlaceAt(gazetteer, placeRow[kPlaceColumn], when);
    if (!found) {
        return std::nullopt;
    }
    const places::PlaceFormValues values = places::FormValuesFor(found->match.place, found->zone);
    row.insert(row.end(), {
                              values.zoneHour,
                              values.zoneMinute,
                              values.daylightSaving ? "1" : "0",
                              values.longitudeDegrees,
                              values.longitudeMinutes,
                              values.longitudeEast ? "E" : "W",
                              values.latitudeDegrees,
                              values.latitudeMinutes,
                              values.latitudeSouth ? "S" : "N",
                          });
    static_assert(kBatchInputColumns.size() == kPlaceColumn + 9);
    return row;
}

} // namespace velmora
