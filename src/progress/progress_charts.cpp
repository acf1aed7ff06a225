#include "progress/progress_charts.h"

#include "progress/progress_texts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace velmo {
namespace {

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

ChartPoint PointOf(const SessionPoint& session, double value)
{
    return {session.time.unixMs, session.time.offsetMinutes, value};
}

} // namespace

std::vector<ChartSeries> ChartsOf(const ScoreSeries& series, LogPanel panel)
{
    std::vector<ChartSeries> charts;
    // How to fold's sessions are the program's runs, its right answer the fold.
    const bool fold = panel == LogPanel::Fold;
    ChartSeries& scores = charts.emplace_back(
        ChartSeries{fold ? "Score per run" : "Score per session", "best", ChartValue::Score, {}, series.best});
    for (const SessionPoint& s : series.sessions)
        scores.points.push_back(PointOf(s, static_cast<double>(s.score)));
    if (!IsTimedQuiz(panel) && !fold)
        return charts;

    ChartSeries shares{fold ? "Folds" : "Right answers", "best", ChartValue::Share, {}, std::nullopt};
    ChartSeries medians{"Median response time", "fastest", ChartValue::Seconds, {}, std::nullopt};
    for (const SessionPoint& s : series.sessions) {
        // The best share is the highest, the best response time the shortest.
        if (s.rightShare) {
            if (!shares.best || *s.rightShare > shares.points[*shares.best].value)
                shares.best = shares.points.size();
            shares.points.push_back(PointOf(s, *s.rightShare));
        }
        if (s.medianResponseMs) {
            const double seconds = *s.medianResponseMs / 1000.0;
            if (!medians.best || seconds < medians.points[*medians.best].value)
                medians.best = medians.points.size();
            medians.points.push_back(PointOf(s, seconds));
        }
    }
    charts.push_back(std::move(shares));
    if (!fold)
        charts.push_back(std::move(medians));
    return charts;
}

std::string ValueText(ChartValue value, double v)
{
    char text[32];
    switch (value) {
    case ChartValue::Share: return PercentText(v);
    case ChartValue::Seconds: std::snprintf(text, sizeof text, "%.3g s", v); return text;
    case ChartValue::Score: break;
    }
    std::snprintf(text, sizeof text, "%g", v == 0 ? 0.0 : v); // no "-0"
    return text;
}

std::vector<double> ChartAxis::Ticks() const
{
    std::vector<double> ticks;
    // Counted rather than summed, so that no step's rounding adds up.
    const auto count = static_cast<int>(std::lround((high - low) / step));
    for (int i = 0; i <= count; ++i)
        ticks.push_back(low + step * i);
    return ticks;
}

ChartAxis AxisFor(const std::vector<ChartPoint>& points, double plotHeight, double lineHeight)
{
    double low = points.front().value, high = low;
    for (const ChartPoint& p : points) {
        low = std::min(low, p.value);
        high = std::max(high, p.value);
    }
    const int parts = std::min(4, static_cast<int>(plotHeight / (lineHeight * 1.5)));
    const double step = GridStep(high - low, parts);
    low = std::floor(low / step) * step;
    high = std::max(std::ceil(high / step) * step, low + step);
    return {low, high, step};
}

ChartPlot::ChartPlot(const std::vector<ChartPoint>& points, const ChartAxis& axis, double left, double top,
                     double right, double bottom)
    : points_(points), axis_(axis), left_(left), top_(top), right_(right), bottom_(bottom)
{
}

double ChartPlot::X(const ChartPoint& point) const
{
    const std::int64_t first = points_.front().unixMs, last = points_.back().unixMs;
    if (last == first)
        return (left_ + right_) / 2;
    return left_ + (right_ - left_) * static_cast<double>(point.unixMs - first) / static_cast<double>(last - first);
}

double ChartPlot::Y(double value) const
{
    return bottom_ - (bottom_ - top_) * (value - axis_.low) / (axis_.high - axis_.low);
}

ChartPlot::Line ChartPlot::LineThrough() const
{
    Line line;
    line.dense = static_cast<double>(points_.size()) > right_ - left_;
    for (std::size_t i = 0; i < points_.size();) {
        const double column = line.dense ? std::floor(X(points_[i])) : X(points_[i]);
        double lowest = points_[i].value, highest = lowest;
        const double firstValue = lowest;
        std::size_t next = i + 1;
        while (line.dense && next < points_.size() && std::floor(X(points_[next])) == column) {
            lowest = std::min(lowest, points_[next].value);
            highest = std::max(highest, points_[next].value);
            ++next;
        }
        const double lastValue = points_[next - 1].value;
        line.points.push_back({column, Y(firstValue)});
        if (next - i > 1) {
            line.points.push_back({column, Y(lowest)});
            line.points.push_back({column, Y(highest)});
            line.points.push_back({column, Y(lastValue)});
        }
        i = next;
    }
    return line;
}

bool ChartPlot::DotsFit(double dot) const
{
    return (right_ - left_) / static_cast<double>(points_.size()) > dot * 3;
}

PlotPoint ChartPlot::LabelPlace(PlotPoint mark, double ring, double width, double height) const
{
    const double left = std::clamp(mark.x - width / 2, left_, std::max(left_, right_ - width));
    double top = mark.y - ring - height;
    if (top < top_ - height * 0.5)
        top = mark.y + ring;
    return {left, top};
}

} // namespace velmo
