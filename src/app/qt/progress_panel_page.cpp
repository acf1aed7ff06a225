#include "app/qt/progress_panel_page.h"

#include "app/qt/progress_chart.h"
#include "app/qt/progress_sessions_model.h"

#include <QDateTime>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableWidget>
#include <QTimeZone>
#include <QTimer>
#include <QVBoxLayout>

namespace velmo {
namespace {

void Configure(QTableView* table, const QString& name)
{
    table->setObjectName(name);
    table->setAccessibleName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false); // Tab leaves the table, the arrows move within it
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Measuring the rows in view is enough for cells of one kind each, and
    // spares measuring thousands of sessions over everything.
    table->horizontalHeader()->setResizeContentsPrecision(0);
    table->horizontalHeader()->setStretchLastSection(true);
}

// The sessions' columns as wide as their headers or their widest cells in
// the best session's bold letters, measured once rather than over the rows,
// and the table just wide enough for them.
void SizeSessionColumns(QTableView* table)
{
    QFont bold = table->font();
    bold.setBold(true);
    const QFontMetrics fm(bold);
    static const char* const widest[] = {"2026-12-31 23:59", "-9999", "best", "100 %", "99.9 s"};
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    table->setWordWrap(false);
    int width = 2 * table->frameWidth() + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table);
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        const int columnWidth =
            std::max(header->sectionSizeHint(column), fm.horizontalAdvance(widest[column]) + fm.averageCharWidth() * 2);
        table->setColumnWidth(column, columnWidth);
        width += columnWidth;
    }
    table->setFixedWidth(width);
}

QTableWidget* NewTable(const QString& name, const QStringList& headers, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    Configure(table, name);
    return table;
}

void SetCell(QTableWidget* table, int row, int column, const QString& text,
             Qt::Alignment align = Qt::AlignRight | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align);
    table->setItem(row, column, item);
}

QLabel* NewHeading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

QString LocalTimeText(const LocalTime& time)
{
    return QDateTime::fromMSecsSinceEpoch(time.unixMs, QTimeZone(time.offsetMinutes * 60)).toString("yyyy-MM-dd HH:mm");
}

bool ProgressPanelPage::IsTimedQuiz(LogPanel panel)
{
    return panel == LogPanel::Preflop || panel == LogPanel::Tournament || panel == LogPanel::Odds;
}

ProgressPanelPage::ProgressPanelPage(LogPanel panel, const QString& caption, QWidget* parent)
    : QWidget(parent), panel_(panel)
{
    setAccessibleName(caption);
    auto* page = new QVBoxLayout(this);
    const bool quiz = IsTimedQuiz(panel);
    // How to fold's runs have a share of folds but no response times.
    const bool fold = panel == LogPanel::Fold;
    auto* charts = new QGridLayout;
    scoreChart_ = new ProgressChart(fold ? "Score per run" : "Score per session", this);
    charts->addWidget(scoreChart_, 0, 0);
    if (quiz || fold) {
        shareChart_ = new ProgressChart(fold ? "Folds" : "Right answers", this);
        shareChart_->SetValueText(PercentText);
        charts->addWidget(shareChart_, 1, 0);
    }
    if (quiz) {
        medianChart_ = new ProgressChart("Median response time", this);
        medianChart_->SetValueText([](double seconds) { return QString("%1 s").arg(seconds, 0, 'g', 3); });
        medianChart_->SetBestWord("fastest");
        charts->addWidget(medianChart_, 2, 0);
    }
    // The tab names the panel on screen; a screen reader hears it too.
    for (ProgressChart* chart : {scoreChart_, shareChart_, medianChart_})
        if (chart)
            chart->setAccessibleName(caption + ": " + chart->accessibleName());
    sessionsModel_ = new ProgressSessionsModel(quiz ? 5 : fold ? 4 : 3, this);
    sessions_ = new QTableView(this);
    sessions_->setModel(sessionsModel_);
    Configure(sessions_, caption + " sessions");
    SizeSessionColumns(sessions_);
    charts->addWidget(sessions_, 0, 1, quiz ? 3 : fold ? 2 : 1, 1);
    charts->setColumnStretch(0, 3);
    charts->setColumnStretch(1, 0); // the table as wide as its columns, the charts the rest
    page->addWidget(NewHeading("Sessions", this));
    page->addLayout(charts, 3);
    if (!quiz)
        return;

    // The mistakes side by side below the sessions: the last session's
    // wide enough for its situations, the groups beside them.
    auto* mistakesColumn = new QVBoxLayout;
    mistakesColumn->addWidget(NewHeading("The last session's mistakes", this));
    mistakesNote_ = new QLabel(this);
    mistakesColumn->addWidget(mistakesNote_);
    mistakes_ = NewTable(caption + " last session's mistakes",
                         {"Situation", "Your answer", "Right answer", "Time taken"}, this);
    mistakes_->setWordWrap(true);
    mistakes_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    mistakes_->horizontalHeader()->setStretchLastSection(false);
    mistakesColumn->addWidget(mistakes_, 1);
    mistakesColumn->addStretch(0); // keeps the note at the top when there is no table
    // Wrapped situations need their rows' heights again whenever the table's
    // width changes (the window resized, the tab first shown).
    mistakes_->viewport()->installEventFilter(this);
    auto* groupsColumn = new QVBoxLayout;
    groupsColumn->addWidget(NewHeading("Last 30 days' mistakes by right answer", this));
    groupsNote_ = new QLabel(this);
    groupsNote_->setWordWrap(true);
    groupsColumn->addWidget(groupsNote_);
    groups_ = NewTable(caption + " mistakes by right answer", {"Right answer", "Mistakes"}, this);
    groupsColumn->addWidget(groups_, 1);
    groupsColumn->addStretch(0);
    for (QLabel* note : {mistakesNote_, groupsNote_})
        note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* bottom = new QHBoxLayout;
    bottom->setAlignment(Qt::AlignTop);
    bottom->addLayout(mistakesColumn, 5);
    bottom->addLayout(groupsColumn, 2);
    page->addLayout(bottom, 2);
}

