#pragma once

#include <string_view>

namespace velmora {

// The bird paragraph for a dark-fortnight birth under star `starIndex` (0 = Ashwini
// .. 26 = Revati, the positions of StarNames); empty outside that range. Bright-fortnight
// births keep PakshiDescriptionTable.
std::string_view DarkFortnightBirdParagraph(int starIndex);

} // namespace velmora
