#include "cli/batch_output.h"

#include <initializer_list>

#include "cli/csv_writer.h"
#include "cli/margins_output.h"

namespace velmora {

void AppendColumnNames(std::string& out, std::span<const std::string_view> names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            out.push_back(',');
        }
        out.append(names[i]);
    }
}

void AppendHeader(std::string& out, std::span<const std::string_view> inputColumns,
                  const BatchOptions& options) {
    AppendColumnNames(out, inputColumns);
    out.push_back(',');
    AppendColumnNames(out, kBatchResultColumns);
    if (options.details) {
        out.push_back(',');
        AppendColumnNames(out, kBatchDetailColumns);
    }
    if (options.margins) {
        out.push_back(',');
        AppendColumnNames(out, kMarginColumns);
    }
    out.push_back('\n');
}

void AppendReading(std::string& out, const std::vector<std::string>& row, const ReadingSession& session,
                   const BatchOptions& options) {
    for (const std::string& field : row) {
        AppendCsvField(out, field, options.escapeControls);
        out.push_back(',');
    }
    const ReadingLines lines = Localize(session.Results(), options.language).lines;
    for (const std::string_view text : std::initializer_list<std::string_view>{
             lines.star, lines.fortnight, lines.bird, lines.rulingDaysDay, lines.rulingDaysNight}) {
        AppendCsvField(out, text);
        out.push_back(',');
    }
    AppendCsvField(out, lines.deathDays);
    if (options.details) {
        const BirthMoment& moment = session.Moment();
        const BirthStarValues& birthStar = session.BirthStar();
        const PanchangValues& panchang = session.Panchang();
        for (const double value :
             {moment.universalHoursUT, moment.julianCenturiesUT, birthStar.moonTropicalDeg,
              birthStar.ayanamsaDeg, birthStar.moonSiderealDeg}) {
            out.push_back(',');
            AppendShortestNumber(out, value);
        }
        out.push_back(',');
        // No finite moment leaves the star empty; the count marks it if it ever does.
        out.append(std::to_string(birthStar.star ? IndexOf(*birthStar.star) : kStarCount));
        for (const double value :
             {panchang.momentJulianDateTT, panchang.moonLongitudeDeg, panchang.sunLongitudeDeg}) {
            out.push_back(',');
            AppendShortestNumber(out, value);
        }
    }
    if (options.margins) {
        AppendMarginFields(out, FindBirthTimeMargins(session.Record()));
    }
    out.push_back('\n');
}

} // namespace velmora
