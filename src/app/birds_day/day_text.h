#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <chrono>

#include "model/ids.h"
#include "schedule/local_clock.h"
#include "texts/language_texts.h"

namespace velmora {

// Moments as the schedule keeps them (Julian dates, UT) and as Qt does.
double JulianDateOf(const QDateTime& moment);

// The local date at a moment on the place's clocks.
QDate LocalDateOf(double julianDateUT, const LocalClock& clock);
QDate ToQDate(std::chrono::year_month_day date);
std::chrono::year_month_day ToCivilDate(QDate date);

// "06:12": the clock time at the place, to the nearest minute, in the offset then in force.
QString ClockTimeText(double julianDateUT, const LocalClock& clock);
// "06:12–08:36".
QString TimeRangeText(double startUT, double endUT, const LocalClock& clock);
// "UTC+05:30".
QString UtcOffsetCaption(double utcOffsetHours);

// "Saturday 15 June 2024", the weekday and month in `language`.
QString LongDateText(QDate date, Language language);

QString ActivityText(Activity activity, Language language);
QString ActivityLetter(Activity activity, Language language);
QString BirdText(Bird bird, Language language);
// "0.48"
QString StrengthShown(double strength);

} // namespace velmora
