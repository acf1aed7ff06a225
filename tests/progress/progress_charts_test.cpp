// The charts' numbers that every front end draws: round axis steps, the
// best of each series (the highest share, the shortest time), years of
// sessions drawn as one range per pixel column, and the texts of times.
#include "log_records.h"
#include "progress/progress_charts.h"
#include "progress/progress_texts.h"

#include <gtest/gtest.h>

namespace velmo::test {
namespace {

std::vector<ChartPoint> Values(std::initializer_list<double> values)
{
    std::vector<ChartPoint> points;
    for (double v : values)
        points.push_back({kNow + static_cast<std::int64_t>(points.size()) * kDay, 60, v});
    return points;
}

TEST(ProgressCharts, AxisTakesRoundStepsAsManyAsHaveRoom)
{
    const ChartAxis wide = AxisFor(Values({12, 41, 33}), 200, 10);
    EXPECT_EQ(wide.low, 10);
    EXPECT_EQ(wide.high, 50);
    EXPECT_EQ(wide.Ticks(), (std::vector<double>{10, 20, 30, 40, 50}));
    // Room for two steps only; one value alone still gets a step of room.
    EXPECT_EQ(AxisFor(Values({12, 41, 33}), 30, 10).step, 20);
    const ChartAxis flat = AxisFor(Values({7}), 200, 10);
    EXPECT_EQ(flat.Ticks(), (std::vector<double>{7, 8}));
}

TEST(ProgressCharts, QuizChartsMarkTheHighestShareAndTheShortestTime)
{
    ScoreSeries series;
    for (const auto& [score, share, median] : {std::tuple{10, 0.5, 900.0}, {30, 0.9, 700.0}, {20, 0.9, 600.0}})
        series.sessions.push_back({{kNow, 60}, score, false, 10, share, median});
    series.best = 1;
    const std::vector<ChartSeries> charts = ChartsOf(series, LogPanel::Odds);
    ASSERT_EQ(charts.size(), 3u);
    EXPECT_EQ(charts[0].best, 1u);
    EXPECT_EQ(charts[1].best, 1u); // the first of two equal shares
    EXPECT_EQ(charts[2].best, 2u);
    EXPECT_EQ(charts[2].points[2].value, 0.6);
    EXPECT_EQ(ValueText(charts[2].value, 1.5), "1.5 s");
    EXPECT_EQ(ChartsOf(series, LogPanel::Range).size(), 1u);
}

TEST(ProgressCharts, MorePointsThanPixelsDrawOneRangePerColumn)
{
    std::vector<ChartPoint> points = Values({});
    for (int i = 0; i < 1000; ++i)
        points.push_back({kNow + i * kDay, 60, static_cast<double>(i % 7)});
    const ChartAxis axis = AxisFor(points, 100, 10);
    const ChartPlot::Line line = ChartPlot(points, axis, 0, 0, 100, 100).LineThrough();
    EXPECT_TRUE(line.dense);
    EXPECT_LE(line.points.size(), 4u * 101);
    EXPECT_FALSE(ChartPlot(Values({1, 2}), axis, 0, 0, 100, 100).LineThrough().dense);
}

TEST(ProgressTexts, TimesRoundTheirHalvesUpAndKeepTheLoggedOffset)
{
    EXPECT_EQ(SecondsText(1250), "1.3 s");
    EXPECT_EQ(SecondsText(1905), "1.9 s");
    EXPECT_EQ(SecondsText(40), "0.0 s");
    EXPECT_EQ(LocalTimeText({kNow, 60}), "2026-12-09 14:03");
    EXPECT_EQ(LocalTimeText({kNow, -300}), "2026-12-09 08:03");
    EXPECT_EQ(PercentText(0.625), "63 %");
}

} // namespace
} // namespace velmo::test
