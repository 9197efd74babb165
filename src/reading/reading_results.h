#pragma once

#include <string>

namespace velmora {

// The texts a reading leaves for the window. All start empty and keep their
// last values until overwritten; a look-up that finds nothing changes nothing.
struct ReadingResults {
    std::string MoonStarNameValue;
    std::string StarName;
    std::string PakshaName;
    std::string StarDescription;
    std::string PakshiDescription;
    std::string RulingBird;
    std::string RulingDaysDay;
    std::string RulingDaysNight;
    std::string DeathDays;
    int BirdPicture = -1; // position of RulingBird in BirdNames; -1 before any bird
};

} // namespace velmora
