// The Progress view: a window of its own beside the dialog, which the
// dialog leaves exactly as it is.  It reads the practice log once each time
// it is shown (or refreshed), shows each scoring panel's page over the span
// the player picks, says in one line whether the log is off, written or
// failing, and turns the log on and off.  All it knows of the log is the
// PracticeLog interface.
#pragma once

#include "progress/practice_log.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace velmo {

class ProgressPanelPage;

class ProgressView : public QWidget {
public:
    explicit ProgressView(PracticeLog& log, QWidget* parent = nullptr);

    // Reads the log again and shows it.
    void Refresh();

    // Asked before turning the log off, which deletes its file; a window test
    // answers instead of a modal question.
    using Confirm = std::function<bool(const QString& question)>;
    void SetConfirm(Confirm confirm) { confirm_ = std::move(confirm); }

    ProgressPanelPage* Page(LogPanel panel) const;
    QLabel* stateLine() const { return state_; }
    QPushButton* toggleButton() const { return toggle_; }
    QComboBox* spanBox() const { return span_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowSpan();
    void ShowState();
    void Toggle();
    void ShowExport();

    PracticeLog& log_;
    Confirm confirm_;
    std::optional<ProgressSummary> summary_;
    QComboBox* span_ = nullptr;
    QLabel* state_ = nullptr;
    QPushButton* toggle_ = nullptr;
    QPushButton* export_ = nullptr;
    QWidget* exportRow_ = nullptr;
    QLabel* location_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::vector<std::pair<LogPanel, ProgressPanelPage*>> pages_;
};

} // namespace velmo
