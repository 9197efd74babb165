#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>

namespace velmora {

// "N rows" on a terminal, once the input has taken more than a moment.
class ProgressLine {
public:
    ProgressLine(std::ostream& errors, bool enabled) : errors_(errors), enabled_(enabled) {}

    // After each row; shows the count now and then.
    void Update(std::uint64_t rows);

    // Before a message, and at the end.
    void Clear();

private:
    using Clock = std::chrono::steady_clock;
    std::ostream& errors_;
    bool enabled_;
    bool shown_ = false;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastShown_{};
};

} // namespace velmora
