#include "app/qt/progress_chart.h"

#include "progress/progress_texts.h"

#include <QPainter>

#include <algorithm>

namespace velmo {

ProgressChart::ProgressChart(const QString& title, QWidget* parent) : QWidget(parent)
{
    setAccessibleName(title);
    // The table beside the chart is what the keyboard reaches.
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ProgressChart::SetSeries(ChartSeries series)
{
    series_ = std::move(series);
    if (series_.best && *series_.best >= series_.points.size())
        series_.best.reset();
    setAccessibleDescription(series_.points.empty() ? QString::fromUtf8(kNoSessionsText)
                                                    : QString("%1 sessions").arg(series_.points.size()));
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
    painter.drawText(QRect(pad, 0, width() - 2 * pad, fm.height() + pad / 2), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromUtf8(series_.title));

    const std::vector<ChartPoint>& points = series_.points;
    if (points.empty()) {
        painter.setPen(pal.color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter, QString::fromUtf8(kNoSessionsText));
        return;
    }

    // The plot's height first: it decides how many grid lines have room.
    const double top = fm.height() * 1.6, bottom = height() - fm.height() * 1.6;
    const ChartAxis axis = AxisFor(points, bottom - top, fm.height());
    const std::vector<double> ticks = axis.Ticks();
    int labelWidth = 0;
    for (double v : ticks)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(QString::fromUtf8(ValueText(series_.value, v))));
    const ChartPlot plot(points, axis, pad + labelWidth + pad, top, width() - pad * 2, bottom);
    if (plot.right() - plot.left() < 4 || plot.bottom() - plot.top() < 4)
        return;

    for (double v : ticks) {
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(plot.left(), plot.Y(v)), QPointF(plot.right(), plot.Y(v)));
        painter.setPen(text);
        painter.drawText(QRectF(pad, plot.Y(v) - fm.height() / 2.0, labelWidth, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(ValueText(series_.value, v)));
    }
    painter.setPen(text);
    const QRectF dates(plot.left(), plot.bottom() + fm.height() * 0.3, plot.right() - plot.left(), fm.height());
    painter.drawText(dates, Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromUtf8(DayText({points.front().unixMs, points.front().offsetMinutes})));
    if (points.size() > 1 && fm.horizontalAdvance("0000-00-00") * 2 + pad * 4 < dates.width())
        painter.drawText(dates, Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromUtf8(DayText({points.back().unixMs, points.back().offsetMinutes})));

    const ChartPlot::Line line = plot.LineThrough();
    QPolygonF polyline;
    polyline.reserve(static_cast<qsizetype>(line.points.size()));
    for (const PlotPoint& p : line.points)
        polyline << QPointF(p.x, p.y);
    painter.setPen(QPen(lineColor, pen, Qt::SolidLine, line.dense ? Qt::FlatCap : Qt::RoundCap,
                        line.dense ? Qt::BevelJoin : Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(polyline);
    const qreal dot = pen * 1.6;
    if (plot.DotsFit(dot)) {
        painter.setBrush(lineColor);
        for (const ChartPoint& p : points)
            painter.drawEllipse(QPointF(plot.X(p), plot.Y(p.value)), dot, dot);
    }

    if (series_.best) {
        const ChartPoint& p = points[*series_.best];
        const QPointF at(plot.X(p), plot.Y(p.value));
        const qreal ring = fm.height() * 0.4;
        painter.setPen(QPen(text, pen));
        painter.setBrush(pal.color(QPalette::Base));
        painter.drawEllipse(at, ring, ring);
        painter.setBrush(lineColor);
        painter.drawEllipse(at, ring / 2, ring / 2);
        const QString label =
            QString::fromUtf8(series_.bestWord) + " " + QString::fromUtf8(ValueText(series_.value, p.value));
        const int labelW = fm.horizontalAdvance(label);
        const PlotPoint place = plot.LabelPlace({at.x(), at.y()}, ring, labelW, fm.height());
        // On a patch of the background, so the line does not cross the text.
        const QRectF labelRect(place.x, place.y, labelW, fm.height());
        QColor patch = pal.color(QPalette::Base);
        patch.setAlphaF(0.8);
        painter.fillRect(labelRect.adjusted(-pad / 2.0, 0, pad / 2.0, 0), patch);
        painter.setPen(text);
        painter.drawText(labelRect, Qt::AlignCenter, label);
    }
}

} // namespace velmo
