// One series of the Progress view drawn as a line chart: a value per
// session over time, the best point marked.  The numbers (the axis, where
// the points and the label go) come from progress/progress_charts.h; this
// draws them with QPainter in the widget's own palette and font, so it
// follows dark mode and any device pixel ratio.  The table beside it holds
// the same numbers for the keyboard and screen readers.
#pragma once

#include "progress/progress_charts.h"

#include <QWidget>

namespace velmo {

class ProgressChart : public QWidget {
public:
    explicit ProgressChart(const QString& title, QWidget* parent = nullptr);

    // Draws `series` (its points oldest first, its best marked).
    void SetSeries(ChartSeries series);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartSeries series_;
};

} // namespace velmo
