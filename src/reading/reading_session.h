#pragma once

#include <string>

#include "ephemeris/engine_state.h"
#include "panchang/panchang.h"
#include "reading/birth_record.h"
#include "reading/reading_results.h"
#include "reading/validation.h"

namespace velmora {

// Everything one run of the program keeps between readings: the birth record,
// the engine's and the panchang's values and the result texts.
class ReadingSession {
public:
    // Checks the fields; on success fills the record and computes the reading.
    // Returns the failed check, or nothing when the reading was computed.
    std::optional<ValidationFailure> Calculate(const BirthFormFields& fields);

    // The computation after the record is filled: engine, panchang, copy of
    // the star, and the look-ups.
    void ComputeReading();

    // A saved reading: star and fortnight names as decoded, then the look-ups.
    // The birth record and the engine values are left alone.
    void Reopen(const std::string& starName, const std::string& pakshaName);

    const BirthRecord& Record() const { return record_; }
    BirthRecord& Record() { return record_; }
    const EngineState& Engine() const { return engine_; }
    const PanchangState& Panchang() const { return panchang_; }
    const ReadingResults& Results() const { return results_; }

private:
    BirthRecord record_;
    EngineState engine_;
    PanchangState panchang_;
    ReadingResults results_;
};

} // namespace velmora
