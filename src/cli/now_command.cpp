#include "cli/now_command.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <ostream>
#include <regex>
#include <sstream>
#include <vector>

#include <date/date.h>
#include <nlohmann/json.hpp>

#include "cli/exit_status.h"
#include "cli/form_choices.h"
#include "cli/message_quoting.h"
#include "cli/schedule_text.h"
#include "cli/whose_day.h"
#include "ephemeris/calendar.h"
#include "schedule/day_schedule.h"
#include "schedule/next_ruling.h"
#include "texts/names.h"

namespace velmora {
namespace {

// The next Ruling is looked for this many days ahead; a whole day has it by day
// and by night, so only a polar stretch can hide it that long.
constexpr int kDaysToLookForRule = 366;

// The moment of "2024-03-31T10:00:00+01:00", "2024-03-31T09:00Z" and the like.
// GCC 12 sees a maybe-uninitialized value deep in date::parse's seconds, which
// it sets before any use.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
std::optional<std::chrono::sys_seconds> ParseMoment(const std::string& text) {
    // Whole seconds only, and the one format the text has: the parser reads seconds as a
    // floating-point number (it would take "nan" there), and a format that fails midway
    // leaves it rounding a NaN.
    static const std::regex kForm(R"(\d{4}-\d{2}-\d{2}T\d{2}:\d{2}(:\d{2})?(Z|[+-]\d{2}:\d{2}))");
    std::smatch parts;
    if (!std::regex_match(text, parts, kForm)) {
        return std::nullopt;
    }
    const bool seconds = parts[1].matched;
    const bool utc = parts[2] == "Z";
    if (!utc) {
        const std::string offset = parts[2];
        const int minutes = std::stoi(offset.substr(1, 2)) * 60 + std::stoi(offset.substr(4, 2));
        if (offset[4] > '5' || minutes > (offset[0] == '-' ? 12 * 60 : 14 * 60)) {
            return std::nullopt; // no clock is set so far from UTC
        }
    }
    const char* format = seconds ? (utc ? "%FT%TZ" : "%FT%T%Ez") : (utc ? "%FT%RZ" : "%FT%R%Ez");
    std::istringstream in(text);
    date::sys_seconds moment;
    in >> date::parse(format, moment);
    if (!in || in.peek() != std::char_traits<char>::eof()) {
        return std::nullopt;
    }
    return moment;
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

struct Moment {
    const DaySchedule* day = nullptr; // the day the moment belongs to
    const DayPeriod* period = nullptr;
    const SubPeriod* subPeriod = nullptr;
};

// Where `julianDateUT` falls among yesterday's and today's days: before today's
// sunrise it is yesterday's night.
Moment Locate(const std::vector<DaySchedule>& yesterdayAndToday, double julianDateUT) {
    const DaySchedule& today = yesterdayAndToday[1];
    const bool afterSunrise = today.sun.SunriseUT && julianDateUT >= *today.sun.SunriseUT;
    Moment moment{.day = afterSunrise ? &today : &yesterdayAndToday[0]};
    if (!moment.day->periods) {
        return moment;
    }
    for (const DayPeriod& period : *moment.day->periods) {
        if (julianDateUT >= period.startUT && julianDateUT < period.endUT) {
            moment.period = &period;
            for (const SubPeriod& sub : period.subPeriods) {
                if (julianDateUT >= sub.startUT) {
                    moment.subPeriod = &sub;
                }
            }
        }
    }
    return moment;
}

// The first stretch of Ruling to begin after `julianDateUT`, adjacent Ruling periods as one.
std::optional<RulingSpan> NextRule(std::chrono::year_month_day from, double julianDateUT,
                                   const DayPlace& place, Bird bird) {
    const std::chrono::year_month_day lastServed{std::chrono::year{kYearList.high}, std::chrono::December,
                                                 std::chrono::day{31}};
    const int daysServed =
        static_cast<int>((std::chrono::sys_days{lastServed} - std::chrono::sys_days{from}).count()) + 1;
    for (const int wanted : {3, kDaysToLookForRule}) {
        const std::vector<DaySchedule> days = ComputeDaySchedules(
            from, std::min(wanted, daysServed), place.latitudeDeg, place.longitudeDeg, place.Clock(), bird);
        std::optional<RulingSpan> span = NextRulingSpan(days, julianDateUT);
        if (span && span->startUT <= julianDateUT) {
            span = NextRulingSpan(days, span->endUT); // the one in progress is not the next
        }
        if (span) {
            return span;
        }
    }
    return std::nullopt;
}

void WriteText(std::ostream& out, const Moment& moment, const std::optional<RulingSpan>& next, double nowUT,
               const DayPlace& place, Bird bird, Language language) {
    const LanguageTexts& texts = TextsOf(language);
    const ScheduleLabels& label = texts.scheduleLabels;
    const LocalClock& clock = place.Clock();
    const auto span = [&](double startUT, double endUT) {
        return LocalDateTime(startUT, clock) + std::string(label.until) + LocalDateTime(endUT, clock);
    };
    out << label.bird << BirdName(bird, language) << '\n'
        << label.place << place.label << '\n'
        << label.at << LocalDateTime(nowUT, clock) << '\n'
        << label.day << DateText(moment.day->date) << '\n';
    if (!moment.period) {
        out << label.sun << SunWords(moment.day->sun, label) << '\n'
            << label.period << label.noPeriodNow << '\n';
    } else {
        const DayPeriod& period = *moment.period;
        const SubPeriod& sub = *moment.subPeriod;
        out << label.period << label.parts[IndexOf(period.half)] << ' ' << period.yama << ", "
            << texts.activityNames[IndexOf(period.activity)] << ", " << span(period.startUT, period.endUT)
            << '\n'
            << label.subPeriod << BirdName(sub.bird, language) << ", "
            << texts.activityNames[IndexOf(sub.activity)] << ", " << label.strength
            << StrengthText(sub.strength) << ", " << span(sub.startUT, sub.endUT) << '\n';
    }
    out << label.nextRules;
    if (next) {
        out << span(next->startUT, next->endUT) << '\n';
    } else {
        out << label.noRuleWithinAYear << '\n';
    }
}

nlohmann::ordered_json NowJson(const Moment& moment, const std::optional<RulingSpan>& next, double nowUT,
                               const DayPlace& place, Bird bird) {
    using Json = nlohmann::ordered_json;
    const LocalClock& clock = place.Clock();
    Json period = nullptr;
    Json subPeriod = nullptr;
    if (moment.period) {
        period = {{"part", PartKey(moment.period->half)},
                  {"yama", moment.period->yama},
                  {"activity", ActivityName(moment.period->activity)},
                  {"start", LocalDateTime(moment.period->startUT, clock)},
                  {"end", LocalDateTime(moment.period->endUT, clock)}};
        subPeriod = {{"bird", BirdName(moment.subPeriod->bird)},
                     {"activity", ActivityName(moment.subPeriod->activity)},
                     {"start", LocalDateTime(moment.subPeriod->startUT, clock)},
                     {"end", LocalDateTime(moment.subPeriod->endUT, clock)},
                     {"strength", moment.subPeriod->strength}};
    }
    Json nextRule = nullptr;
    if (next) {
        nextRule = {{"start", LocalDateTime(next->startUT, clock)},
                    {"end", LocalDateTime(next->endUT, clock)}};
    }
    return {
        {"bird", BirdName(bird)},
        {"place", place.label},
        {"at", LocalDateTime(nowUT, clock)},
        {"day", DateText(moment.day->date)},
        {"sun", SunKey(moment.day->sun.Status)},
        {"period", std::move(period)},
        {"sub_period", std::move(subPeriod)},
        {"next_ruling", std::move(nextRule)},
        {"source", kEnglishTexts.tablesSource},
    };
}

} // namespace

int RunNow(const NowOptions& options, std::ostream& out, std::ostream& errors) {
    const auto refuse = [&errors](const OptionRefusal& refusal) { return ReportRefusal(refusal, errors); };
    const std::optional<std::chrono::sys_seconds> at =
        options.at.empty()
            ? std::optional(std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()))
            : ParseMoment(options.at);
    if (!at) {
        return refuse(
            {"--at: expected an ISO 8601 moment with its offset, as in 2024-03-31T10:00:00+01:00 or "
             "2024-03-31T09:00Z, got " +
                 QuoteForMessage(options.at),
             kExitUsage});
    }
    const auto whose = ResolveWhoseDay(options.bird, options.place);
    if (const auto* refusal = std::get_if<OptionRefusal>(&whose)) {
        return refuse(*refusal);
    }
    const DayPlace& where = std::get<WhoseDay>(whose).place;
    const Bird bird = std::get<WhoseDay>(whose).bird;
    const double nowUT = JulianDateUTOf(*at);
    const std::chrono::year_month_day today = LocalDateAt(nowUT, where.Clock().UtcOffsetHoursAt(nowUT));
    const std::chrono::year_month_day yesterday{std::chrono::sys_days{today} - std::chrono::days{1}};
    if (!kYearList.Offers(static_cast<int>(yesterday.year())) ||
        !kYearList.Offers(static_cast<int>(today.year()))) {
        return refuse(
            {"--at: expected a moment from 1901-01-02 to 2050-12-31 at the place, got " +
                 QuoteForMessage(options.at.empty() ? LocalDateTime(nowUT, where.Clock()) : options.at),
             kExitRefused});
    }
    const std::vector<DaySchedule> days =
        ComputeDaySchedules(yesterday, 2, where.latitudeDeg, where.longitudeDeg, where.Clock(), bird);
    const Moment moment = Locate(days, nowUT);
    const std::optional<RulingSpan> next = NextRule(moment.day->date, nowUT, where, bird);
    if (options.json) {
        out << NowJson(moment, next, nowUT, where, bird).dump(2) << '\n';
    } else {
        WriteText(out, moment, next, nowUT, where, bird, options.language);
    }
    return 0;
}

} // namespace velmora
