#include "app/qt/progress_sessions_model.h"

#include "progress/progress_texts.h"

#include <QFont>

namespace velmo {

ProgressSessionsModel::ProgressSessionsModel(LogPanel panel, QObject* parent)
    : QAbstractTableModel(parent), panel_(panel)
{
}

void ProgressSessionsModel::SetSeries(ScoreSeries series)
{
    beginResetModel();
    series_ = std::move(series);
    endResetModel();
}

int ProgressSessionsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(series_.sessions.size());
}

int ProgressSessionsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(SessionColumnCount(panel_));
}

QVariant ProgressSessionsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<SessionColumn>(index.column());
    if (role == Qt::DisplayRole)
        return QString::fromStdString(SessionCell(series_, row, column));
    if (role == Qt::FontRole && series_.best == row) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(column == SessionColumn::End    ? Qt::AlignLeft | Qt::AlignVCenter
                                   : column == SessionColumn::Best ? Qt::AlignCenter
                                                                   : Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ProgressSessionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= columnCount())
        return {};
    return QString::fromUtf8(SessionHeader(panel_, static_cast<SessionColumn>(section)));
}

} // namespace velmo
