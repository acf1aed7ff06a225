// The platform of the real window: box texts go to the dialog's widgets,
// messages to a modal QMessageBox (or to a test's presenter); time goes to the
// Clock it is given (the real one, or a window test's simulated one).
#pragma once

#include "common/platform.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace velmo {

class WindowPlatform : public Platform {
public:
    WindowPlatform(FileSystem& files, Clock& clock) : Platform(files, clock) {}

    // The dialog registers each text box here when it builds it.
    void BindBox(int boxId, QWidget* box) { boxes_.insert(boxId, box); }

    // The parent of the message boxes (the dialog).
    void SetMessageParent(QWidget* parent) { messageParent_ = parent; }

    // Replaces the modal message box; window tests read messages this way
    // instead of blocking on a modal window.
    using Presenter = std::function<void(const QString& text, const QString& caption)>;
    void SetPresenter(Presenter presenter) { presenter_ = std::move(presenter); }

    void SetBoxText(int boxId, std::string_view text) override;
    void ShowMessage(std::string_view text, std::optional<std::string_view> caption = std::nullopt) override;

private:
    QHash<int, QPointer<QWidget>> boxes_;
    QPointer<QWidget> messageParent_;
    Presenter presenter_;
};

} // namespace velmo
