#pragma once

#include <cstdint>

#include "texts/localized.h"

namespace velmora {

// How `velmora-cli batch` computes and writes its rows.
struct BatchOptions {
    bool details = false;
    bool margins = false;                  // the four birth-time margins, after everything else
    bool showProgress = false;             // a progress line on `errors` for long inputs
    bool escapeControls = false;           // the output goes to a terminal
    unsigned jobs = 0;                     // threads computing rows; 0 for one per core
    Language language = Language::English; // of the values; the header stays English
    std::uint64_t part = 0;                // which part of a split input this is, from 1; 0 for all of it
};

} // namespace velmora
