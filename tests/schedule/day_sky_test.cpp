#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string_view>

#include "schedule/day_sky.h"

namespace velmora {
namespace {

// Moments an hour either side of published phases of the Moon (UTC), and the almanac's answer.
TEST(DaySky, FortnightAndTithiTurnAtThePhasesOfTheMoon) {
    struct Case {
        std::string_view what;
        double julianDateUT;
        Fortnight fortnight;
        int tithi;
        std::optional<Star> star;
    };
    const std::array<Case, 6> cases = {{
        {"before the new moon of 2024-01-11 11:57", 2460320.956250, Fortnight::Dark, 30, std::nullopt},
        {"after the new moon of 2024-01-11 11:57", 2460321.039583, Fortnight::Bright, 1, std::nullopt},
        {"first quarter, 2024-01-18 03:52", 2460327.661111, Fortnight::Bright, 8, std::nullopt},
        // The full moon of Thai Poosam falls in Pushya.
        {"before the full moon of 2024-01-25 17:54", 2460335.204167, Fortnight::Bright, 15, Star::Pushya},
        {"after the full moon of 2024-01-25 17:54", 2460335.287500, Fortnight::Dark, 16, Star::Pushya},
        // Sunrise at 127.44 E, 27.83 S on 1999-09-10, half an hour before the new moon of 22:02 UTC:
        // the last of the dark fortnight, which a whole-degree rule would call bright.
        {"sunrise before the new moon of 1999-09-09 22:02", 2451431.399306, Fortnight::Dark, 30,
         std::nullopt},
    }};
    for (const Case& c : cases) {
        const DaySky sky = ComputeDaySkyAtUT(c.julianDateUT);
        EXPECT_EQ(sky.fortnight, c.fortnight) << c.what;
        EXPECT_EQ(sky.tithi, c.tithi) << c.what << ": elongation " << sky.elongationDeg;
        if (c.star) {
            EXPECT_EQ(sky.star, c.star) << c.what;
        }
    }
    const DaySky lastHours = ComputeDaySkyAtUT(2451431.399306);
    EXPECT_NEAR(lastHours.elongationDeg, 359.8, 0.1);
}

} // namespace
} // namespace velmora
