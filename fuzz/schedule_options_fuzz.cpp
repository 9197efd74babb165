// The schedule's place and bird options as anyone might type them: fields of any
// bytes, NUL between them (longitude, latitude, zone, bird, star, fortnight).
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "cli/bird_options.h"
#include "cli/day_place_options.h"
#include "cli/exit_status.h"

namespace {

bool Settled(const velmora::OptionRefusal& refusal) {
    return !refusal.message.empty() &&
           (refusal.exitStatus == velmora::kExitRefused || refusal.exitStatus == velmora::kExitUsage);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::string, 6> fields;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::string& field : fields) {
        const std::size_t end = rest.find('\0');
        field = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }

    // No --place and no --reading: neither the gazetteer nor a file is read.
    const velmora::DayPlaceOptions placeOptions{
        .longitude = fields[0], .latitude = fields[1], .zone = fields[2], .daylightSaving = size % 2 == 1};
    const auto place = velmora::ResolveDayPlace(placeOptions);
    if (const auto* found = std::get_if<velmora::DayPlace>(&place)) {
        const double offsetHours = found->Clock().UtcOffsetHoursAt(2451545.0);
        if (!(std::abs(found->latitudeDeg) <= 90.0) || !(std::abs(found->longitudeDeg) <= 180.0) ||
            !(offsetHours >= -12.0 && offsetHours <= 15.0)) {
            __builtin_trap();
        }
    } else if (!Settled(std::get<velmora::OptionRefusal>(place))) {
        __builtin_trap();
    }

    const velmora::BirdOptions birdOptions{.bird = fields[3], .star = fields[4], .paksha = fields[5]};
    const auto bird = velmora::ResolveBird(birdOptions);
    if (const auto* refusal = std::get_if<velmora::OptionRefusal>(&bird); refusal && !Settled(*refusal)) {
        __builtin_trap();
    }
    return 0;
}
