#include "app/qt/progress_sessions_model.h"

#include "app/qt/progress_panel_page.h"

#include <QFont>

#include <cmath>

namespace velmo {
namespace {

enum Column { End, Score, Best, Share, Median };

} // namespace

QString PercentText(double share)
{
    return QString("%1 %").arg(std::lround(share * 100));
}

QString SecondsText(double ms)
{
    return QString("%1 s").arg(ms / 1000.0, 0, 'f', 1);
}

ProgressSessionsModel::ProgressSessionsModel(int columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(columns)
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
    return parent.isValid() ? 0 : columns_;
}

QString ProgressSessionsModel::Text(const SessionPoint& session, std::size_t row, int column) const
{
    switch (column) {
    case End: return LocalTimeText(session.time);
    case Score: return QString::number(session.score);
    case Best: return series_.best == row ? QString("best") : QString();
    case Share: return session.rightShare ? PercentText(*session.rightShare) : QString();
    case Median: return session.medianResponseMs ? SecondsText(*session.medianResponseMs) : QString();
    }
    return {};
}

QVariant ProgressSessionsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::DisplayRole)
        return Text(series_.sessions[row], row, index.column());
    if (role == Qt::FontRole && series_.best == row) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == End    ? Qt::AlignLeft | Qt::AlignVCenter
                                   : index.column() == Best ? Qt::AlignCenter
                                                            : Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ProgressSessionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const headers[] = {"Session end", "Score", "Best", "Right answers", "Median response"};
    if (section == Share && columns_ == Share + 1)
        return QString("Folds"); // How to fold's runs: its right answer is the fold
    return section >= 0 && section < columnCount() ? QVariant(headers[section]) : QVariant();
}

} // namespace velmo
