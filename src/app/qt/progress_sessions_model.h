// The sessions of one panel within the chosen span as a table model: the
// numbers the charts draw, for the keyboard and screen readers, in the
// cells progress/progress_texts.h writes.  A model rather than a cell per
// number, so that years of sessions cost nothing until they are scrolled
// into view.
#pragma once

#include "progress/progress_summary.h"

#include <QAbstractTableModel>

namespace velmo {

class ProgressSessionsModel : public QAbstractTableModel {
public:
    ProgressSessionsModel(LogPanel panel, QObject* parent = nullptr);

    void SetSeries(ScoreSeries series);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    LogPanel panel_;
    ScoreSeries series_;
};

} // namespace velmo