bool ProgressPanelPage::eventFilter(QObject* watched, QEvent* event)
{
    // After the header has laid its columns out for the new width.
    if (mistakes_ && watched == mistakes_->viewport() && event->type() == QEvent::Resize)
        QTimer::singleShot(0, mistakes_, [table = mistakes_] { table->resizeRowsToContents(); });
    return QWidget::eventFilter(watched, event);
}

void ProgressPanelPage::Show(const ProgressSummary& summary, ProgressSpan span)
{
    if (!sessions_)
        return;
    ShowSessions(SessionsWithin(summary, panel_, span));
    if (mistakes_)
        ShowMistakes(summary.Of(panel_));
}

void ProgressPanelPage::ShowSessions(ScoreSeries series)
{
    std::vector<ChartPoint> scores, shares, medians;
    std::optional<std::size_t> bestShare, bestMedian;
    for (const SessionPoint& s : series.sessions) {
        scores.push_back({s.time.unixMs, s.time.offsetMinutes, static_cast<double>(s.score)});
        if (!shareChart_)
            continue;
        // The best share is the highest, the best response time the shortest.
        if (s.rightShare) {
            if (!bestShare || *s.rightShare > shares[*bestShare].value)
                bestShare = shares.size();
            shares.push_back({s.time.unixMs, s.time.offsetMinutes, *s.rightShare});
        }
        if (s.medianResponseMs) {
            if (!bestMedian || *s.medianResponseMs / 1000.0 < medians[*bestMedian].value)
                bestMedian = medians.size();
            medians.push_back({s.time.unixMs, s.time.offsetMinutes, *s.medianResponseMs / 1000.0});
        }
    }
    const bool any = !series.sessions.empty();
    const std::optional<std::size_t> best = series.best;
    sessionsModel_->SetSeries(std::move(series));
    // The newest session is the one a player looks for first.
    if (any)
        sessions_->scrollToBottom();
    scoreChart_->SetPoints(std::move(scores), best);
    if (shareChart_)
        shareChart_->SetPoints(std::move(shares), bestShare);
    if (medianChart_)
        medianChart_->SetPoints(std::move(medians), bestMedian);
}

void ProgressPanelPage::ShowMistakes(const PanelProgress& progress)
{
    const std::vector<Mistake>& last = progress.lastSessionMistakes;
    mistakesNote_->setText(progress.sessions.empty() ? QString("No finished session yet.")
                           : last.empty()            ? QString("None: every answer of the last session was right.")
                                                     : QString("%1 of the last session (ended %2):")
                                                .arg(last.size())
                                                .arg(LocalTimeText(progress.sessions.back().time)));
    mistakes_->setVisible(!last.empty());
    mistakes_->setRowCount(static_cast<int>(last.size()));
    for (std::size_t i = 0; i < last.size(); ++i) {
        const int row = static_cast<int>(i);
        const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
        SetCell(mistakes_, row, 0, QString::fromStdString(last[i].situation), left);
        SetCell(mistakes_, row, 1, QString::fromStdString(last[i].givenAnswer), left);
        SetCell(mistakes_, row, 2, QString::fromStdString(last[i].rightAnswer), left);
        SetCell(mistakes_, row, 3, last[i].responseMs ? SecondsText(static_cast<double>(*last[i].responseMs)) : "");
    }
    mistakes_->resizeRowsToContents();

    const std::vector<MistakeGroup>& groups = progress.recentMistakes;
    groupsNote_->setText(groups.empty() ? QString("No mistakes in the last 30 days.") : QString());
    groupsNote_->setVisible(groups.empty());
    groups_->setVisible(!groups.empty());
    groups_->setRowCount(static_cast<int>(groups.size()));
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const int row = static_cast<int>(i);
        SetCell(groups_, row, 0, QString::fromStdString(groups[i].rightAnswer), Qt::AlignLeft | Qt::AlignVCenter);
        SetCell(groups_, row, 1, QString::number(groups[i].count));
    }
}

} // namespace velmo
