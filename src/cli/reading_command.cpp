#include "cli/reading_command.h"

#include <optional>
#include <ostream>

#include "cli/input_file.h"
#include "cli/message_quoting.h"
#include "cli/place_fields.h"
#include "files/regular_file.h"
#include "files/replace_file.h"
#include "reading/reading_session.h"
#include "reading/saved_reading.h"
#include "reading/saved_reading_name.h"
#include "texts/language_texts.h"
#include "texts/printable.h"

namespace velmora {
namespace {

constexpr std::string_view kMsgCheckFile = "Please Check The File.";

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
        errors << "velmora-cli: " << EscapeControls(refusal->message) << '\n';
        return refusal->exitStatus;
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
    if (!PassesSavedReadingNameTest(path)) {
        errors << "velmora-cli: " << EscapeControls(path) << ": " << kMsgCheckFile << '\n';
        return kExitRefused;
    }
    FileFailure failure;
    const auto bytes = ReadFileStart(path, kSavedReadingReadLimit, failure);
    if (!bytes) {
        errors << "velmora-cli: " << EscapeControls(CannotReadMessage(path, failure)) << '\n';
        return kExitRefused;
    }
    ReadingSession session;
    if (session.ReopenSavedFile(*bytes) == ReadingSession::ReopenOutcome::NotAReading) {
        const std::string_view message = CheckMessageText(CheckMessage::NotAReading, Language::English);
        const std::size_t name = message.find("%1");
        errors << "velmora-cli: "
               << EscapeControls(std::string(message.substr(0, name)) + path +
                                 std::string(message.substr(name + 2)))
               << '\n';
        return kExitRefused;
    }
    return WriteAndCheck(out, session.Results(), output, errors);
}

} // namespace velmora
