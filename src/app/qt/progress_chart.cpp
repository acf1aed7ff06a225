#include "app/qt/progress_chart.h"

#include <QDateTime>
#include <QPainter>
#include <QTimeZone>

#include <algorithm>
#include <cmath>

namespace velmo {
namespace {

QString DayText(const ChartPoint& point)
{
    return QDateTime::fromMSecsSinceEpoch(point.unixMs, QTimeZone(point.offsetMinutes * 60)).toString("yyyy-MM-dd");
}

// A step of 1, 2 or 5 times a power of ten that splits the range into at most
// `parts` parts, so that the grid's labels are round numbers.
double GridStep(double range, int parts)
{
    if (range <= 0)
        return 1;
    const double raw = range / std::max(1, parts);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= raw)
            return factor * power;
    return 10 * power;
}

} // namespace

ProgressChart::ProgressChart(const QString& title, QWidget* parent)
    : QWidget(parent), title_(title), valueText_([](double v) { return QString::number(v); })
{
    setAccessibleName(title);
    // The table beside the chart is what the keyboard reaches.
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ProgressChart::SetPoints(std::vector<ChartPoint> points, std::optional<std::size_t> best)
{
    points_ = std::move(points);
    best_ = best && *best < points_.size() ? best : std::nullopt;
    setAccessibleDescription(points_.empty() ? QString("No sessions in this span")
                                             : QString("%1 sessions").arg(points_.size()));
    update();
}

QSize ProgressChart::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    return {fm.averageCharWidth() * 60, fm.height() * 11};
}

QSize ProgressChart::minimumSizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    return {fm.averageCharWidth() * 30, fm.height() * 7};
}

void ProgressChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();
    const QPalette& pal = palette();
    const QColor text = pal.color(QPalette::WindowText);
    const QColor grid = pal.color(QPalette::Mid);
    const QColor lineColor = pal.color(QPalette::Highlight);
    const qreal pen = std::max<qreal>(1.0, fm.height() / 12.0); // line width grows with the font

    painter.fillRect(rect(), pal.color(QPalette::Base));
    painter.setPen(text);
    const int pad = fm.averageCharWidth();
    painter.drawText(QRect(pad, 0, width() - 2 * pad, fm.height() + pad / 2), Qt::AlignLeft | Qt::AlignVCenter, title_);

    if (points_.empty()) {
        painter.setPen(pal.color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter, "No sessions in this span");
        return;
    }

    // The plot's height first: it decides how many grid lines have room.
    QRectF area(0, fm.height() * 1.6, 0, 0);
    area.setBottom(height() - fm.height() * 1.6);
    double low = points_.front().value, high = low;
    for (const ChartPoint& p : points_) {
        low = std::min(low, p.value);
        high = std::max(high, p.value);
    }
    const double step = GridStep(high - low, std::min(4, static_cast<int>(area.height() / (fm.height() * 1.5))));
    low = std::floor(low / step) * step;
    high = std::max(std::ceil(high / step) * step, low + step);

    int labelWidth = 0;
    for (double v = low; v <= high + step / 2; v += step)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(valueText_(v)));
    area.setLeft(pad + labelWidth + pad);
    area.setRight(width() - pad * 2);
    if (area.width() < 4 || area.height() < 4)
        return;

    const std::int64_t first = points_.front().unixMs, last = points_.back().unixMs;
    const auto x = [&](const ChartPoint& p) {
        if (last == first)
            return area.center().x();
        return area.left() + area.width() * static_cast<double>(p.unixMs - first) / static_cast<double>(last - first);
    };
    const auto y = [&](double v) { return area.bottom() - area.height() * (v - low) / (high - low); };

    for (double v = low; v <= high + step / 2; v += step) {
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(area.left(), y(v)), QPointF(area.right(), y(v)));
        painter.setPen(text);
        painter.drawText(QRectF(pad, y(v) - fm.height() / 2.0, labelWidth, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter, valueText_(v));
    }
    painter.setPen(text);
    const QRectF dates(area.left(), area.bottom() + fm.height() * 0.3, area.width(), fm.height());
    painter.drawText(dates, Qt::AlignLeft | Qt::AlignVCenter, DayText(points_.front()));
    if (points_.size() > 1 && fm.horizontalAdvance("0000-00-00") * 2 + pad * 4 < dates.width())
        painter.drawText(dates, Qt::AlignRight | Qt::AlignVCenter, DayText(points_.back()));

    // Years of sessions have more points than the chart has pixels: each
    // pixel column then draws the range of its points, which looks the same
    // and keeps painting quick.
    QPolygonF line;
    const bool dense = static_cast<double>(points_.size()) > area.width();
    line.reserve(static_cast<qsizetype>(dense ? 4 * area.width() + 4 : static_cast<double>(points_.size())));
    for (std::size_t i = 0; i < points_.size();) {
        const qreal column = dense ? std::floor(x(points_[i])) : x(points_[i]);
        double lowest = points_[i].value, highest = lowest;
        const double firstValue = lowest;
        std::size_t next = i + 1;
        while (dense && next < points_.size() && std::floor(x(points_[next])) == column) {
            lowest = std::min(lowest, points_[next].value);
            highest = std::max(highest, points_[next].value);
            ++next;
        }
        const double lastValue = points_[next - 1].value;
        line << QPointF(column, y(firstValue));
        if (next - i > 1)
            line << QPointF(column, y(lowest)) << QPointF(column, y(highest)) << QPointF(column, y(lastValue));
        i = next;
    }
    painter.setPen(
        QPen(lineColor, pen, Qt::SolidLine, dense ? Qt::FlatCap : Qt::RoundCap, dense ? Qt::BevelJoin : Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
    // Dots only where they stay apart; a long span is read as a line.
    const qreal dot = pen * 1.6;
    if (area.width() / static_cast<double>(points_.size()) > dot * 3) {
        painter.setBrush(lineColor);
        for (const ChartPoint& p : points_)
            painter.drawEllipse(QPointF(x(p), y(p.value)), dot, dot);
    }

    if (best_) {
        const ChartPoint& p = points_[*best_];
        const QPointF at(x(p), y(p.value));
        const qreal ring = fm.height() * 0.4;
        painter.setPen(QPen(text, pen));
        painter.setBrush(pal.color(QPalette::Base));
        painter.drawEllipse(at, ring, ring);
        painter.setBrush(lineColor);
        painter.drawEllipse(at, ring / 2, ring / 2);
        const QString label = bestWord_ + " " + valueText_(p.value);
        const int labelW = fm.horizontalAdvance(label);
        // Beside the mark, inside the chart, above it unless that leaves the plot.
        qreal left = std::clamp<qreal>(at.x() - labelW / 2.0, area.left(), area.right() - labelW);
        qreal top = at.y() - ring - fm.height();
        if (top < area.top() - fm.height() * 0.5)
            top = at.y() + ring;
        // On a patch of the background, so the line does not cross the text.
        const QRectF labelRect(left, top, labelW, fm.height());
        QColor patch = pal.color(QPalette::Base);
        patch.setAlphaF(0.8);
        painter.fillRect(labelRect.adjusted(-pad / 2.0, 0, pad / 2.0, 0), patch);
        painter.setPen(text);
        painter.drawText(labelRect, Qt::AlignCenter, label);
    }
}

} // namespace velmo
