// The real dialog for window tests: real widgets under the offscreen
// platform, a simulated clock (pauses cost nothing), messages captured
// instead of shown modally, all in a fresh working directory.
#pragma once

#include "app/qt/trainer_dlg.h"
#include "app/qt/window_platform.h"
#include "common/clock.h"
#include "common/file_system.h"
#include "shell/dialog_layout.h"
#include "shell/trainer_set.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <vector>

namespace velmo::test {

// How many rows of the layout table `keep` holds: the counts the window
// must show come from the table, not from a number written beside it.
template <typename Predicate> int CountRows(Predicate keep)
{
    int n = 0;
    for (const ControlSpec& row : DialogControls())
        n += keep(row) ? 1 : 0;
    return n;
}

struct ShownMessage {
    QString text;
    QString caption;
};

class Window {
public:
    // `wallTime`: the practice log's clock at the start, as the replay
    // tool's --log-time sets it.
    explicit Window(std::optional<LocalTime> wallTime = std::nullopt)
        : previousDir_(QDir::currentPath()), platform_(files_, clock_)
    {
        if (wallTime)
            clock_.SetWallTime(*wallTime);
        QDir::setCurrent(dir_.path());
        platform_.SetPresenter([this](const QString& text, const QString& caption) {
            messages.push_back({text, caption});
        });
        trainers_ = std::make_unique<TrainerSet>(platform_);
        StartUp(*trainers_); // as the application does before building the window
        dialog = std::make_unique<CTrainerDlg>(*trainers_, platform_);
    }
    ~Window()
    {
        dialog.reset();
        QDir::setCurrent(previousDir_);
    }

    void ShowActive()
    {
        dialog->show();
        dialog->activateWindow();
        QApplication::setActiveWindow(dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }

    QPushButton* Button(int id) const { return qobject_cast<QPushButton*>(dialog->Control(id)); }
    // Presses a button with the mouse, as a user would.
    void Click(int id)
    {
        QPushButton* button = Button(id);
        QVERIFY2(button, qPrintable(QString("no button %1").arg(id)));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString Text(int id) const
    {
        QWidget* w = dialog->Control(id);
        if (auto* line = qobject_cast<QLineEdit*>(w))
            return line->text();
        if (auto* multi = qobject_cast<QPlainTextEdit*>(w))
            return multi->toPlainText();
        return QString();
    }
    void Wait(std::uint32_t ms) { clock_.Advance(ms); }
    TrainerSet& trainers() { return *trainers_; }
    QString dir() const { return dir_.path(); }

    std::vector<ShownMessage> messages;
    std::unique_ptr<CTrainerDlg> dialog;

private:
    QString previousDir_;
    QTemporaryDir dir_;
    RealFileSystem files_;
    SimulatedClock clock_;
    WindowPlatform platform_;
    std::unique_ptr<TrainerSet> trainers_;
};

} // namespace velmo::test
