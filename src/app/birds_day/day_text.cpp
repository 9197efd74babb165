#include "app/birds_day/day_text.h"

#include <cmath>

#include "app/translation.h"
#include "ephemeris/calendar.h"
#include "texts/moment_text.h"

namespace velmora {

namespace {

QDateTime LocalClockReading(double julianDateUT, const LocalClock& clock) {
    const double local = julianDateUT + clock.UtcOffsetHoursAt(julianDateUT) / 24.0;
    // Rounded to the minute here, so that a time and the date it falls on agree.
    const auto minutes = std::llround((local - kUnixEpochJulianDate) * 1440.0);
    return QDateTime::fromMSecsSinceEpoch(minutes * 60000, Qt::UTC);
}

} // namespace

double JulianDateOf(const QDateTime& moment) {
    return JulianDateUTOf(std::chrono::sys_time<std::chrono::milliseconds>{
        std::chrono::milliseconds{moment.toMSecsSinceEpoch()}});
}

QDate LocalDateOf(double julianDateUT, const LocalClock& clock) {
    return LocalClockReading(julianDateUT, clock).date();
}

QDate ToQDate(std::chrono::year_month_day date) {
    return {int(date.year()), int(unsigned(date.month())), int(unsigned(date.day()))};
}

std::chrono::year_month_day ToCivilDate(QDate date) {
    return std::chrono::year_month_day{std::chrono::year(date.year()),
                                       std::chrono::month(unsigned(date.month())),
                                       std::chrono::day(unsigned(date.day()))};
}

QString ClockTimeText(double julianDateUT, const LocalClock& clock) {
    return QString::fromStdString(LocalClockText(julianDateUT, clock.UtcOffsetHoursAt(julianDateUT)));
}

QString TimeRangeText(double startUT, double endUT, const LocalClock& clock) {
    return ClockTimeText(startUT, clock) + QChar(0x2013) + ClockTimeText(endUT, clock);
}

QString UtcOffsetCaption(double utcOffsetHours) {
    return QStringLiteral("UTC") + QString::fromStdString(UtcOffsetText(utcOffsetHours));
}

QString LongDateText(QDate date, Language language) {
    const std::size_t sundayFirst = std::size_t(date.dayOfWeek() % 7);
    return QStringLiteral("%1 %2 %3 %4")
        .arg(FromCore(TextsOf(language).weekdayNames[sundayFirst], language))
        .arg(date.day())
        .arg(MonthName(std::size_t(date.month() - 1)))
        .arg(date.year());
}

QString ActivityText(Activity activity, Language language) {
    return FromCore(TextsOf(language).activityNames[IndexOf(activity)], language);
}

QString ActivityLetter(Activity activity, Language language) {
    return FromCore(TextsOf(language).activityLetters[IndexOf(activity)], language);
}

QString BirdText(Bird bird, Language language) {
    return FromCore(TextsOf(language).birdNames[IndexOf(bird)], language);
}

QString StrengthShown(double strength) {
    return QString::fromStdString(StrengthText(strength));
}

} // namespace velmora
