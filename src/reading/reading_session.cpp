#include "reading/reading_session.h"

#include "ephemeris/birth_star.h"
#include "texts/look_ups.h"

namespace velmora {

std::optional<ValidationFailure> ReadingSession::Calculate(const BirthFormFields& fields) {
    if (auto failure = ValidateBirthData(fields)) {
        return failure;
    }
    FillBirthRecord(fields, record_);
    ComputeReading();
    return std::nullopt;
}

void ReadingSession::ComputeReading() {
    ComputeBirthStar(record_, engine_);
    ComputePanchang(engine_, panchang_);
    results_.MoonStarNameValue = engine_.MoonStarNameValue;
    results_.PakshaName = panchang_.PakshaName;
    results_.StarName = results_.MoonStarNameValue;
    LookupNakshatraInformation(results_.StarName, results_);
    ComputePanchPakshi(results_);
}

void ReadingSession::Reopen(const std::string& starName, const std::string& pakshaName) {
    results_.StarName = starName;
    results_.PakshaName = pakshaName;
    LookupNakshatraInformation(results_.StarName, results_);
    ComputePanchPakshi(results_);
}

} // namespace velmora
