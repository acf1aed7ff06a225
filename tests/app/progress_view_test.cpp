// The Progress view over a practice log held in a string: how it opens from
// the dialog, the numbers its tables show for a small known log, the log's
// switch and the state line.
#include "app/qt/progress_panel_page.h"
#include "app/qt/progress_view.h"
#include "preflop/preflop_panel.h"
#include "progress/log_records.h"
#include "support/string_practice_log.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

namespace velmo::test {

class ProgressViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensFromTheShortcutAndTheContextMenu();
    void tablesShowTheLogsNumbers();
    void toggleTurnsTheLogOnAndOff();
    void stateLineTellsFailuresAndSkippedLines();
    void emptyOrOffLogShowsAnEmptyState();
    void everyControlHasAnAccessibleName();
};

namespace {

QStringList Row(const QTableView* table, int row)
{
    QStringList cells;
    const QAbstractItemModel* model = table->model();
    for (int column = 0; column < model->columnCount(); ++column)
        cells << model->index(row, column).data().toString();
    return cells;
}

int Rows(const QTableView* table)
{
    return table->model()->rowCount();
}

} // namespace

void ProgressViewTest::opensFromTheShortcutAndTheContextMenu()
{
    Window w;
    w.ShowActive();
    // The trainers' own log from the start; without any there is nothing to show.
    QVERIFY(w.dialog->progressAction()->isEnabled());
    w.dialog->SetPracticeLog(nullptr);
    QVERIFY(!w.dialog->progressAction()->isEnabled());
    QTest::keyClick(w.dialog.get(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(!w.dialog->progressView());

    StringPracticeLog log(KnownProgressLog(), kNow);
    w.dialog->SetPracticeLog(&log);
    QTest::keyClick(w.Button(ids::kPreflopHelp), Qt::Key_P, Qt::ControlModifier);
    ProgressView* view = w.dialog->progressView();
    QVERIFY(view);
    QVERIFY(view->isVisible());
    QVERIFY(view->isWindow());
    QCOMPARE(view->windowTitle(), QString("Velmorandine Progress"));
    QCOMPARE(log.summaries, 1);
    view->close();

    // Right-clicking a panel's background offers the entry with its shortcut.
    QString entry;
    QTimer::singleShot(0, this, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            if (action->isShortcutVisibleInContextMenu() && action->text().contains("Progress")) {
                entry = action->text() + " " + action->shortcut().toString();
                menu->setActiveAction(action);
            }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QGroupBox* panel = w.dialog->findChildren<QGroupBox*>().front();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 30), panel->mapToGlobal(QPoint(5, 30)));
    QApplication::sendEvent(panel, &click);
    QCOMPARE(entry, QString("&Progress... Ctrl+P"));
    QCOMPARE(w.dialog->progressView(), view); // the one instance, read afresh
    QVERIFY(view->isVisible());
    QCOMPARE(log.summaries, 2);
}

void ProgressViewTest::tablesShowTheLogsNumbers()
{
    StringPracticeLog log(KnownProgressLog(), kNow);
    ProgressView view(log);
    view.show();
    QCOMPARE(log.summaries, 1); // read once per opening, not once per span

    const ProgressPanelPage* preflop = view.Page(LogPanel::Preflop);
    const QTableView* sessions = preflop->sessionsTable();
    QCOMPARE(Rows(sessions), 2);
    QCOMPARE(Row(sessions, 0), (QStringList{"2026-12-06 14:03", "50", "best", "75 %", "0.5 s"}));
    QCOMPARE(Row(sessions, 1), (QStringList{"2026-12-08 14:03", "30", "", "60 %", "0.8 s"}));

    const QTableView* mistakes = preflop->mistakesTable();
    QCOMPARE(Rows(mistakes), 2);
    QCOMPARE(Row(mistakes, 0), (QStringList{"situation 2", "Fold", "Raise", "0.6 s"}));
    QCOMPARE(Row(mistakes, 1), (QStringList{"situation 4", "Fold", "Call", "1.0 s"}));
    const QTableView* groups = preflop->groupsTable();
    QCOMPARE(Rows(groups), 2);
    QCOMPARE(Row(groups, 0), (QStringList{"Raise", "2"}));
    QCOMPARE(Row(groups, 1), (QStringList{"Call", "1"}));

    // The span picks sessions; the best is the best within it.
    const QTableView* range = view.Page(LogPanel::Range)->sessionsTable();
    QCOMPARE(Rows(range), 1);
    view.spanBox()->setCurrentIndex(static_cast<int>(ProgressSpan::Everything));
    QCOMPARE(Rows(range), 2);
    QCOMPARE(Row(range, 0), (QStringList{"2026-10-30 14:03", "12", ""}));
    QCOMPARE(Row(range, 1), (QStringList{"2026-12-07 14:03", "20", "best"}));
    view.spanBox()->setCurrentIndex(static_cast<int>(ProgressSpan::LastWeek));
    QCOMPARE(Rows(sessions), 2);
    QCOMPARE(Rows(range), 1);
    QCOMPARE(log.summaries, 1);
    QCOMPARE(Rows(view.Page(LogPanel::Tournament)->sessionsTable()), 0);
    // How to fold's run: its last press's score, and how many presses folded.
    QCOMPARE(Row(view.Page(LogPanel::Fold)->sessionsTable(), 0),
             (QStringList{"2026-12-09 14:03", "-3", "best", "50 %"}));
}

void ProgressViewTest::toggleTurnsTheLogOnAndOff()
{
    StringPracticeLog log(KnownProgressLog(), kNow);
    ProgressView view(log);
    bool answer = false;
    view.SetConfirm([&](const QString&) { return answer; });
    view.show();
    QCOMPARE(view.toggleButton()->accessibleName(), QString("Stop the practice log"));

    view.toggleButton()->click(); // declined: the history stays
    QCOMPARE(log.turnOffs, 0);
    QVERIFY(log.on);
    answer = true;
    view.toggleButton()->click();
    QCOMPARE(log.turnOffs, 1);
    QVERIFY(view.stateLine()->text().startsWith("The practice log is off"));
    QCOMPARE(view.toggleButton()->accessibleName(), QString("Keep a practice log"));
    QCOMPARE(Rows(view.Page(LogPanel::Preflop)->sessionsTable()), 0);

    view.toggleButton()->click();
    QCOMPARE(log.turnOns, 1);
    QCOMPARE(view.stateLine()->text(), QString("The practice log is on and written."));
}

void ProgressViewTest::stateLineTellsFailuresAndSkippedLines()
{
    StringPracticeLog log(KnownProgressLog(), kNow);
    log.failing = LocalTime{kNow - kDay - 60 * 60 * 1000, 60};
    ProgressView view(log);
    view.show();
    const QString state = view.stateLine()->text();
    QVERIFY2(state.contains("could not be written since 2026-12-08 13:03"), qPrintable(state));
    QVERIFY2(state.contains("1 unreadable line was skipped"), qPrintable(state));

    log.failing.reset();
    log.text += "\x01\x02 binary\n";
    view.Refresh();
    QVERIFY2(view.stateLine()->text().startsWith("The practice log is on and written. 2 unreadable lines were"),
             qPrintable(view.stateLine()->text()));
}

void ProgressViewTest::emptyOrOffLogShowsAnEmptyState()
{
    for (const bool on : {false, true}) {
        StringPracticeLog log(on ? LogHeaderLine() : std::string(), kNow);
        log.on = on;
        ProgressView view(log);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.stateLine()->text().startsWith("The practice log is off"), !on);
        for (LogPanel panel : {LogPanel::Preflop, LogPanel::Range, LogPanel::Patience})
            QCOMPARE(Rows(view.Page(panel)->sessionsTable()), 0);
        const ProgressPanelPage* odds = view.Page(LogPanel::Odds);
        QVERIFY(odds->mistakesTable()->isHidden());
        bool said = false;
        for (const QLabel* label : odds->findChildren<QLabel*>())
            said = said || label->text() == "No finished session yet.";
        QVERIFY(said);
        view.grab(); // every chart paints its empty state
    }
}

