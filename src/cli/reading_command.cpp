#include "cli/reading_command.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <ostream>

#include <fcntl.h>
#include <unistd.h>

#include "cli/atomic_file.h"
#include "cli/batch.h"
#include "cli/input_file.h"
#include "cli/place_row.h"
#include "reading/reading_session.h"
#include "reading/saved_reading.h"
#include "reading/saved_reading_name.h"
#include "texts/printable.h"

namespace velmora {
namespace {

constexpr std::string_view kMsgCheckFile = "Please Check The File.";

// `text` cut at each `separator`, when there are exactly `parts` pieces.
std::optional<std::vector<std::string>> SplitInto(std::string_view text, char separator, std::size_t parts) {
    std::vector<std::string> pieces;
    for (;;) {
        const std::size_t cut = text.find(separator);
        pieces.emplace_back(text.substr(0, cut));
        if (cut == std::string_view::npos) {
            break;
        }
        text.remove_prefix(cut + 1);
    }
    if (pieces.size() != parts) {
        return std::nullopt;
    }
    return pieces;
}

std::string ShapeError(std::string_view option, std::string_view shape, std::string_view text) {
    return std::string(option) + ": expected " + std::string(shape) + ", got " + QuoteForMessage(text);
}

// Degrees, minutes and side of "77:12E".
std::optional<std::vector<std::string>> SplitCoordinate(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const char side = text.back();
    if (!((side >= 'A' && side <= 'Z') || (side >= 'a' && side <= 'z'))) {
        return std::nullopt;
    }
    auto parts = SplitInto(text.substr(0, text.size() - 1), ':', 2);
    if (parts) {
        parts->emplace_back(1, side);
    }
    return parts;
}

std::string_view OptionOfColumn(BatchColumn column, bool zoneTogether) {
    switch (column) {
    case BatchColumn::Name:
        return "--name";
    case BatchColumn::Year:
    case BatchColumn::Month:
    case BatchColumn::Day:
        return "--date";
    case BatchColumn::Hour:
    case BatchColumn::Minute:
        return "--time";
    case BatchColumn::ZoneHour:
        return zoneTogether ? "--zone" : "--zone-hour";
    case BatchColumn::ZoneMinute:
        return zoneTogether ? "--zone" : "--zone-minute";
    case BatchColumn::Dst:
        return "--dst";
    case BatchColumn::LongitudeDegrees:
    case BatchColumn::LongitudeMinutes:
    case BatchColumn::LongitudeSide:
        return "--longitude";
    case BatchColumn::LatitudeDegrees:
    case BatchColumn::LatitudeMinutes:
    case BatchColumn::LatitudeSide:
        return "--latitude";
    }
    return {};
}

// The row with each typed field the form checks replaced by the whole option it came from.
std::vector<std::string> TypedValues(const ReadingOptions& options, std::vector<std::string> row) {
    const auto set = [&row](BatchColumn column, const std::string& value) {
        row[static_cast<std::size_t>(column)] = value;
    };
    if (!options.zone.empty()) {
        set(BatchColumn::ZoneHour, options.zone);
        set(BatchColumn::ZoneMinute, options.zone);
    }
    set(BatchColumn::LongitudeDegrees, options.longitude);
    set(BatchColumn::LongitudeMinutes, options.longitude);
    set(BatchColumn::LatitudeDegrees, options.latitude);
    set(BatchColumn::LatitudeMinutes, options.latitude);
    return row;
}

// At most kSavedReadingReadLimit bytes of the file; nothing, with `error` set, on failure.
std::optional<std::string> ReadSavedReading(const std::string& path, std::string& error) {
    const int fd = OpenRegularFile(path, error);
    if (fd < 0) {
        return std::nullopt;
    }
    std::string bytes(kSavedReadingReadLimit, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = "cannot read " + path + ": " + std::strerror(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(filled);
    return bytes;
}

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

std::variant<std::vector<std::string>, std::string> RowFromOptions(const ReadingOptions& options) {
    const auto date = SplitInto(options.date, '-', 3);
    if (!date) {
        return ShapeError("--date", "YYYY-MM-DD", options.date);
    }
    const auto time = SplitInto(options.time, ':', 2);
    if (!time) {
        return ShapeError("--time", "HH:MM", options.time);
    }
    if (!options.place.empty()) {
        return std::vector<std::string>{options.name, (*date)[0], (*date)[1],   (*date)[2],
                                        (*time)[0],   (*time)[1], options.place};
    }
    std::vector<std::string> zone = {options.zoneHour, options.zoneMinute};
    if (!options.zone.empty()) {
        const auto parts = SplitInto(options.zone, ':', 2);
        if (!parts) {
            return ShapeError("--zone", "H:MM", options.zone);
        }
        zone = *parts;
    }
    const auto longitude = SplitCoordinate(options.longitude);
    if (!longitude) {
        return ShapeError("--longitude", "DEG:MIN and E or W, as in 77:12E", options.longitude);
    }
    const auto latitude = SplitCoordinate(options.latitude);
    if (!latitude) {
        return ShapeError("--latitude", "DEG:MIN and N or S, as in 28:36N", options.latitude);
    }
    return std::vector<std::string>{
        options.name,    (*date)[0],      (*date)[1],
        (*date)[2],      (*time)[0],      (*time)[1],
        zone[0],         zone[1],         options.daylightSaving ? "1" : "0",
        (*longitude)[0], (*longitude)[1], (*longitude)[2],
        (*latitude)[0],  (*latitude)[1],  (*latitude)[2],
    };
}

int RunReading(const ReadingOptions& options, const OutputOptions& output, const std::string& savePath,
               std::ostream& out, std::ostream& errors, bool margins) {
    const auto row = RowFromOptions(options);
    if (const auto* shapeError = std::get_if<std::string>(&row)) {
        errors << "velmora-cli: " << EscapeControls(*shapeError) << '\n';
        return kExitUsage;
    }
    std::vector<std::string> fields = std::get<std::vector<std::string>>(row);
    if (!options.place.empty()) {
        auto atPlace = RowAtPlace(fields, places::Gazetteer());
        if (!atPlace) {
            errors << "velmora-cli: --place: no place found for " << QuoteForMessage(options.place) << '\n';
            return kExitRefused;
        }
        fields = std::move(*atPlace);
    }
    ReadingSession session;
    const std::vector<std::string> typed = TypedValues(options, fields);
    if (const auto error = ComputeRow(fields, session, options.place.empty() ? &typed : nullptr)) {
        errors << "velmora-cli: " << OptionOfColumn(error->column, !options.zone.empty()) << ": "
               << EscapeControls(error->message) << '\n';
        return kExitRefused;
    }
    const std::optional<BirthTimeMargins> found =
        margins ? std::optional(FindBirthTimeMargins(session.Record())) : std::nullopt;
    int status = WriteAndCheck(out, session.Results(), output, errors, found ? &*found : nullptr);
    if (!savePath.empty()) {
        if (const auto failure = WriteFileAtomically(savePath, EncodeSavedReading(session.Results()))) {
            errors << "velmora-cli: " << EscapeControls(*failure) << '\n';
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
    std::string error;
    const auto bytes = ReadSavedReading(path, error);
    if (!bytes) {
        errors << "velmora-cli: " << EscapeControls(error) << '\n';
        return kExitRefused;
    }
    ReadingSession session;
    if (session.ReopenSavedFile(*bytes) == ReadingSession::ReopenOutcome::NotAReading) {
        std::string message(CheckMessageText(CheckMessage::NotAReading, Language::English));
        message.replace(message.find("%1"), 2, path);
        errors << "velmora-cli: " << EscapeControls(message) << '\n';
        return kExitRefused;
    }
    return WriteAndCheck(out, session.Results(), output, errors);
}

} // namespace velmora
