#pragma once

#include <iosfwd>
#include <string>

#include "cli/bird_options.h"
#include "cli/day_place_options.h"
#include "texts/language_texts.h"

namespace velmora {

// The options of `velmora-cli schedule`, as typed.
struct ScheduleOptions {
    BirdOptions bird;
    DayPlaceOptions place;
    std::string day; // YYYY-MM-DD; empty for today at the place
    int days = 1;
    bool json = false;
    bool csv = false;
    Language language = Language::English; // of the text; JSON and CSV stay English
};

// Computes and prints the day frames asked for. Returns the exit status.
int RunSchedule(const ScheduleOptions& options, std::ostream& out, std::ostream& errors);

} // namespace velmora
