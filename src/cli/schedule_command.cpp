#include "cli/schedule_command.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <iomanip>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/date_text.h"
#include "cli/exit_status.h"
#include "cli/form_choices.h"
#include "cli/message_quoting.h"
#include "ephemeris/calendar.h"
#include "schedule/day_schedule.h"
#include "texts/language_texts.h"
#include "texts/look_ups.h"
#include "texts/names.h"
#include "texts/printable.h"

namespace velmora {
namespace {

constexpr int kMostDays = 3660;

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool IsDigits(std::string_view text, std::size_t fewest, std::size_t most) {
    return text.size() >= fewest && text.size() <= most &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The forms of the values. A value without its option's form is a usage error;
// one with the form that names no real day, zone or place is refused.

// H or H:MM, one or two digits of hours, with or without a sign.
bool HasZoneForm(std::string_view text) {
    if (text.starts_with('+') || text.starts_with('-')) {
        text.remove_prefix(1);
    }
    const std::size_t colon = text.find(':');
    return IsDigits(text.substr(0, colon), 1, 2) &&
           (colon == std::string_view::npos || IsDigits(text.substr(colon + 1), 2, 2));
}

// Signed decimal degrees, or DEG or DEG:MIN followed by a side letter.
bool HasAngleForm(std::string_view text) {
    if (!text.empty() && IsLetter(text.back())) {
        const std::string_view body = text.substr(0, text.size() - 1);
        const std::size_t colon = body.find(':');
        return IsDigits(body.substr(0, colon), 1, 3) &&
               (colon == std::string_view::npos || IsDigits(body.substr(colon + 1), 1, 2));
    }
    // from_chars takes a minus sign but no plus.
    const bool plus = text.starts_with('+');
    if (plus) {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && !(plus && text.front() == '-') && error == std::errc() &&
           end == text.data() + text.size() && std::isfinite(value);
}

// The date of a value of the day's form, when it is a real one in the years served.
std::optional<std::chrono::year_month_day> DayOf(std::string_view text) {
    const std::optional<std::chrono::year_month_day> date = ParseIsoDate(text);
    if (!date || !date->ok() || !kYearList.Offers(static_cast<int>(date->year()))) {
        return std::nullopt;
    }
    return date;
}

// The degrees of a value of the angle's form, when within `limitDeg` and on a named side.
std::optional<double> AngleOf(std::string_view text, char positiveSide, char negativeSide, double limitDeg) {
    double value = 0.0;
    if (IsLetter(text.back())) {
        if (text.back() != positiveSide && text.back() != negativeSide) {
            return std::nullopt;
        }
        const std::string_view body = text.substr(0, text.size() - 1);
        const std::size_t colon = body.find(':');
        const auto degrees = WholeNumber(body.substr(0, colon));
        const auto minutes =
            colon == std::string_view::npos ? std::optional<int>(0) : WholeNumber(body.substr(colon + 1));
        if (!degrees || !minutes || *minutes > 59) {
            return std::nullopt;
        }
        value = (*degrees + *minutes / 60.0) * (text.back() == negativeSide ? -1.0 : 1.0);
    } else {
        const char* begin = text.data() + (text.starts_with('+') ? 1 : 0);
        std::from_chars(begin, text.data() + text.size(), value);
    }
    if (std::abs(value) > limitDeg) {
        return std::nullopt;
    }
    return value;
}

// The hours of a value of the zone's form, when from -12:00 to +14:00.
std::optional<double> ZoneOf(std::string_view text) {
    const double sign = text.starts_with('-') ? -1.0 : 1.0;
    if (text.starts_with('+') || text.starts_with('-')) {
        text.remove_prefix(1);
    }
    const std::size_t colon = text.find(':');
    const auto hours = WholeNumber(text.substr(0, colon));
    const auto minutes =
        colon == std::string_view::npos ? std::optional<int>(0) : WholeNumber(text.substr(colon + 1));
    if (!hours || !minutes || *minutes > 59) {
        return std::nullopt;
    }
    const double zone = sign * (*hours + *minutes / 60.0);
    if (zone < -12.0 || zone > 14.0) {
        return std::nullopt;
    }
    return zone;
}

// The bird from --bird, or from --star with --paksha as the reading finds it;
// on a refusal, the message.
std::optional<Bird> ChooseBird(const ScheduleOptions& options, std::string& message) {
    if (!options.bird.empty()) {
        for (std::size_t i = 0; i < kBirdNames.size(); ++i) {
            if (kBirdNames[i] == options.bird) {
                return static_cast<Bird>(i);
            }
        }
        message =
            "--bird: expected Vulture, Owl, Crow, Cock or Peacock, got " + QuoteForMessage(options.bird);
        return std::nullopt;
    }
    if (options.paksha != kShuklaPaksha && options.paksha != kKrishnaPaksha) {
        message = "--paksha: expected \"Shukla Paksha\" or \"Krishna Paksha\", got " +
                  QuoteForMessage(options.paksha);
        return std::nullopt;
    }
    const std::optional<Star> star = FindStar(options.star);
    if (!star) {
        message = "--star: no star is called " + QuoteForMessage(options.star);
        return std::nullopt;
    }
    return LookUpRulingBird(*star, FortnightFromName(options.paksha)).bird;
}

// 0..99 as two digits.
std::string TwoDigits(long long value) {
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::string DateText(std::chrono::year_month_day date) {
    return std::to_string(static_cast<int>(date.year())) + "-" +
           TwoDigits(static_cast<unsigned>(date.month())) + "-" +
           TwoDigits(static_cast<unsigned>(date.day()));
}

std::string OffsetText(double utcOffsetHours) {
    const long long minutes = std::llround(std::abs(utcOffsetHours) * 60.0);
    return (utcOffsetHours < 0.0 ? "-" : "+") + TwoDigits(minutes / 60) + ":" + TwoDigits(minutes % 60);
}

// Local ISO 8601 date-time with the offset, to the nearest second.
std::string LocalDateTime(double julianDateUT, double utcOffsetHours) {
    const long long seconds = std::llround((julianDateUT + utcOffsetHours / 24.0 + 0.5) * 86400.0);
    const long long dayNumber = seconds / 86400;
    const long long secondOfDay = seconds % 86400;
    return DateText(LocalDateAt(static_cast<double>(dayNumber), 0.0)) + "T" + TwoDigits(secondOfDay / 3600) +
           ":" + TwoDigits(secondOfDay / 60 % 60) + ":" + TwoDigits(secondOfDay % 60) +
           OffsetText(utcOffsetHours);
}

// What the Sun does, for the days that are not whole: said instead of the periods.
std::string_view SunWords(const SunDay& sun) {
    switch (sun.Status) {
    case SunDayStatus::Normal:
        return "rises and sets";
    case SunDayStatus::SunStaysUp:
        return sun.SunriseUT ? "rises, then stays up for more than 24 hours (polar day); no periods"
                             : "stays up (polar day); no periods";
    case SunDayStatus::SunStaysDown:
        return sun.SunriseUT
                   ? "rises and sets, then stays down for more than 24 hours (polar night); no periods"
                   : "stays down (polar night); no periods";
    case SunDayStatus::NoDayOfItsOwn:
        return "does not rise on this date, though not polar: no day of its own; no periods";
    }
    return "";
}

std::string_view SunKey(SunDayStatus status) {
    switch (status) {
    case SunDayStatus::Normal:
        return "rises_and_sets";
    case SunDayStatus::SunStaysUp:
        return "stays_up";
    case SunDayStatus::SunStaysDown:
        return "stays_down";
    case SunDayStatus::NoDayOfItsOwn:
        return "no_day_of_its_own";
    }
    return "";
}

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

std::string_view PartName(DayHalf half) {
    return half == DayHalf::Day ? "day" : "night";
}

std::string BirdDayWords(const BirdDayKind& kind) {
    std::string words;
    const auto add = [&words](std::string_view word) {
        words += (words.empty() ? "" : ", ") + std::string(word);
    };
    if (kind.rulingByDay) {
        add("ruling day (day time)");
    }
    if (kind.rulingByNight) {
        add("ruling day (night time)");
    }
    if (kind.death) {
        add("death day");
    }
    return words.empty() ? "none of its days" : words;
}

std::string_view WeekdayName(std::chrono::weekday weekday) {
    return kEnglishTexts.weekdayNames[weekday.c_encoding()];
}

std::string StarText(const std::optional<Star>& star) {
    return star ? std::string(StarName(*star)) : std::string();
}

// A strength as two decimals, 0.04 to 1.00.
std::string StrengthText(double strength) {
    const long long hundredths = std::llround(strength * 100.0);
    return std::to_string(hundredths / 100) + "." + TwoDigits(hundredths % 100);
}

void WriteText(std::ostream& out, const DaySchedule& day, double utcOffsetHours) {
    const SunDay& sun = day.sun;
    const auto moment = [&out, utcOffsetHours](std::string_view label,
                                               const std::optional<double>& julianDateUT) {
        if (julianDateUT) {
            out << label << LocalDateTime(*julianDateUT, utcOffsetHours) << '\n';
        }
    };
    out << "Bird:          " << BirdName(day.bird) << '\n' << "Day:           " << DateText(day.date) << '\n';
    if (sun.Status != SunDayStatus::Normal) {
        out << "Sun:           " << SunWords(sun) << '\n';
    }
    moment("Covered by:    the day from the sunrise at ", sun.CoveringSunriseUT);
    if (day.weekday && day.sky) {
        out << "Weekday:       " << WeekdayName(*day.weekday) << '\n'
            << "Fortnight:     " << FortnightName(day.sky->fortnight) << " (at sunrise)\n"
            << "Tithi:         " << TithiName(day.sky->tithi, Language::English) << " (at sunrise)\n"
            << "Star:          " << StarText(day.sky->star) << " (at sunrise)\n";
    }
    moment("Sunrise:       ", sun.SunriseUT);
    moment("Sunset:        ", sun.SunsetUT);
    moment("Next sunrise:  ", sun.NextSunriseUT);
    if (day.birdDay) {
        out << "Bird's day:    " << BirdDayWords(*day.birdDay) << '\n';
    }
    if (!day.periods) {
        return;
    }
    out << "Periods (five equal parts of the day, then of the night), the bird's activity and sub-periods\n"
           "(their bird, activity and strength):\n";
    for (const DayPeriod& period : *day.periods) {
        out << "  " << (period.half == DayHalf::Day ? "day   " : "night ") << period.yama << "  "
            << LocalDateTime(period.startUT, utcOffsetHours) << "  "
            << LocalDateTime(period.endUT, utcOffsetHours) << "  " << ActivityName(period.activity) << '\n';
        for (const SubPeriod& sub : period.subPeriods) {
            out << "           " << LocalDateTime(sub.startUT, utcOffsetHours) << "  "
                << LocalDateTime(sub.endUT, utcOffsetHours) << "  " << std::left << std::setw(8)
                << BirdName(sub.bird) << std::setw(9) << ActivityName(sub.activity) << std::right
                << StrengthText(sub.strength) << '\n';
        }
    }
}

nlohmann::ordered_json DayJson(const DaySchedule& day, double utcOffsetHours) {
    using Json = nlohmann::ordered_json;
    const auto moment = [utcOffsetHours](const std::optional<double>& julianDateUT) {
        return julianDateUT ? Json(LocalDateTime(*julianDateUT, utcOffsetHours)) : nullptr;
    };
    const auto flag = [&day](bool BirdDayKind::*member) {
        return day.birdDay ? Json(*day.birdDay.*member) : nullptr;
    };
    Json json = {
        {"bird", BirdName(day.bird)},
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
        {"source", kEnglishTexts.scheduleSource},
        {"periods", Json::array()},
    };
    if (day.periods) {
        for (const DayPeriod& period : *day.periods) {
            Json subPeriods = Json::array();
            for (const SubPeriod& sub : period.subPeriods) {
                subPeriods.push_back({{"bird", BirdName(sub.bird)},
                                      {"activity", ActivityName(sub.activity)},
                                      {"start", LocalDateTime(sub.startUT, utcOffsetHours)},
                                      {"end", LocalDateTime(sub.endUT, utcOffsetHours)},
                                      {"strength", sub.strength}});
            }
            json["periods"].push_back({{"part", PartName(period.half)},
                                       {"yama", period.yama},
                                       {"activity", ActivityName(period.activity)},
                                       {"start", LocalDateTime(period.startUT, utcOffsetHours)},
                                       {"end", LocalDateTime(period.endUT, utcOffsetHours)},
                                       {"sub_periods", std::move(subPeriods)}});
        }
    }
    return json;
}

constexpr std::string_view kCsvHeader =
    "day,weekday,paksha,tithi,star,bird,ruling_day_by_day,ruling_day_by_night,death_day,part,yama,activity,"
    "sub,sub_bird,sub_activity,start,end,strength,covered_by";

// A row per sub-period; a day without periods has one row, whose part column says why.
void WriteCsvRows(std::ostream& out, const DaySchedule& day, double utcOffsetHours) {
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
            << (day.sun.CoveringSunriseUT ? LocalDateTime(*day.sun.CoveringSunriseUT, utcOffsetHours) : "")
            << '\n';
        return;
    }
    for (const DayPeriod& period : *day.periods) {
        for (std::size_t i = 0; i < period.subPeriods.size(); ++i) {
            const SubPeriod& sub = period.subPeriods[i];
            out << common << PartName(period.half) << ',' << period.yama << ','
                << ActivityName(period.activity) << ',' << i + 1 << ',' << BirdName(sub.bird) << ','
                << ActivityName(sub.activity) << ',' << LocalDateTime(sub.startUT, utcOffsetHours) << ','
                << LocalDateTime(sub.endUT, utcOffsetHours) << ',' << StrengthText(sub.strength) << ",\n";
        }
    }
}

// The first value without its option's form, as a message; empty when all have it.
std::string FormMessage(const ScheduleOptions& options) {
    if (!ParseIsoDate(options.day)) {
        return "--day: expected YYYY-MM-DD, got " + QuoteForMessage(options.day);
    }
    if (!HasAngleForm(options.longitude)) {
        return "--longitude: expected degrees east (negative west) or DEG:MIN with E or W, got " +
               QuoteForMessage(options.longitude);
    }
    if (!HasAngleForm(options.latitude)) {
        return "--latitude: expected degrees north (negative south) or DEG:MIN with N or S, got " +
               QuoteForMessage(options.latitude);
    }
    if (!HasZoneForm(options.zone)) {
        return "--zone: expected a signed H:MM, as in +5:30, got " + QuoteForMessage(options.zone);
    }
    return {};
}

} // namespace

int RunSchedule(const ScheduleOptions& options, std::ostream& out, std::ostream& errors) {
    if (const std::string message = FormMessage(options); !message.empty()) {
        errors << "velmora-cli: " << message << '\n';
        return kExitUsage;
    }
    std::string message;
    const std::optional<Bird> bird = ChooseBird(options, message);
    const std::optional<std::chrono::year_month_day> firstDay = DayOf(options.day);
    const std::optional<double> longitude = AngleOf(options.longitude, 'E', 'W', 180.0);
    const std::optional<double> latitude = AngleOf(options.latitude, 'N', 'S', 90.0);
    const std::optional<double> zone = ZoneOf(options.zone);
    if (!message.empty()) {
        // The bird's message comes first.
    } else if (!firstDay) {
        message = "--day: expected a date from 1901-01-01 to 2050-12-31, got " + QuoteForMessage(options.day);
    } else if (options.days < 1 || options.days > kMostDays) {
        message =
            "--days: expected 1 to " + std::to_string(kMostDays) + ", got " + std::to_string(options.days);
    } else if (!longitude) {
        message = "--longitude: expected up to 180 degrees (minutes 0 to 59, side E or W), got " +
                  QuoteForMessage(options.longitude);
    } else if (!latitude) {
        message = "--latitude: expected up to 90 degrees (minutes 0 to 59, side N or S), got " +
                  QuoteForMessage(options.latitude);
    } else if (!zone) {
        message =
            "--zone: expected a signed H:MM from -12:00 to +14:00, got " + QuoteForMessage(options.zone);
    }
    if (!message.empty()) {
        errors << "velmora-cli: " << message << '\n';
        return kExitRefused;
    }

    const ObserverPlace place{*latitude, *longitude, *zone + (options.daylightSaving ? 1.0 : 0.0)};
    const double firstNoonUT = JulianDateUTAtMidnight(*firstDay) + 0.5;
    std::vector<DaySchedule> days;
    days.reserve(static_cast<std::size_t>(options.days));
    for (int i = 0; i < options.days; ++i) {
        days.push_back(ComputeDaySchedule(LocalDateAt(firstNoonUT + i, 0.0), place, *bird));
    }

    if (options.json) {
        nlohmann::ordered_json json = nlohmann::ordered_json::array();
        for (const DaySchedule& day : days) {
            json.push_back(DayJson(day, place.UtcOffsetHours));
        }
        out << (days.size() == 1 ? json.front() : json).dump(2) << '\n';
    } else if (options.csv) {
        out << kCsvHeader << '\n';
        for (const DaySchedule& day : days) {
            WriteCsvRows(out, day, place.UtcOffsetHours);
        }
    } else {
        for (std::size_t i = 0; i < days.size(); ++i) {
            out << (i == 0 ? "" : "\n");
            WriteText(out, days[i], place.UtcOffsetHours);
        }
    }
    return 0;
}

} // namespace velmora
