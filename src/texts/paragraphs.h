#pragma once

#include <array>
#include <string_view>

#include "model/ids.h"

namespace velmora {

// One paragraph per star, in star order.
extern const std::array<std::string_view, kStarCount> StarDescriptionTable;
extern const std::array<std::string_view, kStarCount> PakshiDescriptionTable;

// Fixed paragraphs of the window.
extern const std::string_view IntroductionText;         // input panel, beside the five birds
extern const std::string_view NakshatraExplanationText; // first result tab, across the top
extern const std::string_view DeathDaysText;            // fourth result tab
extern const std::string_view RulingDaysText;           // third result tab

inline constexpr std::string_view kBrightFortnightExplanation =
    "Also known as the bright fortnight indicates the begining of a new lunar month. This period ends on a "
    "full moon day (Poornima).";
inline constexpr std::string_view kDarkFortnightExplanation =
    "Also known as the dark fortnight indicates the begining of a new lunar month. This period ends on a new "
    "moon day (Amaavasya).";

// What a lunar day is, shown with the fortnight.
inline constexpr std::string_view kLunarDayExplanation =
    "The time taken by the Moon to move 12 degrees away from the Sun. It is significant in choosing the time "
    "and date for any auspicious event.";

// The explanation shown for a fortnight.
std::string_view FortnightExplanation(Fortnight fortnight);

} // namespace velmora
