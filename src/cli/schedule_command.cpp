#include "cli/schedule_command.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/batch.h"
#include "cli/reading_command.h"
#include "schedule/day_schedule.h"
#include "texts/language_texts.h"
#include "texts/look_ups.h"
#include "texts/names.h"

namespace velmora {
namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
constexpr int kMostDays = 3660;

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::optional<LocalDate> ParseDay(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = WholeNumber(text.substr(0, 4));
    const auto month = WholeNumber(text.substr(5, 2));
    const auto day = WholeNumber(text.substr(8, 2));
    if (!year || !month || !day || *year < kFirstYear || *year > kLastYear || *month < 1 || *month > 12) {
        return std::nullopt;
    }
    constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int monthDays = kMonthDays[*month - 1] + (*month == 2 && IsLeapYear(*year) ? 1 : 0);
    if (*day < 1 || *day > monthDays) {
        return std::nullopt;
    }
    return LocalDate{*year, *month, *day};
}

// Signed decimal degrees, or DEG:MIN followed by the positive or negative side letter.
std::optional<double> ParseAngle(std::string_view text, char positiveSide, char negativeSide,
                                 double limitDeg) {
    double value = 0.0;
    if (!text.empty() && (text.back() == positiveSide || text.back() == negativeSide)) {
        const bool negative = text.back() == negativeSide;
        const std::string_view body = text.substr(0, text.size() - 1);
        const std::size_t colon = body.find(':');
        const auto degrees = WholeNumber(body.substr(0, colon));
        const auto minutes =
            colon == std::string_view::npos ? std::optional<int>(0) : WholeNumber(body.substr(colon + 1));
        if (!degrees || !minutes || *degrees < 0 || *minutes < 0 || *minutes > 59) {
            return std::nullopt;
        }
        value = (*degrees + *minutes / 60.0) * (negative ? -1.0 : 1.0);
    } else {
        const char* begin = text.data() + (text.starts_with('+') ? 1 : 0);
        const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
            return std::nullopt;
        }
    }
    if (!std::isfinite(value) || std::abs(value) > limitDeg) {
        return std::nullopt;
    }
    return value;
}

