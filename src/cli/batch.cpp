#include "cli/batch.h"

#include <charconv>
#include <utility>

#include "reading/field_conversion.h"

namespace velmora {
namespace {

const std::string& Column(const std::vector<std::string>& row, BatchColumn column) {
    return row[static_cast<std::size_t>(column)];
}

// A whole number from `low` to `high` as the form's lists offer it, or nothing.
std::optional<int> ListNumber(std::string_view text, int low, int high) {
    const std::string_view digits = TrimSpaces(text);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || digits.front() == '-' || error != std::errc() ||
        end != digits.data() + digits.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> Choice(std::string_view text, std::string_view yes, std::string_view no) {
    const std::string_view choice = TrimSpaces(text);
    if (choice == yes) {
        return true;
    }
    if (choice == no) {
        return false;
    }
    return std::nullopt;
}

RowError Refusal(const std::vector<std::string>& row, BatchColumn column, std::string_view expected) {
    return {column, std::string(expected) + ", got " + QuoteForMessage(Column(row, column))};
}

BatchColumn ColumnOfFormField(FormField field) {
    switch (field) {
    case FormField::Name:
        return BatchColumn::Name;
    case FormField::ZoneHour:
        return BatchColumn::ZoneHour;
    case FormField::ZoneMinute:
        return BatchColumn::ZoneMinute;
    case FormField::LongitudeDegrees:
        return BatchColumn::LongitudeDegrees;
    case FormField::LongitudeMinutes:
        return BatchColumn::LongitudeMinutes;
    case FormField::LatitudeDegrees:
        return BatchColumn::LatitudeDegrees;
    case FormField::LatitudeMinutes:
        return BatchColumn::LatitudeMinutes;
    case FormField::None:
        break;
    }
    // Only the date checks leave the focus where it is.
    return BatchColumn::Day;
}

} // namespace

std::variant<BirthFormFields, RowError> FieldsFromRow(const std::vector<std::string>& row) {
    BirthFormFields fields;
    const auto year = ListNumber(Column(row, BatchColumn::Year), 1901, 2050);
    if (!year) {
        return Refusal(row, BatchColumn::Year, "expected a year from 1901 to 2050");
    }
    const auto month = ListNumber(Column(row, BatchColumn::Month), 1, 12);
    if (!month) {
        return Refusal(row, BatchColumn::Month, "expected a month from 1 to 12");
    }
    const auto day = ListNumber(Column(row, BatchColumn::Day), 1, 31);
    if (!day) {
        return Refusal(row, BatchColumn::Day, "expected a day from 1 to 31");
    }
    const auto hour = ListNumber(Column(row, BatchColumn::Hour), 0, 23);
    if (!hour) {
        return Refusal(row, BatchColumn::Hour, "expected an hour from 0 to 23");
    }
    const auto minute = ListNumber(Column(row, BatchColumn::Minute), 0, 59);
    if (!minute) {
        return Refusal(row, BatchColumn::Minute, "expected a minute from 0 to 59");
    }
    const auto dst = Choice(Column(row, BatchColumn::Dst), "1", "0");
    if (!dst) {
        return Refusal(row, BatchColumn::Dst, "expected 0 or 1");
    }
    const auto east = Choice(Column(row, BatchColumn::LongitudeSide), "E", "W");
    if (!east) {
        return Refusal(row, BatchColumn::LongitudeSide, "expected E or W");
    }
    const auto south = Choice(Column(row, BatchColumn::LatitudeSide), "S", "N");
    if (!south) {
        return Refusal(row, BatchColumn::LatitudeSide, "expected N or S");
    }
    fields.name = Column(row, BatchColumn::Name);
    fields.year = *year;
    fields.monthIndex = *month - 1;
    fields.dayIndex = *day - 1;
    fields.hour = *hour;
    fields.minute = *minute;
    fields.zoneHour = Column(row, BatchColumn::ZoneHour);
    fields.zoneMinute = Column(row, BatchColumn::ZoneMinute);
    fields.daylightSaving = *dst;
    fields.longitudeDegrees = Column(row, BatchColumn::LongitudeDegrees);
    fields.longitudeMinutes = Column(row, BatchColumn::LongitudeMinutes);
    fields.longitudeEast = *east;
    fields.latitudeDegrees = Column(row, BatchColumn::LatitudeDegrees);
    fields.latitudeMinutes = Column(row, BatchColumn::LatitudeMinutes);
    fields.latitudeSouth = *south;
    return fields;
}

std::optional<RowError> ComputeRow(const std::vector<std::string>& row, ReadingSession& session,
                                   const std::vector<std::string>* shown) {
    auto fields = FieldsFromRow(row);
    if (auto* error = std::get_if<RowError>(&fields)) {
        return std::move(*error);
    }
    if (const auto failure = session.Calculate(std::get<BirthFormFields>(fields))) {
        const BatchColumn column = ColumnOfFormField(failure->focus);
        // A value that was given is named, so that it can be found and mended.
        switch (failure->problem) {
        case FieldProblem::NotANumber:
            return RowError{column,
                            QuoteForMessage(Column(shown ? *shown : row, column)) + " is not a number"};
        case FieldProblem::OutOfRange:
            return RowError{column, QuoteForMessage(Column(shown ? *shown : row, column)) +
                                        " is out of range (" + std::string(failure->allowed) + ")"};
        case FieldProblem::Missing:
        case FieldProblem::NoSuchDate:
            break;
        }
        return RowError{column, std::string(failure->message)};
    }
    return std::nullopt;
}

} // namespace velmora
