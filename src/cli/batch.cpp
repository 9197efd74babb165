#include "cli/batch.h"

#include <utility>

#include "cli/form_choices.h"
#include "cli/place_fields.h"

namespace velmora {
namespace {

constexpr std::size_t kPlaceColumn = kBatchTimeColumns;
static_assert(static_cast<std::size_t>(BatchColumn::Minute) == kBatchTimeColumns - 1);

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
    const std::pair<BatchColumn, const FormList&> lists[] = {
        {BatchColumn::Year, kYearList}, {BatchColumn::Month, kMonthList},   {BatchColumn::Day, kDayList},
        {BatchColumn::Hour, kHourList}, {BatchColumn::Minute, kMinuteList},
    };
    int* const listValues[] = {&fields.year, &fields.monthIndex, &fields.dayIndex, &fields.hour,
                               &fields.minute};
    for (std::size_t i = 0; i < std::size(lists); ++i) {
        const auto& [column, list] = lists[i];
        const auto value = ListValue(list, Column(row, column));
        if (!value) {
            return Refused(row, column, list.expected);
        }
        *listValues[i] = *value;
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
    const std::pair<BatchColumn, const FormChoice&> choices[] = {
        {BatchColumn::Dst, kDaylightSavingChoice},
        {BatchColumn::LongitudeSide, kEastChoice},
        {BatchColumn::LatitudeSide, kSouthChoice},
    };
    bool* const chosen[] = {&fields.daylightSaving, &fields.longitudeEast, &fields.latitudeSouth};
    for (std::size_t i = 0; i < std::size(choices); ++i) {
        const auto& [column, choice] = choices[i];
        const auto value = Chosen(choice, Column(row, column));
        if (!value) {
            return Refused(row, column, choice.expected);
        }
        *chosen[i] = *value;
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