// Signed H:MM (or H) between -12:00 and +14:00.
std::optional<double> ParseZone(std::string_view text) {
    double sign = 1.0;
    if (text.starts_with('+') || text.starts_with('-')) {
        sign = text.front() == '-' ? -1.0 : 1.0;
        text.remove_prefix(1);
    }
    const std::size_t colon = text.find(':');
    const auto hours = WholeNumber(text.substr(0, colon));
    const auto minutes =
        colon == std::string_view::npos ? std::optional<int>(0) : WholeNumber(text.substr(colon + 1));
    if (!hours || !minutes || *hours < 0 || *minutes < 0 || *minutes > 59 ||
        (colon != std::string_view::npos && text.size() - colon != 3)) {
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

std::string DateText(const LocalDate& date) {
    return std::to_string(date.Year) + "-" + TwoDigits(date.Month) + "-" + TwoDigits(date.Day);
}

std::string OffsetText(double utcOffsetHours) {
    const long long minutes = std::llround(std::abs(utcOffsetHours) * 60.0);
    return (utcOffsetHours < 0.0 ? "-" : "+") + TwoDigits(minutes / 60) + ":" + TwoDigits(minutes % 60);
}

// Local ISO 8601 date-time with the offset, to the nearest second.
std::string LocalDateTime(double julianDayUT, double utcOffsetHours) {
    const long long seconds = std::llround((julianDayUT + utcOffsetHours / 24.0 + 0.5) * 86400.0);
    const long long dayNumber = seconds / 86400;
    const long long secondOfDay = seconds % 86400;
    return DateText(LocalDateOf(static_cast<double>(dayNumber), 0.0)) + "T" + TwoDigits(secondOfDay / 3600) +
           ":" + TwoDigits(secondOfDay / 60 % 60) + ":" + TwoDigits(secondOfDay % 60) +
           OffsetText(utcOffsetHours);
}

std::string_view SunWords(SunDayStatus status) {
    switch (status) {
    case SunDayStatus::Normal:
        return "rises and sets";
    case SunDayStatus::SunStaysUp:
        return "stays up (polar day)";
    case SunDayStatus::SunStaysDown:
        return "stays down (polar night)";
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
    if (kind.RulingByDay) {
        add("ruling day (day time)");
    }
    if (kind.RulingByNight) {
        add("ruling day (night time)");
    }
    if (kind.Death) {
        add("death day");
    }
    return words.empty() ? "none of its days" : words;
}

void WriteText(std::ostream& out, const DaySchedule& day, double utcOffsetHours) {
    out << "Bird:          " << BirdName(day.bird) << '\n' << "Day:           " << DateText(day.Date) << '\n';
    if (day.Sun.Status != SunDayStatus::Normal) {
        out << "Sun:           " << SunWords(day.Sun.Status) << "; no periods\n";
        return;
    }
    out << "Weekday:       " << kEnglishTexts.weekdayNames[static_cast<std::size_t>(day.Weekday)] << '\n'
        << "Fortnight:     " << FortnightName(day.fortnight) << " (at sunrise)\n"
        << "Sunrise:       " << LocalDateTime(day.Sun.SunriseUT, utcOffsetHours) << '\n'
        << "Sunset:        " << LocalDateTime(day.Sun.SunsetUT, utcOffsetHours) << '\n'
        << "Next sunrise:  " << LocalDateTime(day.Sun.NextSunriseUT, utcOffsetHours) << '\n'
        << "Bird's day:    " << BirdDayWords(day.BirdDay) << '\n'
        << "Periods (five equal parts of the day, then of the night):\n";
    for (const DayPeriod& period : day.Periods) {
        out << "  " << (period.Half == DayHalf::Day ? "day   " : "night ") << period.Yama << "  "
            << LocalDateTime(period.StartUT, utcOffsetHours) << "  "
            << LocalDateTime(period.EndUT, utcOffsetHours) << '\n';
    }
}

nlohmann::ordered_json DayJson(const DaySchedule& day, double utcOffsetHours) {
    const bool normal = day.Sun.Status == SunDayStatus::Normal;
    const auto moment = [&](double julianDayUT) {
        return normal ? nlohmann::ordered_json(LocalDateTime(julianDayUT, utcOffsetHours)) : nullptr;
    };
    nlohmann::ordered_json json = {
        {"bird", BirdName(day.bird)},
        {"day", DateText(day.Date)},
        {"sun", SunKey(day.Sun.Status)},
        {"weekday",
         normal ? nlohmann::ordered_json(kEnglishTexts.weekdayNames[static_cast<std::size_t>(day.Weekday)])
                : nullptr},
        {"paksha", normal ? nlohmann::ordered_json(FortnightName(day.fortnight)) : nullptr},
        {"sunrise", moment(day.Sun.SunriseUT)},
        {"sunset", moment(day.Sun.SunsetUT)},
        {"next_sunrise", moment(day.Sun.NextSunriseUT)},
        {"ruling_day_day_time", day.BirdDay.RulingByDay},
        {"ruling_day_night_time", day.BirdDay.RulingByNight},
        {"death_day", day.BirdDay.Death},
        {"periods", nlohmann::ordered_json::array()},
    };
    if (normal) {
        for (const DayPeriod& period : day.Periods) {
            json["periods"].push_back({{"part", PartName(period.Half)},
                                       {"yama", period.Yama},
                                       {"start", LocalDateTime(period.StartUT, utcOffsetHours)},
                                       {"end", LocalDateTime(period.EndUT, utcOffsetHours)}});
        }
    }
    return json;
}

constexpr std::string_view kCsvHeader =
    "day,weekday,paksha,bird,ruling_day_day_time,ruling_day_night_time,death_day,part,yama,start,end";

void WriteCsvRows(std::ostream& out, const DaySchedule& day, double utcOffsetHours) {
    const bool normal = day.Sun.Status == SunDayStatus::Normal;
    const auto flag = [](bool value) { return value ? "1" : "0"; };
    const std::string common =
        DateText(day.Date) + "," +
        (normal ? std::string(kEnglishTexts.weekdayNames[static_cast<std::size_t>(day.Weekday)]) : "") + "," +
        std::string(FortnightName(day.fortnight)) + "," + std::string(BirdName(day.bird)) + "," +
        flag(day.BirdDay.RulingByDay) + "," + flag(day.BirdDay.RulingByNight) + "," +
        flag(day.BirdDay.Death) + ",";
    if (!normal) {
        // No periods: the part column says why.
        out << common << (day.Sun.Status == SunDayStatus::SunStaysUp ? "polar_day" : "polar_night")
            << ",,,\n";
        return;
    }
    for (const DayPeriod& period : day.Periods) {
        out << common << PartName(period.Half) << ',' << period.Yama << ','
            << LocalDateTime(period.StartUT, utcOffsetHours) << ','
            << LocalDateTime(period.EndUT, utcOffsetHours) << '\n';
    }
}

} // namespace

int RunSchedule(const ScheduleOptions& options, std::ostream& out, std::ostream& errors) {
    std::string message;
    const std::optional<Bird> bird = ChooseBird(options, message);
    const std::optional<LocalDate> firstDay = ParseDay(options.day);
    const std::optional<double> longitude = ParseAngle(options.longitude, 'E', 'W', 180.0);
    const std::optional<double> latitude = ParseAngle(options.latitude, 'N', 'S', 90.0);
    const std::optional<double> zone = ParseZone(options.zone);
    if (!message.empty()) {
        // The bird's message comes first.
    } else if (!firstDay) {
        message = "--day: expected YYYY-MM-DD from 1901 to 2050, got " + QuoteForMessage(options.day);
    } else if (options.days < 1 || options.days > kMostDays) {
        message =
            "--days: expected 1 to " + std::to_string(kMostDays) + ", got " + std::to_string(options.days);
    } else if (!longitude) {
        message = "--longitude: expected degrees east (negative west) or DEG:MIN with E or W, got " +
                  QuoteForMessage(options.longitude);
    } else if (!latitude) {
        message = "--latitude: expected degrees north (negative south) or DEG:MIN with N or S, got " +
                  QuoteForMessage(options.latitude);
    } else if (!zone) {
        message =
            "--zone: expected a signed H:MM from -12:00 to +14:00, got " + QuoteForMessage(options.zone);
    }
    if (!message.empty()) {
        errors << "velmora-cli: " << message << '\n';
        return kExitRefused;
    }

    const Place place{*latitude, *longitude, *zone + (options.daylightSaving ? 1.0 : 0.0)};
    const double firstNoonUT = JulianDayAtMidnightUT(*firstDay) + 0.5;
    std::vector<DaySchedule> days;
    days.reserve(static_cast<std::size_t>(options.days));
    for (int i = 0; i < options.days; ++i) {
        days.push_back(ComputeDaySchedule(LocalDateOf(firstNoonUT + i, 0.0), place, *bird));
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
