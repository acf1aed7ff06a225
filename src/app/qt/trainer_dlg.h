// CTrainerDlg: the one window of the program, its panels of controls
// built from the layout table.  It holds no trainer state and never reads
// its boxes back: every button press goes through the event table into the
// TrainerSet, and the trainers write the boxes through the WindowPlatform.
#pragma once

#include "app/qt/dialog_font.h"
#include "shell/dialog_layout.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTimer>

class QAction;
class QScreen;

namespace velmo {

class PracticeLog;
class ProgressView;
struct TrainerSet;
class WindowPlatform;

class CTrainerDlg : public QDialog {
public:
    CTrainerDlg(TrainerSet& trainers, WindowPlatform& platform, QWidget* parent = nullptr);

    // The control with this id (buttons and text boxes), or nullptr.
    QWidget* Control(int id) const { return controls_.value(id); }
    // Every widget built from the layout table, in table (tab) order.
    const QList<QWidget*>& Widgets() const { return widgets_; }

    // Dialog units to pixels with this dialog's base units.
    QRect ToPixels(const DialogControl& row) const;
    int baseX() const { return base_.x; }
    int baseY() const { return base_.y; }

    // Lays the window out at the largest dialog font, up to the desktop's,
    // at which it fits the screen's available area with its frame, and
    // keeps it inside that area.  Runs when the window is first shown, once
    // the window manager's frame is known, and whenever the window moves to
    // another screen.
    void FitToScreen(QScreen* screen);

    // The practice log the Progress view shows (Ctrl+P, or "Progress..." in
    // the context menu of the dialog's background): the trainers' own, unless
    // a test hands over another; without one the entry is greyed out.
    void SetPracticeLog(PracticeLog* log);
    // Opens the one Progress view, or raises it when it is open already.
    void ShowProgress();
    QAction* progressAction() const { return progressAction_; }
    ProgressView* progressView() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildControl(const DialogControl& row);
    // Sets the font and places every control in pixels of its base units.
    void LayOut(const QFont& font);
    // The window manager's frame around the window, or an estimate of it.
    QMargins FrameMargins() const;

    TrainerSet& trainers_;
    WindowPlatform& platform_;
    BaseUnits base_;
    QMargins fittedFrame_;
    QScreen* fittedScreen_ = nullptr;
    bool screenWatched_ = false;
    QTimer frameWatch_;
    int frameChecks_ = 0;
    PracticeLog* practiceLog_ = nullptr;
    QAction* progressAction_ = nullptr;
    QPointer<ProgressView> progressView_;
    QHash<int, QWidget*> controls_;
    QList<QWidget*> widgets_;
};

} // namespace velmo
