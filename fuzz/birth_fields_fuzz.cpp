// The entry form's fields as a user can type or paste them, through the checks,
// the conversion and the whole computation.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "reading/reading_session.h"

namespace {

// Splits the input at '|' into the seven text fields; the first bytes choose the lists.
struct Input {
    std::string_view rest;
    std::string Next() {
        const auto bar = rest.find('|');
        std::string field(rest.substr(0, bar));
        rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 1);
        return field;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 6) {
        return 0;
    }
    velmora::BirthFormFields fields;
    fields.monthIndex = data[0] % 12;
    fields.dayIndex = data[1] % 31;
    fields.year = 1901 + (data[2] | (data[3] << 8)) % 150; // the years the form offers
    fields.hour = data[4] % 24;
    fields.minute = data[5] % 60;
    fields.daylightSaving = data[0] & 0x80;
    fields.longitudeEast = data[1] & 0x80;
    fields.latitudeSouth = data[4] & 0x80;
    Input input{std::string_view(reinterpret_cast<const char*>(data + 6), size - 6)};
    fields.name = input.Next();
    fields.zoneHour = input.Next();
    fields.zoneMinute = input.Next();
    fields.longitudeDegrees = input.Next();
    fields.longitudeMinutes = input.Next();
    fields.latitudeDegrees = input.Next();
    fields.latitudeMinutes = input.Next();

    velmora::ReadingSession session;
    if (session.Calculate(fields)) {
        return 0;
    }
    const auto& panchang = session.Panchang();
    const bool sane = std::isfinite(session.Moment().julianCenturiesUT) &&
                      session.BirthStar().star.has_value() && panchang.moonLongitudeDeg >= 0.0 &&
                      panchang.moonLongitudeDeg <= 360.0 && panchang.sunLongitudeDeg >= 0.0 &&
                      panchang.sunLongitudeDeg <= 360.0 && session.Results().bird.has_value();
    if (!sane) {
        __builtin_trap();
    }
    return 0;
}
