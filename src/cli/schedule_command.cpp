#include "cli/schedule_command.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/bird_options.h"
#include "cli/date_text.h"
#include "cli/day_place_options.h"
#include "cli/exit_status.h"
#include "cli/form_choices.h"
#include "cli/message_quoting.h"
#include "cli/schedule_text.h"
#include "cli/whose_day.h"
#include "ephemeris/calendar.h"
#include "schedule/day_schedule.h"
#include "texts/language_texts.h"
#include "texts/look_ups.h"
#include "texts/names.h"

namespace velmora {
namespace {

constexpr int kMostDays = 3660;

// The CSV's part column of a row without periods.
std::string_view NoPeriodsPart(SunDayStatus status) {
    switch (status) {
    case SunDayStatus::Normal:
        break;
    case SunDayStatus::SunStaysUp:
        return "polar_day";
    case SunDayStatus::SunStaysDown:
        return "polar_night";
    case SunDayStatus::NoDayOfItsOwn:
        return "no_day_of_its_own";
    }
    return "";
}

std::string_view WeekdayName(std::chrono::weekday weekday) {
    return kEnglishTexts.weekdayNames[weekday.c_encoding()];
}

std::string StarText(const std::optional<Star>& star) {
    return star ? std::string(StarName(*star)) : std::string();
}

void WriteText(std::ostream& out, const DaySchedule& day, const DayPlace& place, Language language) {
    const LocalClock& clock = place.Clock();
    const LanguageTexts& texts = TextsOf(language);
    const ScheduleLabels& label = texts.scheduleLabels;
    const SunDay& sun = day.sun;
    const auto moment = [&out, &clock](std::string_view caption, const std::optional<double>& julianDateUT) {
        if (julianDateUT) {
            out << caption << LocalDateTime(*julianDateUT, clock) << '\n';
        }
    };
    out << label.bird << BirdName(day.bird, language) << '\n'
        << label.place << place.label << '\n'
        << label.day << DateText(day.date) << '\n';
    if (sun.Status != SunDayStatus::Normal) {
        out << label.sun << SunWords(sun, label) << '\n';
    }
    moment(label.coveredBy, sun.CoveringSunriseUT);
    if (day.weekday && day.sky) {
        out << label.weekday << texts.weekdayNames[day.weekday->c_encoding()] << '\n'
            << label.fortnight << FortnightName(day.sky->fortnight, language) << label.atSunrise << '\n'
            << label.tithi << TithiName(day.sky->tithi, language) << label.atSunrise << '\n'
            << label.star << (day.sky->star ? StarName(*day.sky->star, language) : "") << label.atSunrise
            << '\n';
    }
    moment(label.sunrise, sun.SunriseUT);
    moment(label.sunset, sun.SunsetUT);
    moment(label.nextSunrise, sun.NextSunriseUT);
    if (day.birdDay) {
        out << label.birdsDay << BirdDayWords(*day.birdDay, label) << '\n';
    }
    if (!day.periods) {
        return;
    }
    out << label.periods << '\n';
    for (const DayPeriod& period : *day.periods) {
        out << "  " << PaddedTo(label.parts[IndexOf(period.half)], 6) << period.yama << "  "
            << LocalDateTime(period.startUT, clock) << "  " << LocalDateTime(period.endUT, clock) << "  "
            << texts.activityNames[IndexOf(period.activity)] << '\n';
        for (const SubPeriod& sub : period.subPeriods) {
            out << "           " << LocalDateTime(sub.startUT, clock) << "  "
                << LocalDateTime(sub.endUT, clock) << "  " << PaddedTo(BirdName(sub.bird, language), 8)
                << PaddedTo(texts.activityNames[IndexOf(sub.activity)], 9) << StrengthText(sub.strength)
                << '\n';
        }
    }
}

nlohmann::ordered_json DayJson(const DaySchedule& day, const DayPlace& place) {
    const LocalClock& clock = place.Clock();
    using Json = nlohmann::ordered_json;
    const auto moment = [&clock](const std::optional<double>& julianDateUT) {
        return julianDateUT ? Json(LocalDateTime(*julianDateUT, clock)) : nullptr;
    };
    const auto flag = [&day](bool BirdDayKind::*member) {
        return day.birdDay ? Json(*day.birdDay.*member) : nullptr;
    };
    Json json = {
        {"bird", BirdName(day.bird)},
        {"place", place.label},
        {"day", DateText(day.date)},
        {"sun", SunKey(day.sun.Status)},
        {"weekday", day.weekday ? Json(WeekdayName(*day.weekday)) : nullptr},
        {"paksha", day.sky ? Json(FortnightName(day.sky->fortnight)) : nullptr},
        {"star", day.sky && day.sky->star ? Json(StarName(*day.sky->star)) : nullptr},
        {"tithi", day.sky ? Json(TithiName(day.sky->tithi, Language::English)) : nullptr},
        {"sunrise", moment(day.sun.SunriseUT)},
        {"sunset", moment(day.sun.SunsetUT)},
        {"next_sunrise", moment(day.sun.NextSunriseUT)},
        {"covered_by", moment(day.sun.CoveringSunriseUT)},
        {"ruling_day_by_day", flag(&BirdDayKind::rulingByDay)},
        {"ruling_day_by_night", flag(&BirdDayKind::rulingByNight)},
        {"death_day", flag(&BirdDayKind::death)},
        {"source", kEnglishTexts.tablesSource},
        {"periods", Json::array()},
    };
    if (day.periods) {
        for (const DayPeriod& period : *day.periods) {
            Json subPeriods = Json::array();
            for (const SubPeriod& sub : period.subPeriods) {
                subPeriods.push_back({{"bird", BirdName(sub.bird)},
                                      {"activity", ActivityName(sub.activity)},
                                      {"start", LocalDateTime(sub.startUT, clock)},
                                      {"end", LocalDateTime(sub.endUT, clock)},
                                      {"strength", sub.strength}});
            }
            json["periods"].push_back({{"part", PartKey(period.half)},
                                       {"yama", period.yama},
                                       {"activity", ActivityName(period.activity)},
                                       {"start", LocalDateTime(period.startUT, clock)},
                                       {"end", LocalDateTime(period.endUT, clock)},
                                       {"sub_periods", std::move(subPeriods)}});
        }
    }
    return json;
}

constexpr std::string_view kCsvHeader =
    "day,weekday,paksha,tithi,star,bird,ruling_day_by_day,ruling_day_by_night,death_day,part,yama,activity,"
    "sub,sub_bird,sub_activity,start,end,strength,covered_by";

// A row per sub-period; a day without periods has one row, whose part column says why.
void WriteCsvRows(std::ostream& out, const DaySchedule& day, const LocalClock& clock) {
    const auto flag = [&day](bool BirdDayKind::*member) {
        return day.birdDay ? (*day.birdDay.*member ? "1" : "0") : "";
    };
    const std::string common = DateText(day.date) + "," +
                               (day.weekday ? std::string(WeekdayName(*day.weekday)) : "") + "," +
                               (day.sky ? std::string(FortnightName(day.sky->fortnight)) : "") + "," +
                               (day.sky ? TithiName(day.sky->tithi, Language::English) : "") + "," +
                               (day.sky ? StarText(day.sky->star) : "") + "," +
                               std::string(BirdName(day.bird)) + "," + flag(&BirdDayKind::rulingByDay) + "," +
                               flag(&BirdDayKind::rulingByNight) + "," + flag(&BirdDayKind::death) + ",";
    if (!day.periods) {
        out << common << NoPeriodsPart(day.sun.Status) << ",,,,,,,,,"
            << (day.sun.CoveringSunriseUT ? LocalDateTime(*day.sun.CoveringSunriseUT, clock) : "") << '\n';
        return;
    }
    for (const DayPeriod& period : *day.periods) {
        for (std::size_t i = 0; i < period.subPeriods.size(); ++i) {
            const SubPeriod& sub = period.subPeriods[i];
            out << common << PartKey(period.half) << ',' << period.yama << ','
                << ActivityName(period.activity) << ',' << i + 1 << ',' << BirdName(sub.bird) << ','
                << ActivityName(sub.activity) << ',' << LocalDateTime(sub.startUT, clock) << ','
                << LocalDateTime(sub.endUT, clock) << ',' << StrengthText(sub.strength) << ",\n";
        }
    }
}

} // namespace

int RunSchedule(const ScheduleOptions& options, std::ostream& out, std::ostream& errors) {
    const auto refuse = [&errors](const OptionRefusal& refusal) { return ReportRefusal(refusal, errors); };
    if (!options.day.empty() && !ParseIsoDate(options.day)) {
        return refuse({"--day: expected YYYY-MM-DD, got " + QuoteForMessage(options.day), kExitUsage});
    }
    const auto whose = ResolveWhoseDay(options.bird, options.place);
    if (const auto* refusal = std::get_if<OptionRefusal>(&whose)) {
        return refuse(*refusal);
    }
    const DayPlace& at = std::get<WhoseDay>(whose).place;
    const LocalClock& clock = at.Clock();
    const std::optional<std::chrono::year_month_day> firstDay =
        ServedDate(options.day.empty() ? DateText(TodayAt(clock)) : options.day);
    if (!firstDay) {
        return refuse(
            {"--day: expected a date from 1901-01-01 to 2050-12-31, got " + QuoteForMessage(options.day),
             kExitRefused});
    }
    if (options.days < 1 || options.days > kMostDays) {
        return refuse(
            {"--days: expected 1 to " + std::to_string(kMostDays) + ", got " + std::to_string(options.days),
             kExitRefused});
    }
    const std::chrono::year_month_day lastDay{std::chrono::sys_days{*firstDay} +
                                              std::chrono::days{options.days - 1}};
    if (!kYearList.Offers(static_cast<int>(lastDay.year()))) {
        return refuse({"--days: the days from " + DateText(*firstDay) + " run past 2050-12-31 (to " +
                           DateText(lastDay) + ")",
                       kExitRefused});
    }
    const std::vector<DaySchedule> days = ComputeDaySchedules(
        *firstDay, options.days, at.latitudeDeg, at.longitudeDeg, clock, std::get<WhoseDay>(whose).bird);

    if (options.json) {
        nlohmann::ordered_json json = nlohmann::ordered_json::array();
        for (const DaySchedule& day : days) {
            json.push_back(DayJson(day, at));
        }
        out << (days.size() == 1 ? json.front() : json).dump(2) << '\n';
    } else if (options.csv) {
        out << kCsvHeader << '\n';
        for (const DaySchedule& day : days) {
            WriteCsvRows(out, day, clock);
        }
    } else {
        for (std::size_t i = 0; i < days.size(); ++i) {
            out << (i == 0 ? "" : "\n");
            WriteText(out, days[i], at, options.language);
        }
    }
    return 0;
}

} // namespace velmora
