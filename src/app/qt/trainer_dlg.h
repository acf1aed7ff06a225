// CTrainerDlg: the one window of the program, its panels of controls
// built from the layout table.  It holds no trainer state and never reads
// its boxes back: every button press goes through the event table into the
// TrainerSet, and the trainers write the boxes through the WindowPlatform.
#pragma once

#include "shell/dialog_layout.h"

#include <QDialog>
#include <QHash>
#include <QList>

namespace velmo {

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
    QRect ToPixels(const ControlSpec& row) const;
    int baseX() const { return baseX_; }
    int baseY() const { return baseY_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildControl(const ControlSpec& row);

    TrainerSet& trainers_;
    WindowPlatform& platform_;
    int baseX_ = 0;
    int baseY_ = 0;
    QHash<int, QWidget*> controls_;
    QList<QWidget*> widgets_;
};

} // namespace velmo
