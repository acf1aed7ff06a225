// The Progress views' charts as numbers, the same for every front end: the
// series a panel's page draws (every session's score; for a timed quiz also
// the share of right answers and the median response time), each with its
// best point; the round values of the value axis; and where each point, the
// line and the best point's label lie in a plot of a given size.  The front
// ends draw the result with their own means (QPainter, GDI, SVG), in their
// own fonts and colours.
#pragma once

#include "progress/progress_summary.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmo {

struct ChartPoint {
    std::int64_t unixMs = 0;
    std::int32_t offsetMinutes = 0; // of the local time the point was logged in
    double value = 0;
};

enum class ChartValue { Score, Share, Seconds };

struct ChartSeries {
    std::string_view title;    // "Score per session"
    std::string_view bestWord; // what the best point's label calls it: "best", "fastest"
    ChartValue value = ChartValue::Score;
    std::vector<ChartPoint> points; // oldest first
    std::optional<std::size_t> best;
};

// The charts of `panel`'s page for its sessions in a span: the score; for a
// timed quiz also the right answers (the highest best) and the median
// response time in seconds (the shortest best); for How to fold's runs the
// share of folds.
std::vector<ChartSeries> ChartsOf(const ScoreSeries& series, LogPanel panel);

// A value as the chart labels it: "12", "75 %", "1.5 s".
std::string ValueText(ChartValue value, double v);

// What a chart shows without points.
inline constexpr std::string_view kNoSessionsText = "No sessions in this span";

// The value axis: round values (1, 2 or 5 times a power of ten apart) from
// `low` to `high`.
struct ChartAxis {
    double low = 0;
    double high = 1;
    double step = 1;
    std::vector<double> Ticks() const;
};

// The axis over `points` (at least one) for a plot `plotHeight` high whose
// labels are `lineHeight` high: as many steps as have room, at most four.
ChartAxis AxisFor(const std::vector<ChartPoint>& points, double plotHeight, double lineHeight);

struct PlotPoint {
    double x = 0;
    double y = 0; // downwards, as on a screen
};

// Where the points of a chart go: time across the plot's width (one point
// in the middle), values up its height.
class ChartPlot {
public:
    ChartPlot(const std::vector<ChartPoint>& points, const ChartAxis& axis, double left, double top, double right,
              double bottom);

    double X(const ChartPoint& point) const;
    double Y(double value) const;
    PlotPoint At(const ChartPoint& point) const { return {X(point), Y(point.value)}; }

    // The line through the points.  Years of sessions have more points than
    // the plot has pixel columns: then (`dense`) each column holds the range
    // of its points, first, lowest, highest and last, which looks the same
    // and keeps drawing quick.
    struct Line {
        std::vector<PlotPoint> points;
        bool dense = false;
    };
    Line LineThrough() const;
    // Whether dots of radius `dot` stay apart; a long span is read as a line.
    bool DotsFit(double dot) const;
    // The top left of the best point's label, `width` by `height`, beside
    // its mark of radius `ring`: above it unless that leaves the plot, and
    // inside the plot's width.
    PlotPoint LabelPlace(PlotPoint mark, double ring, double width, double height) const;

    double left() const { return left_; }
    double top() const { return top_; }
    double right() const { return right_; }
    double bottom() const { return bottom_; }

private:
    const std::vector<ChartPoint>& points_;
    ChartAxis axis_;
    double left_, top_, right_, bottom_;
};

} // namespace velmo
