#include "cli/batch.h"
#include "cli/message_quoting.h"

#include <utility>

#include "cli/form_choices.h"
#include "cli/place_fields.h"

namespace velmora {
namespace {

constexpr std::size_t kPlaceColumn = kBatchNameAndTimeColumns;
static_assert(static_cast<std::size_t>(BatchColumn::Minute) == kBatchNameAndTimeColumns - 1);

const std::string& Column(const std::vector<std::string>& row, BatchColumn column) {
    return row[static_cast<std::size_t>(column)];
}

std::string_view NameOf(BatchColumn column) {
    return kBatchInputColumns[static_cast<std::size_t>(column)];
}

RowError Refused(const std::vector<std::string>& row, BatchColumn column, std::string_view expected) {
    return {NameOf(column), Refusal(expected, Column(row, column))};
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

std::variant<BirthFormFields, RowError> FieldsFromRow(const std::vector<std::string>& row,
                                                      const places::Gazetteer* gazetteer) {
    BirthFormFields fields;
    fields.name = Column(row, BatchColumn::Name);
    const struct {
        BatchColumn column;
        const FormList& list;
        int& value;
    } lists[] = {
        {BatchColumn::Year, kYearList, fields.year},
        {BatchColumn::Month, kMonthList, fields.monthIndex},
        {BatchColumn::Day, kDayList, fields.dayIndex},
        {BatchColumn::Hour, kHourList, fields.hour},
        {BatchColumn::Minute, kMinuteList, fields.minute},
    };
    for (const auto& [column, list, value] : lists) {
        const auto offered = ListValue(list, Column(row, column));
        if (!offered) {
            return Refused(row, column, list.expected);
        }
        value = *offered;
    }
    // The lists of months and days count from their first entry.
    fields.monthIndex -= kMonthList.low;
    fields.dayIndex -= kDayList.low;
    if (gazetteer) {
        if (!FillPlaceFields(fields, row[kPlaceColumn], *gazetteer)) {
            return RowError{kBatchPlaceColumns[kPlaceColumn],
                            "no place found for " + QuoteForMessage(row[kPlaceColumn])};
        }
        return fields;
    }
    const struct {
        BatchColumn column;
        const FormChoice& choice;
        bool& value;
    } choices[] = {
        {BatchColumn::Dst, kDaylightSavingChoice, fields.daylightSaving},
        {BatchColumn::LongitudeSide, kEastChoice, fields.longitudeEast},
        {BatchColumn::LatitudeSide, kSouthChoice, fields.latitudeSouth},
    };
    for (const auto& [column, choice, value] : choices) {
        const auto chosen = Chosen(choice, Column(row, column));
        if (!chosen) {
            return Refused(row, column, choice.expected);
        }
        value = *chosen;
    }
    fields.zoneHour = Column(row, BatchColumn::ZoneHour);
    fields.zoneMinute = Column(row, BatchColumn::ZoneMinute);
    fields.longitudeDegrees = Column(row, BatchColumn::LongitudeDegrees);
    fields.longitudeMinutes = Column(row, BatchColumn::LongitudeMinutes);
    fields.latitudeDegrees = Column(row, BatchColumn::LatitudeDegrees);
    fields.latitudeMinutes = Column(row, BatchColumn::LatitudeMinutes);
    return fields;
}

std::optional<RowError> ComputeRow(const std::vector<std::string>& row, ReadingSession& session,
                                   const places::Gazetteer* gazetteer) {
    auto fields = FieldsFromRow(row, gazetteer);
    if (auto* error = std::get_if<RowError>(&fields)) {
        return std::move(*error);
    }
    const BirthFormFields& checked = std::get<BirthFormFields>(fields);
    if (const auto failure = session.Calculate(checked)) {
        const BatchColumn column = ColumnOfFormField(failure->focus);
        const bool fromPlace = gazetteer && static_cast<std::size_t>(column) >= kPlaceColumn;
        return RowError{fromPlace ? kBatchPlaceColumns[kPlaceColumn] : NameOf(column),
                        FormRefusal(*failure, FieldText(checked, failure->focus))};
    }
    return std::nullopt;
}

} // namespace velmora
