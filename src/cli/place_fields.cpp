#include "cli/place_fields.h"

#include <chrono>
#include <optional>

#include "places/form_values.h"
#include "places/zone_at_time.h"

namespace velmora {

bool FillPlaceFields(BirthFormFields& fields, std::string_view query, const places::Gazetteer& gazetteer) {
    const std::chrono::year_month_day date{std::chrono::year{fields.year},
                                           std::chrono::month{static_cast<unsigned>(fields.monthIndex + 1)},
                                           std::chrono::day{static_cast<unsigned>(fields.dayIndex + 1)}};
    places::PlaceFormValues values = places::FormValuesFor(places::GazetteerPlace{}, places::ZoneAtTime{});
    if (date.ok()) {
        const places::LocalDateTime when{fields.year, fields.monthIndex + 1, fields.dayIndex + 1, fields.hour,
                                         fields.minute};
        const std::optional<places::PlaceAtTime> found = places::FindPlaceAt(gazetteer, query, when);
        if (!found) {
            return false;
        }
        values = places::FormValuesFor(found->match.place, found->zone);
    }
    static_cast<PlaceFields&>(fields) = values;
    return true;
}

} // namespace velmora
