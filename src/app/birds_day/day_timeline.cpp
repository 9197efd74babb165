#include "app/birds_day/day_timeline.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/birds_day/activity_palette.h"
#include "app/birds_day/day_text.h"

namespace velmora {

namespace {

constexpr int kGapPx = 3;
constexpr int kFramePx = 3;

template <class Part> std::optional<int> IndexHolding(const Part& parts, double julianDateUT) {
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].startUT <= julianDateUT && julianDateUT < parts[i].endUT) {
            return int(i);
        }
    }
    return std::nullopt;
}

} // namespace

DayTimeline::DayTimeline(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picTimeline"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMouseTracking(false);
}

void DayTimeline::SetPeriods(const std::array<DayPeriod, kPeriodsPerDay>& periods, const LocalClock& clock,
                             Language language) {
    periods_ = periods;
    language_ = language;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        startTimes_[i] = ClockTimeText(periods[i].startUT, clock);
    }
    startTimes_.back() = ClockTimeText(periods.back().endUT, clock);
    for (std::size_t i = 0; i < kActivityCount; ++i) {
        letters_[i] = ActivityLetter(Activity(i), language);
        names_[i] = ActivityText(Activity(i), language);
    }
    describe();
    update();
}

void DayTimeline::Clear() {
    periods_.reset();
    describe();
    update();
}

void DayTimeline::SetSubPeriodsShown(bool shown) {
    subPeriodsShown_ = shown;
    updateGeometry();
    update();
}

void DayTimeline::SetNow(std::optional<double> julianDateUT) {
    nowUT_ = julianDateUT;
    describe();
    update();
}

std::optional<int> DayTimeline::CurrentPeriod() const {
    if (!periods_ || !nowUT_) {
        return std::nullopt;
    }
    return IndexHolding(*periods_, *nowUT_);
}

std::optional<int> DayTimeline::CurrentSubPeriod() const {
    const std::optional<int> period = CurrentPeriod();
    if (!period) {
        return std::nullopt;
    }
    return IndexHolding((*periods_)[std::size_t(*period)].subPeriods, *nowUT_);
}

int DayTimeline::bandHeight() const {
    return fontMetrics().height() * 2;
}

int DayTimeline::subBandHeight() const {
    return fontMetrics().height() + 6;
}

QSize DayTimeline::sizeHint() const {
    const int height = kFramePx + bandHeight() + (subPeriodsShown_ ? kGapPx + subBandHeight() : 0) + kGapPx +
                       fontMetrics().height() + kFramePx;
    return {fontMetrics().horizontalAdvance(QLatin1Char('0')) * 90, height};
}

QSize DayTimeline::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QLatin1Char('0')) * 50, sizeHint().height()};
}

double DayTimeline::xOf(double julianDateUT) const {
    const double start = periods_->front().startUT;
    const double end = periods_->back().endUT;
    const double left = kFramePx;
    const double width = this->width() - 2.0 * kFramePx;
    return left + (julianDateUT - start) / (end - start) * width;
}

void DayTimeline::paintEvent(QPaintEvent*) {
    if (!periods_) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor frame = palette().color(QPalette::WindowText);
    const QFontMetrics metrics = fontMetrics();
    const int bandTop = kFramePx;
    const int subTop = bandTop + bandHeight() + kGapPx;
    const int labelTop = (subPeriodsShown_ ? subTop + subBandHeight() : subTop - kGapPx) + kGapPx;

    const auto drawPart = [&](QRectF box, Activity activity, bool nameIfRoom) {
        painter.fillRect(box, ActivityFill(activity));
        painter.setPen(QPen(palette().color(QPalette::Window), 1));
        painter.drawRect(box);
        painter.setPen(ActivityInk(activity));
        const QString letter = letters_[IndexOf(activity)];
        const QString name = names_[IndexOf(activity)];
        const QString both = letter + QLatin1Char(' ') + name;
        const QString text = nameIfRoom && metrics.horizontalAdvance(both) + 6 < box.width() ? both
                             : metrics.horizontalAdvance(letter) + 2 < box.width()           ? letter
                                                                                             : QString();
        painter.drawText(box, Qt::AlignCenter, text);
    };

    for (const DayPeriod& period : *periods_) {
        const QRectF box(xOf(period.startUT), bandTop, xOf(period.endUT) - xOf(period.startUT), bandHeight());
        drawPart(box, period.activity, true);
        if (subPeriodsShown_) {
            for (const SubPeriod& sub : period.subPeriods) {
                drawPart(QRectF(xOf(sub.startUT), subTop, xOf(sub.endUT) - xOf(sub.startUT), subBandHeight()),
                         sub.activity, false);
            }
        }
    }

    // Start times under the boundaries, as many as fit without touching.
    painter.setPen(frame);
    double freeFrom = 0.0;
    for (std::size_t i = 0; i < startTimes_.size(); ++i) {
        const double x = i < periods_->size() ? xOf((*periods_)[i].startUT) : xOf(periods_->back().endUT);
        const double textWidth = metrics.horizontalAdvance(startTimes_[i]);
        const double left = std::clamp(x - textWidth / 2, 0.0, width() - textWidth);
        if (left < freeFrom) {
            continue;
        }
        painter.drawText(QPointF(left, labelTop + metrics.ascent()), startTimes_[i]);
        freeFrom = left + textWidth + metrics.horizontalAdvance(QLatin1Char(' '));
    }

    // The present: the period and sub-period framed, and a line at the moment.
    if (const std::optional<int> current = CurrentPeriod()) {
        const DayPeriod& period = (*periods_)[std::size_t(*current)];
        painter.setPen(QPen(frame, kFramePx, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            QRectF(xOf(period.startUT), bandTop, xOf(period.endUT) - xOf(period.startUT), bandHeight()));
        if (const std::optional<int> sub = CurrentSubPeriod(); sub && subPeriodsShown_) {
            const SubPeriod& part = period.subPeriods[std::size_t(*sub)];
            painter.drawRect(
                QRectF(xOf(part.startUT), subTop, xOf(part.endUT) - xOf(part.startUT), subBandHeight()));
        }
        const double x = xOf(*nowUT_);
        painter.setPen(QPen(frame, 2));
        painter.drawLine(QPointF(x, 0), QPointF(x, labelTop - 1));
    }
}

void DayTimeline::mousePressEvent(QMouseEvent* event) {
    if (!periods_) {
        return;
    }
    for (std::size_t i = 0; i < periods_->size(); ++i) {
        if (event->position().x() < xOf((*periods_)[i].endUT)) {
            emit periodClicked(int(i));
            return;
        }
    }
}

// What a screen reader says of the picture: each period with its times and activity.
void DayTimeline::describe() {
    if (!periods_) {
        setAccessibleDescription(QString());
        return;
    }
    QStringList parts;
    for (std::size_t i = 0; i < periods_->size(); ++i) {
        const DayPeriod& period = (*periods_)[i];
        QString part = startTimes_[i] + QChar(0x2013) + startTimes_[i + 1] + QLatin1Char(' ') +
                       names_[IndexOf(period.activity)];
        if (CurrentPeriod() == int(i)) {
            part += QLatin1Char(' ') + tr("(now)");
        }
        parts.append(part);
    }
    setAccessibleDescription(parts.join(QStringLiteral("; ")));
}

} // namespace velmora
