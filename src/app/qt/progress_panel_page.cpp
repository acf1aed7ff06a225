#include "app/qt/progress_panel_page.h"

#include "app/qt/progress_chart.h"
#include "app/qt/progress_sessions_model.h"
#include "progress/progress_charts.h"
#include "progress/progress_texts.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace velmo {
namespace {

template <std::size_t N> QStringList Headers(const std::array<std::string_view, N>& headers)
{
    QStringList list;
    for (std::string_view header : headers)
        list << QString::fromUtf8(header);
    return list;
}

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
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    table->setWordWrap(false);
    int width = 2 * table->frameWidth() + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table);
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        const int columnWidth =
            std::max(header->sectionSizeHint(column),
                     fm.horizontalAdvance(QString::fromUtf8(kSessionWidestCells[static_cast<std::size_t>(column)])) +
                         fm.averageCharWidth() * 2);
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

ProgressPanelPage::ProgressPanelPage(LogPanel panel, const QString& caption, QWidget* parent)
    : QWidget(parent), panel_(panel)
{
    setAccessibleName(caption);
    auto* page = new QVBoxLayout(this);
    const bool quiz = IsTimedQuiz(panel);
    auto* charts = new QGridLayout;
    // The charts of an empty span name the series this panel draws.
    for (const ChartSeries& series : ChartsOf({}, panel)) {
        auto* chart = new ProgressChart(QString::fromUtf8(series.title), this);
        // The tab names the panel on screen; a screen reader hears it too.
        chart->setAccessibleName(caption + ": " + chart->accessibleName());
        charts->addWidget(chart, static_cast<int>(charts_.size()), 0);
        charts_.push_back(chart);
    }
    sessionsModel_ = new ProgressSessionsModel(panel, this);
    sessions_ = new QTableView(this);
    sessions_->setModel(sessionsModel_);
    Configure(sessions_, caption + " sessions");
    SizeSessionColumns(sessions_);
    charts->addWidget(sessions_, 0, 1, static_cast<int>(charts_.size()), 1);
    charts->setColumnStretch(0, 3);
    charts->setColumnStretch(1, 0); // the table as wide as its columns, the charts the rest
    page->addWidget(NewHeading(QString::fromUtf8(kSessionsHeading), this));
    page->addLayout(charts, 3);
    if (!quiz)
        return;

    // The mistakes side by side below the sessions: the last session's
    // wide enough for its situations, the groups beside them.
    auto* mistakesColumn = new QVBoxLayout;
    mistakesColumn->addWidget(NewHeading(QString::fromUtf8(kLastMistakesHeading), this));
    mistakesNote_ = new QLabel(this);
    mistakesColumn->addWidget(mistakesNote_);
    mistakes_ = NewTable(caption + " last session's mistakes", Headers(kMistakeHeaders), this);
    mistakes_->setWordWrap(true);
    mistakes_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    mistakes_->horizontalHeader()->setStretchLastSection(false);
    mistakesColumn->addWidget(mistakes_, 1);
    mistakesColumn->addStretch(0); // keeps the note at the top when there is no table
    // Wrapped situations need their rows' heights again whenever the table's
    // width changes (the window resized, the tab first shown).
    mistakes_->viewport()->installEventFilter(this);
    auto* groupsColumn = new QVBoxLayout;
    groupsColumn->addWidget(NewHeading(QString::fromUtf8(kRecentMistakesHeading), this));
    groupsNote_ = new QLabel(this);
    groupsNote_->setWordWrap(true);
    groupsColumn->addWidget(groupsNote_);
    groups_ = NewTable(caption + " mistakes by right answer", Headers(kMistakeGroupHeaders), this);
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
    std::vector<ChartSeries> charts = ChartsOf(series, panel_);
    const bool any = !series.sessions.empty();
    sessionsModel_->SetSeries(std::move(series));
    // The newest session is the one a player looks for first.
    if (any)
        sessions_->scrollToBottom();
    for (std::size_t i = 0; i < charts_.size() && i < charts.size(); ++i)
        charts_[i]->SetSeries(std::move(charts[i]));
}

void ProgressPanelPage::ShowMistakes(const PanelProgress& progress)
{
    const std::vector<Mistake>& last = progress.lastSessionMistakes;
    mistakesNote_->setText(QString::fromStdString(LastMistakesNote(progress)));
    mistakes_->setVisible(!last.empty());
    mistakes_->setRowCount(static_cast<int>(last.size()));
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    for (std::size_t i = 0; i < last.size(); ++i) {
        const int row = static_cast<int>(i);
        const std::array<std::string, 4> cells = MistakeCells(last[i]);
        for (int column = 0; column < 4; ++column)
            SetCell(mistakes_, row, column, QString::fromStdString(cells[static_cast<std::size_t>(column)]),
                    column < 3 ? left : Qt::AlignRight | Qt::AlignVCenter);
    }
    mistakes_->resizeRowsToContents();

    const std::vector<MistakeGroup>& groups = progress.recentMistakes;
    groupsNote_->setText(QString::fromUtf8(RecentMistakesNote(progress)));
    groupsNote_->setVisible(groups.empty());
    groups_->setVisible(!groups.empty());
    groups_->setRowCount(static_cast<int>(groups.size()));
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const int row = static_cast<int>(i);
        SetCell(groups_, row, 0, QString::fromStdString(groups[i].rightAnswer), left);
        SetCell(groups_, row, 1, QString::number(groups[i].count));
    }
}

} // namespace velmo
