#include "cli/reading_command.h"

#include <optional>
#include <ostream>

#include "cli/message_quoting.h"
#include "cli/place_fields.h"
#include "cli/saved_reading_file.h"
#include "files/replace_file.h"
#include "reading/reading_session.h"
#include "reading/saved_reading.h"
#include "texts/printable.h"

namespace velmora {
namespace {

// A reading that could not be written out (a full disk, a closed pipe) is a failure.
int WriteAndCheck(std::ostream& out, const ReadingResults& results, const OutputOptions& output,
                  std::ostream& errors, const BirthTimeMargins* margins = nullptr) {
    WriteReading(out, results, output, margins);
    out.flush();
    if (!out) {
        errors << "velmora-cli: error while writing the output\n";
        return kExitRefused;
    }
    return 0;
}

} // namespace

int RunReading(const ReadingOptions& options, const OutputOptions& output, const std::string& savePath,
               std::ostream& out, std::ostream& errors, bool margins) {
    auto made = FieldsFromOptions(options);
    if (const auto* refusal = std::get_if<OptionRefusal>(&made)) {
        return ReportRefusal(*refusal, errors);
    }
    BirthFormFields& fields = std::get<BirthFormFields>(made);
    if (!options.place.empty() && !FillPlaceFields(fields, options.place, places::Gazetteer())) {
        errors << "velmora-cli: --place: no place found for " << QuoteForMessage(options.place) << '\n';
        return kExitRefused;
    }
    ReadingSession session;
    if (const auto failure = session.Calculate(fields)) {
        errors << "velmora-cli: " << EscapeControls(OptionRefusalOf(*failure, options, fields)) << '\n';
        return kExitRefused;
    }
    const std::optional<BirthTimeMargins> found =
        margins ? std::optional(FindBirthTimeMargins(session.Record())) : std::nullopt;
    int status = WriteAndCheck(out, session.Results(), output, errors, found ? &*found : nullptr);
    if (!savePath.empty()) {
        if (const auto failure = ReplaceFile(savePath, EncodeSavedReading(session.Results()))) {
            errors << "velmora-cli: "
                   << EscapeControls("cannot save " + savePath + ": " + FailureText(*failure)) << '\n';
            status = kExitRefused;
        }
    }
    return status;
}

int RunOpen(const std::string& path, const OutputOptions& output, std::ostream& out, std::ostream& errors) {
    const auto opened = OpenSavedReading(path);
    if (const auto* message = std::get_if<std::string>(&opened)) {
        errors << "velmora-cli: " << EscapeControls(*message) << '\n';
        return kExitRefused;
    }
    return WriteAndCheck(out, std::get<ReadingResults>(opened), output, errors);
}

} // namespace velmora
