#include "reading/reading_session.h"

#include "reading/saved_reading.h"
#include "texts/look_ups.h"
#include "texts/names.h"

namespace velmora {

std::optional<ValidationFailure> ReadingSession::Calculate(const BirthFormFields& fields) {
    auto checked = CheckBirthForm(fields);
    if (auto* failure = std::get_if<ValidationFailure>(&checked)) {
        return *failure;
    }
    Compute(std::get<BirthRecord>(checked));
    return std::nullopt;
}

void ReadingSession::Compute(const BirthRecord& record) {
    record_ = record;
    sky_ = ComputeBirthSky(record_);
    results_.asRead.reset();
    Show(sky_.birthStar.star, sky_.panchang.fortnight);
}

ReadingSession::ReopenOutcome ReadingSession::Reopen(const SavedReadingLines& lines) {
    const std::optional<Star> star = FindStar(lines.starLine);
    const bool knownFortnight = lines.fortnightLine == kShuklaPaksha || lines.fortnightLine == kKrishnaPaksha;
    const bool empty = lines.starLine.empty() && lines.fortnightLine.empty();
    if (!empty && (!star || !knownFortnight)) {
        return ReopenOutcome::NotAReading;
    }
    results_.asRead = lines;
    Show(star, FortnightFromName(lines.fortnightLine));
    return ReopenOutcome::Shown;
}

ReadingSession::ReopenOutcome ReadingSession::ReopenSavedFile(std::string_view bytes) {
    if (!HoldsOnlyReadingText(bytes)) {
        return ReopenOutcome::NotAReading;
    }
    return Reopen(DecodeSavedReading(bytes));
}

void ReadingSession::Show(std::optional<Star> star, Fortnight fortnight) {
    results_.star = star;
    results_.fortnight = fortnight;
    // A reading that names no known star changes nothing else: the paragraphs
    // and the bird of the last star found stay.
    if (!star) {
        return;
    }
    results_.bird = LookUpRulingBird(*star, fortnight);
    results_.lookedUp = LookedUp{*star, fortnight};
}

} // namespace velmora
