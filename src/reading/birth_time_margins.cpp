#include "reading/birth_time_margins.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "ephemeris/birth_moment.h"
#include "ephemeris/birth_star.h"
#include "panchang/fortnight.h"
#include "reading/birth_sky.h"
#include "texts/look_ups.h"

namespace velmora {
namespace {

constexpr double kStarsPerTurn = static_cast<double>(kStarCount);

// The record's clock time as a minute on the calendar; an impossible date counts
// on into the next month, as its day number does.
std::chrono::sys_time<std::chrono::minutes> MinuteOf(const BirthRecord& record) {
    const std::chrono::year_month_day date =
        std::chrono::year{record.BirthYear} / record.BirthMonth / record.BirthDay;
    return std::chrono::sys_days{date} + std::chrono::hours{record.BirthHour} +
           std::chrono::minutes{record.BirthMinute};
}

// The form's first and last minute.
constexpr std::chrono::sys_time<std::chrono::minutes> kFirstMinute{
    std::chrono::sys_days{std::chrono::year{1901} / 1 / 1}};
constexpr std::chrono::sys_time<std::chrono::minutes> kLastMinute{
    std::chrono::sys_days{std::chrono::year{2051} / 1 / 1} - std::chrono::minutes{1}};

template <class Integer> constexpr Integer FloorDiv(Integer value, Integer divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

// `value` less `origin` brought into -180..179: whole degrees moved within a day.
constexpr int WholeDegreesFrom(int value, int origin) {
    return ((value - origin) % 360 + 540) % 360 - 180;
}

MinuteReading ReadingOf(const BirthSky& sky) {
    MinuteReading reading;
    reading.star = sky.birthStar.star;
    reading.fortnight = sky.panchang.fortnight;
    if (reading.star) {
        reading.bird = LookUpRulingBird(*reading.star, reading.fortnight);
    }
    return reading;
}

// Where the split of a bracket goes: the minute a straight line through its ends
// reaches `target`, or the middle when the ends do not straddle it.
int SplitSteps(int firstSteps, double firstProgress, int lastSteps, double lastProgress, double target) {
    int split = firstSteps + (lastSteps - firstSteps) / 2;
    if (firstProgress < target && target <= lastProgress) {
        const double fraction = (target - firstProgress) / (lastProgress - firstProgress);
        split = firstSteps + static_cast<int>(std::ceil(fraction * (lastSteps - firstSteps)));
    }
    return std::clamp(split, firstSteps + 1, lastSteps - 1);
}

// The smallest number of steps in (first, last] at which the reading changes.
// `first` is known to hold the birth's value. A bracket is dropped as soon as
// the bodies' forward motion proves nothing changes within it; the rest is split
// where the motion says the change should be, down to single minutes.
template <class Search>
std::optional<int> FirstChange(const Search& search, const typename Search::Sample& first,
                               const typename Search::Sample& last) {
    if (search.Unchanged(first, last)) {
        return std::nullopt;
    }
    if (last.steps - first.steps == 1) {
        return last.changed ? std::optional<int>(last.steps) : std::nullopt;
    }
    const auto middle = search.At(search.Split(first, last));
    if (const auto found = FirstChange(search, first, middle)) {
        return found;
    }
    return FirstChange(search, middle, last);
}

// One direction of the birth time, in whole minutes.
class Walk {
public:
    Walk(const BirthRecord& record, int direction) : record_(record), direction_(direction) {}

    BirthMoment MomentAt(int steps) const {
        // The searches never step past the form's years (see RoomFrom).
        return PrepareBirthMoment(*ShiftBirthMinutes(record_, direction_ * steps));
    }
    int Direction() const { return direction_; }

private:
    const BirthRecord& record_;
    int direction_;
};

// The star: it changes where the Moon's sidereal longitude crosses a star's edge.
class StarSearch {
public:
    struct Sample {
        int steps = 0;
        bool changed = false;
        double progress = 0.0; // star widths moved the way of the walk
    };

    StarSearch(const Walk& walk, const BirthStarValues& origin) : walk_(walk), origin_(origin) {
        const double edge = std::floor(origin.starPosition);
        target_ = walk.Direction() > 0 ? edge + 1.0 - origin.starPosition : origin.starPosition - edge;
    }

    Sample At(int steps) const {
        const BirthStarValues values = ComputeBirthStar(walk_.MomentAt(steps));
        const double moved = std::remainder(values.starPosition - origin_.starPosition, kStarsPerTurn);
        return {steps, values.star != origin_.star, moved * walk_.Direction()};
    }
    // The Moon only moves forward, by less than a turn in a day: the same star
    // at both ends is the same star throughout.
    bool Unchanged(const Sample& first, const Sample& last) const { return !first.changed && !last.changed; }
    int Split(const Sample& first, const Sample& last) const {
        return SplitSteps(first.steps, first.progress, last.steps, last.progress, target_);
    }

private:
    const Walk& walk_;
    const BirthStarValues& origin_;
    double target_ = 0.0;
};

// The fortnight: bright while the Moon's whole degrees less the Sun's, taken
// round the circle, are below 180. Both bodies only move forward, so over a
// bracket that difference stays between the Moon's least less the Sun's most
// and the Moon's most less the Sun's least.
class FortnightSearch {
public:
    struct Sample {
        int steps = 0;
        bool changed = false;
        int moonWholeDeg = 0; // counted on from the birth's, past 360 or below 0
        int sunWholeDeg = 0;
        double progress = 0.0; // degrees the Moon gained on the Sun's whole degree, the way of the walk
    };

    FortnightSearch(const Walk& walk, const PanchangValues& origin)
        : walk_(walk), origin_(origin), originMoon_(WholeDeg(origin.moonLongitudeDeg)),
          originSun_(WholeDeg(origin.sunLongitudeDeg)) {
        const double gain = origin.moonLongitudeDeg - originSun_;
        const int half = FloorDiv(originMoon_ - originSun_, 180);
        target_ = walk.Direction() > 0 ? 180.0 * (half + 1) - gain : gain - 180.0 * half;
    }

    Sample At(int steps) const {
        const PanchangValues values = ComputePanchang(walk_.MomentAt(steps));
        Sample sample;
        sample.steps = steps;
        sample.changed = values.fortnight != origin_.fortnight;
        sample.moonWholeDeg = originMoon_ + WholeDegreesFrom(WholeDeg(values.moonLongitudeDeg), originMoon_);
        sample.sunWholeDeg = originSun_ + WholeDegreesFrom(WholeDeg(values.sunLongitudeDeg), originSun_);
        const double moonDeg = origin_.moonLongitudeDeg +
                               std::remainder(values.moonLongitudeDeg - origin_.moonLongitudeDeg, 360.0);
        const double gain = (moonDeg - sample.sunWholeDeg) - (origin_.moonLongitudeDeg - originSun_);
        sample.progress = gain * walk_.Direction();
        return sample;
    }
    bool Unchanged(const Sample& first, const Sample& last) const {
        if (first.changed || last.changed) {
            return false;
        }
        const int least =
            std::min(first.moonWholeDeg, last.moonWholeDeg) - std::max(first.sunWholeDeg, last.sunWholeDeg);
        const int most =
            std::max(first.moonWholeDeg, last.moonWholeDeg) - std::min(first.sunWholeDeg, last.sunWholeDeg);
        return FloorDiv(least, 180) == FloorDiv(most, 180);
    }
    int Split(const Sample& first, const Sample& last) const {
        return SplitSteps(first.steps, first.progress, last.steps, last.progress, target_);
    }

private:
    static int WholeDeg(double longitudeDeg) { return static_cast<int>(std::floor(longitudeDeg)); }

    const Walk& walk_;
    const PanchangValues& origin_;
    int originMoon_;
    int originSun_;
    double target_ = 0.0;
};

// Minutes from the record to the form's edge the way of `direction`, at most a day.
int RoomFrom(const BirthRecord& record, int direction) {
    const auto minute = MinuteOf(record);
    const auto room = (direction > 0 ? kLastMinute - minute : minute - kFirstMinute).count();
    return static_cast<int>(std::clamp<decltype(room)>(room, 0, kMarginSearchMinutes));
}

template <class Search> std::optional<int> SearchOneWay(const Search& search, int room) {
    if (room == 0) {
        return std::nullopt;
    }
    return FirstChange(search, search.At(0), search.At(room));
}

std::optional<NearChange> NearChangeAt(const BirthRecord& record, int direction, std::optional<int> star,
                                       std::optional<int> fortnight) {
    const int minutes =
        std::min(star.value_or(kMarginSearchMinutes + 1), fortnight.value_or(kMarginSearchMinutes + 1));
    if (minutes > kMarginNearMinutes) {
        return std::nullopt;
    }
    return NearChange{minutes, ReadingOf(ComputeBirthSky(*ShiftBirthMinutes(record, direction * minutes)))};
}

} // namespace

std::optional<BirthRecord> ShiftBirthMinutes(const BirthRecord& record, int minutes) {
    const auto minute = MinuteOf(record) + std::chrono::minutes{minutes};
    if (minute < kFirstMinute || minute > kLastMinute) {
        return std::nullopt;
    }
    const auto day = std::chrono::floor<std::chrono::days>(minute);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss<std::chrono::minutes> clock{minute - day};
    BirthRecord shifted = record;
    shifted.BirthYear = static_cast<int>(date.year());
    shifted.BirthMonth = static_cast<int>(static_cast<unsigned>(date.month()));
    shifted.BirthDay = static_cast<int>(static_cast<unsigned>(date.day()));
    shifted.BirthHour = static_cast<int>(clock.hours().count());
    shifted.BirthMinute = static_cast<int>(clock.minutes().count());
    return shifted;
}

BirthTimeMargins FindBirthTimeMargins(const BirthRecord& record) {
    const BirthSky sky = ComputeBirthSky(record);
    BirthTimeMargins margins;
    margins.reading = ReadingOf(sky);

    const Walk earlier(record, -1);
    const int roomBefore = RoomFrom(record, -1);
    margins.starMinutesBefore = SearchOneWay(StarSearch(earlier, sky.birthStar), roomBefore);
    margins.fortnightMinutesBefore = SearchOneWay(FortnightSearch(earlier, sky.panchang), roomBefore);
    const Walk later(record, +1);
    const int roomAfter = RoomFrom(record, +1);
    margins.starMinutesAfter = SearchOneWay(StarSearch(later, sky.birthStar), roomAfter);
    margins.fortnightMinutesAfter = SearchOneWay(FortnightSearch(later, sky.panchang), roomAfter);

    margins.earlier = NearChangeAt(record, -1, margins.starMinutesBefore, margins.fortnightMinutesBefore);
    margins.later = NearChangeAt(record, +1, margins.starMinutesAfter, margins.fortnightMinutesAfter);
    return margins;
}

std::optional<NearChangeFacts> NearestChange(const BirthTimeMargins& margins) {
    // The nearer side; a tie goes to the later birth time.
    const bool later =
        margins.later && (!margins.earlier || margins.later->minutes <= margins.earlier->minutes);
    const std::optional<NearChange>& near = later ? margins.later : margins.earlier;
    if (!near) {
        return std::nullopt;
    }
    const MinuteReading& other = near->reading;
    NearChangeFacts facts;
    facts.minutes = near->minutes;
    facts.later = later;
    if (other.star && other.star != margins.reading.star) {
        facts.star = other.star;
    }
    if (other.fortnight != margins.reading.fortnight) {
        facts.fortnight = other.fortnight;
    }
    if (other.bird) {
        facts.bird = other.bird->bird;
        facts.newBird = !(margins.reading.bird && margins.reading.bird->bird == other.bird->bird);
    }
    return facts;
}

std::string NearChangeLine(const BirthTimeMargins& margins, Language language) {
    const std::optional<NearChangeFacts> facts = NearestChange(margins);
    return facts ? NearChangeLine(*facts, language) : std::string();
}

} // namespace velmora