// What Tab reaches, a screen reader must be able to name: buttons, the span,
// the state line, the tables, the tabs.
void ProgressViewTest::everyControlHasAnAccessibleName()
{
    StringPracticeLog log(KnownProgressLog(), kNow);
    ProgressView view(log);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const auto namedControls = [&] {
        int reached = 0;
        for (QWidget* widget : view.findChildren<QWidget*>()) {
            if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(&view) ||
                qobject_cast<QScrollBar*>(widget))
                continue;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
            if (!iface || iface->text(QAccessible::Name).isEmpty()) {
                qWarning() << "unnamed" << widget;
                return -1;
            }
            ++reached;
        }
        return reached;
    };
    // Span, three buttons, the state line, the tab bar and the visible tables at least.
    const int before = namedControls();
    QVERIFY(before >= 8);

    // Export shows where the file is, in words a screen reader reads too.
    QPushButton* exportButton = nullptr;
    for (QPushButton* button : view.findChildren<QPushButton*>())
        if (button->accessibleName() == "Export")
            exportButton = button;
    QVERIFY(exportButton);
    exportButton->click();
    auto* location = view.findChild<QLabel*>("logLocation");
    QVERIFY(location->isVisibleTo(&view));
    QVERIFY(location->accessibleName().contains(QString::fromStdString(log.Location())));
    QCOMPARE(namedControls(), before + 2); // the place and the button that opens its folder
}

} // namespace velmo::test

QTEST_MAIN(velmo::test::ProgressViewTest)
#include "progress_view_test.moc"
