// One series of the Progress view drawn as a line chart: a value per
// session over time, the best point marked.  Drawn with QPainter in the
// widget's own palette and font, so it follows dark mode and any device
// pixel ratio; the table beside it holds the same numbers for the keyboard
// and screen readers.
#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace velmo {

struct ChartPoint {
    std::int64_t unixMs = 0;
    std::int32_t offsetMinutes = 0; // of the local time the point was logged in
    double value = 0;
};

class ProgressChart : public QWidget {
public:
    explicit ProgressChart(const QString& title, QWidget* parent = nullptr);

    // How an axis value reads (a score, a percentage, seconds).
    void SetValueText(std::function<QString(double)> valueText) { valueText_ = std::move(valueText); }
    // What the best point's label calls it ("best", "fastest").
    void SetBestWord(const QString& word) { bestWord_ = word; }
    // `best`: the point to mark, if any; points oldest first.
    void SetPoints(std::vector<ChartPoint> points, std::optional<std::size_t> best);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    std::function<QString(double)> valueText_;
    QString bestWord_ = "best";
    std::vector<ChartPoint> points_;
    std::optional<std::size_t> best_;
};

} // namespace velmo
