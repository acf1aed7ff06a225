// The cost of the window: constructing CTrainerDlg (with its TrainerSet and
// the start-up check), showing it and painting it once, against a bare
// QDialog that holds the same number of plain widgets of the same kinds at
// the same places.  Both are built in the same iteration, one after the
// other, so that the ratio of their medians comes from the same run.  Runs
// under the offscreen platform unless QT_QPA_PLATFORM says otherwise.
//
// And the Progress view opened over a practice log of 100,000 lines: read
// once, its pages filled for the last 30 days, shown and painted; then
// switched to everything (about 2,400 sessions a panel) and painted again.
#include "app/qt/progress_view.h"
#include "app/qt/trainer_dlg.h"
#include "app/qt/window_platform.h"
#include "bench_support.h"
#include "common/clock.h"
#include "common/file_system.h"
#include "generated_log.h"
#include "shell/trainer_set.h"
#include "support/string_practice_log.h"
#include "support/temp_work_dir.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <memory>
#include <vector>

namespace velmo::bench {
namespace {

enum class Kind { GroupBox, Button, LineEdit, MultiLineEdit, Label };

struct PlainControl {
    Kind kind;
    QString caption;
    QRect geometry;
};

struct Layout {
    QSize size;
    std::vector<PlainControl> controls;
};

// The kinds, captions and places of the real dialog's widgets.
Layout CopyLayout(const CTrainerDlg& dialog)
{
    Layout layout{dialog.size(), {}};
    for (QWidget* w : dialog.Widgets()) {
        if (auto* box = qobject_cast<QGroupBox*>(w))
            layout.controls.push_back({Kind::GroupBox, box->title(), w->geometry()});
        else if (auto* button = qobject_cast<QPushButton*>(w))
            layout.controls.push_back({Kind::Button, button->text(), w->geometry()});
        else if (qobject_cast<QLineEdit*>(w))
            layout.controls.push_back({Kind::LineEdit, {}, w->geometry()});
        else if (qobject_cast<QPlainTextEdit*>(w))
            layout.controls.push_back({Kind::MultiLineEdit, {}, w->geometry()});
        else if (auto* label = qobject_cast<QLabel*>(w))
            layout.controls.push_back({Kind::Label, label->text(), w->geometry()});
    }
    return layout;
}

// The trainers after the start-up check, which the application runs before
// it builds the window.
TrainerSet& StartedUp(TrainerSet& trainers)
{
    StartUp(trainers);
    return trainers;
}

// The program's dialog with everything it needs, in a scratch directory.
struct ProgramWindow {
    ProgramWindow() : platform(files, clock), trainers(platform), dialog(StartedUp(trainers), platform) {}
    RealFileSystem files;
    SimulatedClock clock;
    WindowPlatform platform;
    TrainerSet trainers;
    CTrainerDlg dialog;
};

std::unique_ptr<QDialog> BuildPlainDialog(const Layout& layout)
{
    auto dialog = std::make_unique<QDialog>();
    for (const PlainControl& c : layout.controls) {
        QWidget* w = nullptr;
        switch (c.kind) {
        case Kind::GroupBox: w = new QGroupBox(c.caption, dialog.get()); break;
        case Kind::Button: w = new QPushButton(c.caption, dialog.get()); break;
        case Kind::LineEdit: w = new QLineEdit(dialog.get()); break;
        case Kind::MultiLineEdit: w = new QPlainTextEdit(dialog.get()); break;
        case Kind::Label: w = new QLabel(c.caption, dialog.get()); break;
        }
        w->setGeometry(c.geometry);
    }
    dialog->setFixedSize(layout.size);
    return dialog;
}

void ShowAndPaint(QWidget& w)
{
    w.show();
    QApplication::processEvents();
    const QPixmap picture = w.grab();
    benchmark::DoNotOptimize(picture.cacheKey());
}

double TimeTrainerDlg()
{
    const auto start = Clock::now();
    auto window = std::make_unique<ProgramWindow>();
    ShowAndPaint(window->dialog);
    const auto end = Clock::now();
    window.reset();
    QApplication::processEvents();
    return MicrosecondsBetween(start, end);
}

double TimePlainDialog(const Layout& layout)
{
    const auto start = Clock::now();
    auto dialog = BuildPlainDialog(layout);
    ShowAndPaint(*dialog);
    const auto end = Clock::now();
    dialog.reset();
    QApplication::processEvents();
    return MicrosecondsBetween(start, end);
}

Layout& RealLayout()
{
    static Layout layout = [] {
        ProgramWindow window;
        return CopyLayout(window.dialog);
    }();
    return layout;
}

void TrainerDlgAgainstPlainDialog(benchmark::State& state)
{
    const Layout& layout = RealLayout();
    // Both once untimed, so that fonts, styles and caches are warm for both.
    TimeTrainerDlg();
    TimePlainDialog(layout);
    std::vector<double> trainer, plain;
    bool trainerFirst = true;
    for (auto _ : state) {
        // Alternating the order keeps either side from always meeting the other's leftovers.
        if (trainerFirst) {
            trainer.push_back(TimeTrainerDlg());
            plain.push_back(TimePlainDialog(layout));
        } else {
            plain.push_back(TimePlainDialog(layout));
            trainer.push_back(TimeTrainerDlg());
        }
        trainerFirst = !trainerFirst;
        state.SetIterationTime((trainer.back() + plain.back()) / 1e6);
    }
    ReportSpread(state, trainer, "trainer_");
    ReportSpread(state, plain, "plain_");
    state.counters["ratio"] = Quantile(trainer, 0.5) / Quantile(plain, 0.5);
    state.counters["widgets"] = static_cast<double>(layout.controls.size());
    const std::pair<Kind, const char*> kinds[] = {{Kind::GroupBox, "groupboxes"},
                                                  {Kind::Button, "buttons"},
                                                  {Kind::LineEdit, "lineedits"},
                                                  {Kind::MultiLineEdit, "plaintextedits"},
                                                  {Kind::Label, "labels"}};
    for (const auto& [kind, name] : kinds)
        state.counters[name] =
            static_cast<double>(std::count_if(layout.controls.begin(), layout.controls.end(),
                                              [kind = kind](const PlainControl& c) { return c.kind == kind; }));
}

void ProgressViewOverALongLog(benchmark::State& state)
{
    test::StringPracticeLog log(GenerateLog(kLogLines), kNow);
    std::vector<double> open, everything;
    for (auto _ : state) {
        const auto start = Clock::now();
        auto view = std::make_unique<ProgressView>(log);
        ShowAndPaint(*view);
        const auto shown = Clock::now();
        view->spanBox()->setCurrentIndex(static_cast<int>(ProgressSpan::Everything));
        const QPixmap picture = view->grab();
        benchmark::DoNotOptimize(picture.cacheKey());
        const auto end = Clock::now();
        view.reset();
        QApplication::processEvents();
        open.push_back(MicrosecondsBetween(start, shown));
        everything.push_back(MicrosecondsBetween(shown, end));
        state.SetIterationTime(open.back() / 1e6);
    }
    ReportSpread(state, open, "open_");
    ReportSpread(state, everything, "everything_");
    state.counters["lines"] = static_cast<double>(kLogLines);
}

} // namespace
} // namespace velmo::bench

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    velmo::test::TempWorkDir dir;
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("Window/TrainerDlgAgainstPlainDialog", velmo::bench::TrainerDlgAgainstPlainDialog)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(60);
    benchmark::RegisterBenchmark("Window/ProgressViewOverALongLog", velmo::bench::ProgressViewOverALongLog)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(20);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
