#pragma once

#include <optional>
#include <string_view>

#include "model/birth_record.h"
#include "model/reading_results.h"
#include "reading/birth_sky.h"
#include "reading/validation.h"

namespace velmora {

// Everything one run of the program keeps between readings: the birth record,
// the computed values and what the reading shows.
class ReadingSession {
public:
    // Checks the fields; on success keeps the record and computes the reading.
    // Returns the failed check (and changes nothing), or nothing when computed.
    std::optional<ValidationFailure> Calculate(const BirthFormFields& fields);

    enum class ReopenOutcome { Shown, NotAReading };

    // A saved reading: its lines are shown as read and looked up; the record
    // and the computed values are left alone. Lines that are not a star and a
    // fortnight name are refused and change nothing; two empty lines (a
    // reading saved before any star was found) are shown as they are.
    ReopenOutcome Reopen(const SavedReadingLines& lines);

    // A saved reading's file as read (its first kSavedReadingReadLimit bytes
    // count): the one decision of every front end on what a file holds. Bytes
    // that no saved reading has are refused as a foreign file; otherwise the
    // file's two lines are reopened as Reopen does.
    [[nodiscard]] ReopenOutcome ReopenSavedFile(std::string_view bytes);

    const BirthRecord& Record() const { return record_; }
    const BirthMoment& Moment() const { return sky_.moment; }
    const BirthStarValues& BirthStar() const { return sky_.birthStar; }
    const PanchangValues& Panchang() const { return sky_.panchang; }
    const ReadingResults& Results() const { return results_; }

private:
    // The computation of a checked record: its sky, then the look-ups.
    void Compute(const BirthRecord& record);
    void Show(std::optional<Star> star, Fortnight fortnight);

    BirthRecord record_;
    BirthSky sky_;
    ReadingResults results_;
};

} // namespace velmora
