// The sessions of one panel within the chosen span as a table model: the
// numbers the charts draw, for the keyboard and screen readers.  A model
// rather than a cell per number, so that years of sessions cost nothing
// until they are scrolled into view.
#pragma once

#include "progress/progress_summary.h"

#include <QAbstractTableModel>

namespace velmo {

class ProgressSessionsModel : public QAbstractTableModel {
public:
    // `columns`: 3 for the session's end, score and best; 4 with the share
    // of right answers (How to fold's folds); 5 with the median response
    // time too (the timed quizzes).
    ProgressSessionsModel(int columns, QObject* parent = nullptr);

    void SetSeries(ScoreSeries series);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString Text(const SessionPoint& session, std::size_t row, int column) const;

    int columns_;
    ScoreSeries series_;
};

// How the view writes a share of right answers and a time in milliseconds.
QString PercentText(double share);
QString SecondsText(double ms);

} // namespace velmo
