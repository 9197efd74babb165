#pragma once

#include <optional>
#include <string>

#include "model/birth_record.h"
#include "model/ids.h"
#include "model/reading_results.h"
#include "texts/language_texts.h"

namespace velmora {

// How far each margin is searched, each way, in minutes of clock time.
inline constexpr int kMarginSearchMinutes = 1440;
// A change this close to the birth time is worth a word to the reader.
inline constexpr int kMarginNearMinutes = 30;

// The reading at one whole minute of clock time.
struct MinuteReading {
    std::optional<Star> star; // empty only for a Moon no finite moment gives
    Fortnight fortnight = Fortnight::Bright;
    std::optional<RulingBird> bird; // with the star
};

// The reading on the other side of the nearest change on one side of the birth time.
struct NearChange {
    int minutes = 0; // from the birth time, always positive
    MinuteReading reading;
};

// Minutes of clock time from the birth to the nearest change of star and of
// fortnight, each way: at that many minutes away the reading changes, one
// minute fewer it does not. Empty when nothing changes within
// kMarginSearchMinutes, or before the form's first or after its last year.
struct BirthTimeMargins {
    MinuteReading reading; // at the birth time itself
    std::optional<int> starMinutesBefore;
    std::optional<int> starMinutesAfter;
    std::optional<int> fortnightMinutesBefore;
    std::optional<int> fortnightMinutesAfter;
    // The reading at the nearer of the two changes on each side, when it lies
    // within kMarginNearMinutes.
    std::optional<NearChange> earlier;
    std::optional<NearChange> later;
};

// The record with its birth date and time moved by `minutes` on the calendar;
// nothing when that leaves the years 1901 to 2050. Every other field is kept.
std::optional<BirthRecord> ShiftBirthMinutes(const BirthRecord& record, int minutes);

// The four margins of a checked birth record and the readings close by.
BirthTimeMargins FindBirthTimeMargins(const BirthRecord& record);

// What the nearest change within kMarginNearMinutes gives; nothing when none.
// A tie goes to the later birth time.
std::optional<NearChangeFacts> NearestChange(const BirthTimeMargins& margins);

// The plain sentence on that change in `language`, e.g. "A birth time 6
// minutes later gives Ashlesha and the Owl."; empty when none.
std::string NearChangeLine(const BirthTimeMargins& margins, Language language);

} // namespace velmora
