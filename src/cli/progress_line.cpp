#include "cli/progress_line.h"

#include <ostream>

namespace velmora {

void ProgressLine::Update(std::uint64_t rows) {
    // The clock is read only every few thousand rows to stay off the hot path.
    if (!enabled_ || rows % 4096 != 0) {
        return;
    }
    const auto now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - lastShown_ < std::chrono::milliseconds(250)) {
        return;
    }
    errors_ << "\rvelmora-cli: " << rows << " rows" << std::flush;
    lastShown_ = now;
    shown_ = true;
}

void ProgressLine::Clear() {
    if (shown_) {
        errors_ << "\r\033[K";
        shown_ = false;
    }
}

} // namespace velmora
