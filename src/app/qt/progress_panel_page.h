// One scoring panel's page of the Progress view: its sessions' scores (and,
// for a timed quiz, the share of right answers and the median response
// time) as charts, each beside a table of the same numbers; for a timed
// quiz also the last finished session's mistakes and the last 30 days'
// mistakes grouped by the right answer.  It only shows a summary that the
// view has read; it never reads the log itself.  The numbers and words come
// from progress/progress_charts.h and progress_texts.h, as the other front
// ends' do.
#pragma once

#include "progress/progress_summary.h"

#include <QWidget>

#include <vector>

class QLabel;
class QTableView;
class QTableWidget;

namespace velmo {

class ProgressChart;
class ProgressSessionsModel;

class ProgressPanelPage : public QWidget {
public:
    ProgressPanelPage(LogPanel panel, const QString& caption, QWidget* parent = nullptr);

    // Shows the panel's part of `summary` within `span`.
    void Show(const ProgressSummary& summary, ProgressSpan span);

    // Where the tests and the screen reader find the numbers.
    QTableView* sessionsTable() const { return sessions_; }
    QTableWidget* mistakesTable() const { return mistakes_; }
    QTableWidget* groupsTable() const { return groups_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSessions(ScoreSeries series);
    void ShowMistakes(const PanelProgress& progress);

    LogPanel panel_;
    std::vector<ProgressChart*> charts_; // in ChartsOf's order
    ProgressSessionsModel* sessionsModel_ = nullptr;
    QTableView* sessions_ = nullptr;
    QLabel* mistakesNote_ = nullptr;
    QTableWidget* mistakes_ = nullptr;
    QLabel* groupsNote_ = nullptr;
    QTableWidget* groups_ = nullptr;
};

} // namespace velmo
