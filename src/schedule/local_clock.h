#pragma once

namespace velmora {

// How a place's clocks stand to UT: the offset in force at each moment. The
// schedule asks it for each date's midnight, and front ends for the offset to
// print beside each time, so that a run of days across a change of the clocks
// shows every moment as the clocks then read.
class LocalClock {
public:
    virtual ~LocalClock() = default;

    // Local clock minus UT, in hours, daylight saving included, at the moment `julianDateUT`.
    virtual double UtcOffsetHoursAt(double julianDateUT) const = 0;
};

// Clocks a fixed offset ahead of UT: a zone and daylight saving typed in.
class FixedOffsetClock final : public LocalClock {
public:
    explicit FixedOffsetClock(double utcOffsetHours) : utcOffsetHours_(utcOffsetHours) {}

    double UtcOffsetHoursAt(double /*julianDateUT*/) const override { return utcOffsetHours_; }

private:
    double utcOffsetHours_;
};

} // namespace velmora
