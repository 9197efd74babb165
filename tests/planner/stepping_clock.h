#pragma once

#include "schedule/local_clock.h"

namespace velmora {

// Clocks that move from one offset to another at one moment, as at a change to
// or from daylight saving.
class SteppingClock final : public LocalClock {
public:
    SteppingClock(double hoursBefore, double hoursAfter, double changeUT)
        : hoursBefore_(hoursBefore), hoursAfter_(hoursAfter), changeUT_(changeUT) {}

    double UtcOffsetHoursAt(double julianDateUT) const override {
        return julianDateUT < changeUT_ ? hoursBefore_ : hoursAfter_;
    }

    double hoursBefore() const { return hoursBefore_; }
    double hoursAfter() const { return hoursAfter_; }
    double changeUT() const { return changeUT_; }

private:
    double hoursBefore_;
    double hoursAfter_;
    double changeUT_;
};

} // namespace velmora
